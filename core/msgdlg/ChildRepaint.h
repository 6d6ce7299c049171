#pragma once

class QObject;
class QWidget;

// Repaints every image, data-aware edit, text and check box owned by `form` whose parent is
// `parent`, then lets the application process its pending events once. Images are QLabels
// showing a picture or data controls of the image kind.
void InvalidateChildControls(QObject* form, QWidget* parent);
