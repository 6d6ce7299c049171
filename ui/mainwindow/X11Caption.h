#pragma once
// A window's caption as the X11 window manager receives it.

class QWidget;

// Sends an empty caption for `window` (shown or about to be): Qt's X11 platform never sends one,
// it puts the application's name in its place. Elsewhere (other platforms, offscreen) nothing to do:
// the caption is the window's own title.
void SendEmptyX11Caption(QWidget& window);
