#include "tools/pagepics/PageDrawing.h"

#include "platform/layout/Coordinates.h"
#include "platform/widgets/ScreenFonts.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

const QString kMingStyle = QStringLiteral("新細明體");
const QString kStandIn = QStringLiteral("示意圖，非官方表格  Stand-in, not the official form");

// Text heights in millimetres on the paper.
constexpr double kTitleMm = 4.2;
constexpr double kSubtitleMm = 3.0;
constexpr double kHeadingMm = 2.9;
constexpr double kTextMm = 2.5;
constexpr double kMarkMm = 2.2;
constexpr double kStripMaxMm = 50;

QPointF scaleOf(const qx::PageLayout& page)
{
    return qx::pixelsPerMm(page.picturePx, page.paperMm);
}

QFont fontOf(QPointF scale, double mm, bool bold)
{
    QFont f = DesignFontPixels(kMingStyle, qMax(8, int(mm * scale.y() + 0.5)));
    f.setBold(bold);
    return f;
}

// The text height and weight of a mark.
QFont markFont(QPointF scale, qx::MarkKind kind)
{
    switch (kind) {
    case qx::MarkKind::Heading:
        return fontOf(scale, kHeadingMm, true);
    case qx::MarkKind::Number:
        return fontOf(scale, kTextMm, true);
    case qx::MarkKind::Label:
        break;
    }
    return fontOf(scale, kTextMm, false);
}

class Drawing {
public:
    Drawing(const qx::PageLayout& page, QImage& image)
        : page_(page), scale_(scaleOf(page)), painter_(&image)
    {
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setRenderHint(QPainter::TextAntialiasing, true);
    }

    // A heading strip of a list grid is no page: no title, a smaller stand-in mark.
    bool isStrip() const { return page_.paperMm.height() < kStripMaxMm; }

    void title()
    {
        if (isStrip())
            return;
        const double centre = page_.paperMm.width() / 2;
        textCentred(page_.titleChn, QPointF(centre, 11), kTitleMm, true);
        textCentred(page_.titlePor, QPointF(centre, 16.5), kSubtitleMm, false);
    }

    // Drawn over the boxes on a white ground: a heading over several cells of a list grid's strip
    // hides the borders between them.
    void marks()
    {
        for (const qx::Mark& m : page_.marks) {
            const QRectF ink = markTextMm(page_, m);
            painter_.fillRect(QRectF(ink.x() * scale_.x(), ink.y() * scale_.y(), ink.width() * scale_.x(), ink.height() * scale_.y())
                                  .adjusted(-1, -1, 1, 1),
                              Qt::white);
            painter_.setFont(markFont(scale_, m.kind));
            painter_.setPen(Qt::black);
            painter_.drawText(px(m.mm), m.text);
            if (m.kind == qx::MarkKind::Heading) {
                painter_.setPen(QPen(QColor(150, 150, 150), 1));
                painter_.drawLine(px(QPointF(m.mm.x(), m.mm.y() + 1.2)), px(QPointF(page_.paperMm.width() - 12, m.mm.y() + 1.2)));
            }
        }
    }

    void boxes()
    {
        for (const qx::Box& b : page_.boxes) {
            if (b.kind == qx::BoxKind::DateButton || b.kind == qx::BoxKind::CalcButton)
                continue;
            const QRect r = qx::editorRect(b.mm, scale_);
            const bool shown = b.kind == qx::BoxKind::DataText || b.kind == qx::BoxKind::HeaderText
                || b.kind == qx::BoxKind::SumLabel;
            if (shown)
                painter_.fillRect(r, QColor(232, 232, 232));
            painter_.setPen(QPen(QColor(60, 60, 60), 1));
            painter_.setBrush(Qt::NoBrush);
            painter_.drawRect(r.adjusted(0, 0, -1, -1));
        }
    }

    void standInMark()
    {
        painter_.setFont(font(isStrip() ? kMarkMm * 0.8 : kMarkMm, false));
        painter_.setPen(QColor(120, 120, 120));
        const QPointF corner = isStrip() ? QPointF(page_.paperMm.width() - 2, page_.paperMm.height() - 1)
                                         : QPointF(page_.paperMm.width() - 10, page_.paperMm.height() - 5);
        const QPoint at = px(corner);
        const int width = painter_.fontMetrics().horizontalAdvance(kStandIn);
        painter_.drawText(QPoint(at.x() - width, at.y()), kStandIn);
    }

private:
    QPoint px(QPointF mm) const { return qx::editorPoint(mm, scale_); }

    QFont font(double mm, bool bold) const { return fontOf(scale_, mm, bold); }

    void textCentred(const QString& s, QPointF baseCentre, double mm, bool bold)
    {
        painter_.setFont(font(mm, bold));
        painter_.setPen(Qt::black);
        const QPoint at = px(baseCentre);
        painter_.drawText(QPoint(at.x() - painter_.fontMetrics().horizontalAdvance(s) / 2, at.y()), s);
    }

    const qx::PageLayout& page_;
    QPointF scale_;
    QPainter painter_;
};

}  // namespace

QRectF markTextMm(const qx::PageLayout& page, const qx::Mark& mark)
{
    const QPointF scale = scaleOf(page);
    const QFontMetricsF metrics(markFont(scale, mark.kind));
    const QPointF at = qx::editorPoint(mark.mm, scale);
    const QRectF px = metrics.tightBoundingRect(mark.text).translated(at);
    return QRectF(px.x() / scale.x(), px.y() / scale.y(), px.width() / scale.x(), px.height() / scale.y());
}

QImage drawPagePicture(const qx::PageLayout& page)
{
    QImage image(page.picturePx, QImage::Format_RGB888);
    image.fill(Qt::white);
    {
        Drawing d(page, image);
        d.title();
        d.boxes();
        d.marks();
        d.standInMark();
    }
    return image;
}
