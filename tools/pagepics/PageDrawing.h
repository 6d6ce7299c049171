#pragma once
// The stand-in picture of a paper page, drawn from its layout: the title in both languages,
// section headings, line numbers, labels, the outlines of the boxes and a mark that it is a
// stand-in and not the official form. A box's value is printed from the box's top left corner,
// so the outline of a box that holds a value stands off it on every side (up to half the way to
// the next box or text), as the boxes of a paper form leave room around what is written in them.

#include "platform/layout/PageLayout.h"

#include <QImage>
#include <QRectF>
#include <vector>

QImage drawPagePicture(const qx::PageLayout& page);

// The ink of a mark's text on the paper, in millimetres, as the picture draws it.
QRectF markTextMm(const qx::PageLayout& page, const qx::Mark& mark);

// The outline of each box of the page (in the order of page.boxes) on the paper, in millimetres,
// as the picture draws it: its lines lie inside the rectangle, one picture pixel wide. Buttons
// draw none (an empty rectangle).
std::vector<QRectF> boxOutlinesMm(const qx::PageLayout& page);
