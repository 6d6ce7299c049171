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
// Room between a box and its outline: its value starts at the box's left edge and top and may
// reach its right edge; a line of text ends a little above the box's bottom.
constexpr double kRoomSideMm = 1.2;
constexpr double kRoomTopMm = 1.2;
constexpr double kRoomBottomMm = 0.6;
// Two outlines closer than this share one line half way between them.
constexpr double kOutlineGapMm = 0.6;

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

// A box that holds a value (the others: buttons, which draw nothing, the calibration strokes and
// the heading cells of a list grid, which are drawn as they are).
bool holdsValue(const qx::Box& b)
{
    switch (b.kind) {
    case qx::BoxKind::Edit:
    case qx::BoxKind::DataText:
    case qx::BoxKind::TickBox:
    case qx::BoxKind::HeaderText:
    case qx::BoxKind::SumLabel:
        return true;
    default:
        return false;
    }
}

QRectF grown(const QRectF& b)
{
    return b.adjusted(-kRoomSideMm, -kRoomTopMm, kRoomSideMm, kRoomBottomMm);
}

enum class Side { Left, Top, Right, Bottom };

// The side of box `b` that faces `n`: the one across which they lie apart; for a neighbour off a
// corner the side of the wider gap.
Side facing(const QRectF& b, const QRectF& n)
{
    const bool sameLine = n.top() < b.bottom() && b.top() < n.bottom();
    const bool sameColumn = n.left() < b.right() && b.left() < n.right();
    const double across = std::max(n.left() - b.right(), b.left() - n.right());
    const double down = std::max(n.top() - b.bottom(), b.top() - n.bottom());
    if (sameLine || (!sameColumn && across >= down))
        return n.left() >= b.right() ? Side::Right : Side::Left;
    return n.top() >= b.bottom() ? Side::Bottom : Side::Top;
}

// The middle between side `side` of `a` and the facing side of `n`.
double midway(const QRectF& a, const QRectF& n, Side side)
{
    switch (side) {
    case Side::Left: return (n.right() + a.left()) / 2;
    case Side::Top: return (n.bottom() + a.top()) / 2;
    case Side::Right: return (a.right() + n.left()) / 2;
    case Side::Bottom: return (a.bottom() + n.top()) / 2;
    }
    return 0;
}

// Moves side `side` of `o` to `at` when that brings it inwards.
void limit(QRectF& o, Side side, double at)
{
    switch (side) {
    case Side::Left: o.setLeft(std::max(o.left(), at)); break;
    case Side::Top: o.setTop(std::max(o.top(), at)); break;
    case Side::Right: o.setRight(std::min(o.right(), at)); break;
    case Side::Bottom: o.setBottom(std::min(o.bottom(), at)); break;
    }
}

// The outline around value box `b`, in millimetres: the room on every side; two boxes whose
// outlines would come too near share the line half way between them, and a text of the picture
// keeps its half of the way to the box. `pixel`: one pixel of the picture, millimetres.
QRectF outlineAround(const QRectF& b, const std::vector<QRectF>& boxes, const std::vector<QRectF>& texts, QPointF pixel)
{
    const QRectF own = grown(b);
    QRectF o = own;
    for (const QRectF& box : boxes) {
        const QRectF other = grown(box);
        if (box != b && own.adjusted(-kOutlineGapMm, -kOutlineGapMm, kOutlineGapMm, kOutlineGapMm).intersects(other)) {
            const Side side = facing(b, box);
            limit(o, side, midway(own, other, side));
        }
    }
    for (const QRectF& ink : texts) {
        // A text is drawn on a white ground a pixel wider than its ink.
        const QRectF ground = ink.adjusted(-pixel.x(), -pixel.y(), pixel.x(), pixel.y());
        if (o.intersects(ground)) {
            const Side side = facing(b, ink);
            limit(o, side, midway(b, ground, side));
        }
    }
    return o;
}

// The outline of each box of page.boxes in the picture's pixels (two outlines that share a line
// round it alike); an empty one for a button.
std::vector<QRect> outlinePixels(const qx::PageLayout& page)
{
    const QPointF scale = scaleOf(page);
    const QPointF pixel(1 / scale.x(), 1 / scale.y());
    std::vector<QRectF> boxes, texts;
    for (const qx::Box& b : page.boxes)
        if (holdsValue(b))
            boxes.push_back(b.mm);
    for (const qx::Mark& m : page.marks)
        texts.push_back(markTextMm(page, m));
    std::vector<QRect> out;
    for (const qx::Box& b : page.boxes) {
        if (b.kind == qx::BoxKind::DateButton || b.kind == qx::BoxKind::CalcButton)
            out.emplace_back();
        else
            out.push_back(qx::editorRect(holdsValue(b) ? outlineAround(b.mm, boxes, texts, pixel) : b.mm, scale));
    }
    return out;
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
        const std::vector<QRect> outlines = outlinePixels(page_);
        for (size_t i = 0; i < page_.boxes.size(); ++i) {
            const qx::Box& b = page_.boxes[i];
            const QRect& r = outlines[i];
            if (r.isEmpty())
                continue;
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

std::vector<QRectF> boxOutlinesMm(const qx::PageLayout& page)
{
    const QPointF scale = scaleOf(page);
    std::vector<QRectF> out;
    for (const QRect& px : outlinePixels(page))
        out.emplace_back(px.x() / scale.x(), px.y() / scale.y(), px.width() / scale.x(), px.height() / scale.y());
    return out;
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
