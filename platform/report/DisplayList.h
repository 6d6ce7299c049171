#pragma once
// What a laid-out report page draws, in millimetres from the paper's top left corner.

#include "platform/report/ReportPage.h"

#include <QImage>
#include <QRectF>
#include <QString>
#include <vector>

namespace qx::report {

struct DisplayText {
    QString name;  // the item's name
    QString text;  // as printed: fitted to the box's width
    QRectF box;    // the item's box on the paper; the text starts at its top
    ReportFont font;  // as printed: shrunk where the text needed it
    TextAlignment alignment = TextAlignment::Left;
    bool dataText = false;  // from a data text (else a label)
    QString field;          // a data text's field name
    QString value;          // the text before it was fitted: what the box holds
    bool marks = false;     // a number or a date too wide for its box, printed as a row of '#'
    // Where the text is anchored: the box's left edge for left-aligned text, its right edge for
    // right-aligned text, its middle for centred text; y is the box's top.
    QPointF anchor() const;
};

struct DisplayShape {
    QString name;
    ReportShape::Kind kind = ReportShape::Kind::Rectangle;
    QRectF box;
    double penWidthMm = 0;
};

struct DisplayPicture {
    QString name;
    QRectF box;
    QImage picture;
};

struct DisplayList {
    double paperWidthMm = 0, paperHeightMm = 0;
    bool printed = false;  // false when the page's beforePrint cancelled it
    // Drawn in this order: pictures beneath, then shapes, then texts.
    std::vector<DisplayPicture> pictures;
    std::vector<DisplayShape> shapes;
    std::vector<DisplayText> texts;

    const DisplayText* findText(const QString& name) const;
};

}  // namespace qx::report
