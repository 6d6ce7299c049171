#pragma once
// The stand-in picture of a paper page, drawn from its layout: the title in both languages,
// section headings, line numbers, labels, the outlines of the boxes and a mark that it is a
// stand-in and not the official form.

#include "platform/layout/PageLayout.h"

#include <QImage>
#include <QRectF>

QImage drawPagePicture(const qx::PageLayout& page);

// The ink of a mark's text on the paper, in millimetres, as the picture draws it.
QRectF markTextMm(const qx::PageLayout& page, const qx::Mark& mark);
