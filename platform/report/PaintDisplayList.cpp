// Draws a display list with a painter whose origin is the paper's top left corner.
#include "platform/report/ReportOutput.h"

#include "platform/report/FitText.h"

#include <QFont>
#include <QPainter>
#include <QPen>

namespace qx::report {

namespace {

QRectF scaled(const QRectF& mm, double dotsPerMm)
{
    return {mm.x() * dotsPerMm, mm.y() * dotsPerMm, mm.width() * dotsPerMm, mm.height() * dotsPerMm};
}

void paintShape(const DisplayShape& s, QPainter& painter, double dotsPerMm)
{
    QPen pen(Qt::black);
    pen.setWidthF(std::max(s.penWidthMm * dotsPerMm, 1.0));
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QRectF r = scaled(s.box, dotsPerMm);
    switch (s.kind) {
    case ReportShape::Kind::Rectangle: painter.drawRect(r); break;
    case ReportShape::Kind::HorizontalLine:
        painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
        break;
    case ReportShape::Kind::VerticalLine:
        painter.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
        break;
    }
}

// The text is drawn in report pixels around its anchor, so a font keeps its design pixel height
// whatever the device's resolution.
void paintText(const DisplayText& t, QPainter& painter, double dotsPerMm)
{
    constexpr double wide = 100000.0;  // no wrapping: the text was fitted to its box when laid out
    const QPointF a = t.anchor() * dotsPerMm;
    painter.save();
    painter.translate(a);
    painter.scale(dotsPerMm * kMmPerReportPixel, dotsPerMm * kMmPerReportPixel);
    painter.setFont(PrintFont(t.font));
    painter.setPen(Qt::black);
    const double h = std::max(t.box.height() / kMmPerReportPixel, double(t.font.pixelHeight) * 2);
    QRectF r(0, 0, wide, h);
    int flags = Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
    switch (t.alignment) {
    case TextAlignment::Left: flags |= Qt::AlignLeft; break;
    case TextAlignment::Right: r.moveLeft(-wide); flags |= Qt::AlignRight; break;
    case TextAlignment::Center: r.moveLeft(-wide / 2); flags |= Qt::AlignHCenter; break;
    }
    painter.drawText(r, flags, t.text);
    painter.restore();
}

}  // namespace

void PaintDisplayList(const DisplayList& list, QPainter& painter, double dotsPerMm)
{
    if (!list.printed)
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const DisplayPicture& p : list.pictures)
        painter.drawImage(scaled(p.box, dotsPerMm), p.picture);
    for (const DisplayShape& s : list.shapes)
        paintShape(s, painter, dotsPerMm);
    for (const DisplayText& t : list.texts)
        if (!t.text.isEmpty())
            paintText(t, painter, dotsPerMm);
    painter.restore();
}

}  // namespace qx::report
