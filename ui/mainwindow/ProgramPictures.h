#pragma once
// The main window's and the about box's pictures, drawn at run time, and the three icon sets of
// the main window's actions (kept as PNG files among the program's resources).

#include <QIcon>
#include <QRect>
#include <QPixmap>
#include <array>

class QPainter;

// The logo of the heading band.
QPixmap LogoPicture(int size);
// The picture behind the main window's empty area, painted over `area` (at its size: a picture
// scaled to the screen would be kept by the label showing it).
void PaintBackground(QPainter& painter, const QRect& area);
// The about box's picture, painted over `area`.
void PaintAboutPicture(QPainter& painter, const QRect& area);

// Eleven 24 x 24 images, in the order of the main window's action images.
using ImageList24x24 = std::array<QIcon, 11>;
enum class IconSet { Geral, Seg, Bank };
ImageList24x24 LoadIconSet(IconSet set);
