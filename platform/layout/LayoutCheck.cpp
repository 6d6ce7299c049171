#include "platform/layout/LayoutCheck.h"

#include "platform/layout/Coordinates.h"

#include <algorithm>
#include <numeric>

namespace qx {

namespace {

QString where(const PageLayout& page, const Box& box)
{
    return QStringLiteral("%1 line %2 (%3 %4)").arg(page.name).arg(box.row).arg(boxKindName(box.kind), box.field);
}

std::vector<Box> boundBoxes(const PageLayout& page)
{
    std::vector<Box> out;
    for (const Box& b : page.boxes)
        if (b.isBound() && b.band.isEmpty())
            out.push_back(b);
    return out;
}

void checkOnPaper(const PageLayout& page, QStringList& faults)
{
    // To the tenth of a millimetre the tables are written in: sums of tenths need not be exact.
    const QRectF paper = QRectF(QPointF(0, 0), page.paperMm).adjusted(-0.01, -0.01, 0.01, 0.01);
    for (const Box& b : page.boxes) {
        if (b.mm.width() <= 0 || b.mm.height() <= 0)
            faults << where(page, b) + QStringLiteral(": has no width or no height");
        else if (!paper.contains(b.mm))
            faults << where(page, b) + QStringLiteral(": outside the paper");
    }
}

void checkInBands(const PageLayout& page, QStringList& faults)
{
    for (const ReportPlacement& r : page.reports) {
        const QRect band(QPoint(0, 0), r.bandPx);
        for (const Box& b : page.boxes) {
            if (!b.isBound() || !b.band.isEmpty())
                continue;
            const QRect px = reportRect(b.mm, r);
            if (!band.contains(px))
                faults << where(page, b) + QStringLiteral(": outside the %1 band").arg(r.name);
            else if (px.left() < r.minLeftPx || px.left() > r.maxLeft())
                faults << where(page, b)
                        + QStringLiteral(": Left %1 outside %2..%3 of the %4 band").arg(px.left()).arg(r.minLeftPx).arg(r.maxLeft()).arg(r.name);
        }
    }
}

void checkInListBands(const PageLayout& page, QStringList& faults)
{
    for (const Box& b : page.boxes) {
        if (b.band.isEmpty())
            continue;
        const ReportBand* band = page.band(b.band);
        if (!band || b.mm.top() < band->topMm - 0.05 || b.mm.bottom() > band->topMm + band->heightMm() + 0.05)
            faults << where(page, b) + QStringLiteral(": outside its band %1").arg(b.band);
    }
}

void checkOverlaps(const PageLayout& page, QStringList& faults)
{
    for (size_t i = 0; i < page.boxes.size(); ++i)
        for (size_t j = i + 1; j < page.boxes.size(); ++j) {
            const Box& a = page.boxes[i];
            const Box& b = page.boxes[j];
            // Boxes that only touch (to the tenth of a millimetre the tables are written in) do not
            // overlap.
            constexpr double e = 0.01;
            if (a.band == b.band && a.mm.adjusted(e, e, -e, -e).intersects(b.mm.adjusted(e, e, -e, -e)))
                faults << where(page, b) + QStringLiteral(": overlaps line %1 (%2)").arg(a.row).arg(a.field);
        }
}

void checkTabOrder(const PageLayout& page, QStringList& faults)
{
    std::vector<const Box*> stops;
    for (const Box& b : page.boxes)
        if (b.isTabStop())
            stops.push_back(&b);
    if (stops.empty())
        return;
    std::vector<int> finished;
    for (size_t i = 1; i < stops.size(); ++i) {
        const Box& prev = *stops[i - 1];
        const Box& cur = *stops[i];
        if (cur.column != prev.column) {
            finished.push_back(prev.column);
            if (std::find(finished.begin(), finished.end(), cur.column) != finished.end())
                faults << where(page, cur) + QStringLiteral(": column %1 was left before").arg(cur.column);
            continue;
        }
        const bool sameLine = qAbs(cur.mm.top() - prev.mm.top()) < 0.05;
        if (cur.mm.top() < prev.mm.top() - 0.05 || (sameLine && cur.mm.left() < prev.mm.left()))
            faults << where(page, cur) + QStringLiteral(": comes before line %1 (%2) in its column").arg(prev.row).arg(prev.field);
    }
    const auto named = [&](const QString& suffix) {
        std::vector<const Box*> out;
        for (const Box& b : page.boxes)
            if (b.name.startsWith(QLatin1String("DBEdit")) && b.name.endsWith(suffix))
                out.push_back(&b);
        return out;
    };
    const auto firsts = named(QStringLiteral("_First"));
    const auto lasts = named(QStringLiteral("_Last"));
    if (firsts.size() != 1 || firsts.front() != stops.front() || stops.front()->kind != BoxKind::Edit)
        faults << page.name + QStringLiteral(": the first tab stop is not the one edit named ..._First");
    if (lasts.size() != 1 || lasts.front() != stops.back() || stops.back()->kind != BoxKind::Edit)
        faults << page.name + QStringLiteral(": the last tab stop is not the one edit named ..._Last");
}

void checkLinesAgree(const PageLayout& page, QStringList& faults)
{
    const std::vector<Box> bound = boundBoxes(page);
    const QPointF scale = pixelsPerMm(page.picturePx, page.paperMm);
    std::vector<QPoint> editor;
    for (const Box& b : bound)
        editor.push_back(editorPoint(b.mm.topLeft(), scale));
    const auto editorOrder = readingOrder(editor);
    for (const ReportPlacement& r : page.reports) {
        std::vector<QPoint> report;
        for (const Box& b : bound)
            report.push_back(reportPoint(b.mm.topLeft(), r));
        const auto reportOrder = readingOrder(report);
        for (size_t i = 0; i < editorOrder.size(); ++i)
            if (editorOrder[i] != reportOrder[i]) {
                const Box& b = bound[size_t(editorOrder[i].first)];
                faults << where(page, b)
                        + QStringLiteral(": box %1 of the editor page is on line %2, but the %3 band pairs it otherwise")
                              .arg(i + 1).arg(editorOrder[i].second).arg(r.name);
                break;
            }
    }
}

}  // namespace

std::vector<int> lineNumbers(const std::vector<QPoint>& topLefts)
{
    std::vector<int> order(topLefts.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return std::pair(topLefts[a].y(), topLefts[a].x()) < std::pair(topLefts[b].y(), topLefts[b].x());
    });
    std::vector<int> lines(topLefts.size(), 0);
    int line = 0;
    int anchor = 0;
    for (size_t k = 0; k < order.size(); ++k) {
        const int top = topLefts[size_t(order[k])].y();
        if (k == 0 || qAbs(top - anchor) > kLineTolerancePx) {
            anchor = top;
            ++line;
        }
        lines[size_t(order[k])] = line;
    }
    return lines;
}

std::vector<std::pair<int, int>> readingOrder(const std::vector<QPoint>& topLefts)
{
    const std::vector<int> lines = lineNumbers(topLefts);
    std::vector<std::pair<int, int>> out;
    for (size_t i = 0; i < topLefts.size(); ++i)
        out.emplace_back(int(i), lines[i]);
    std::stable_sort(out.begin(), out.end(), [&](const auto& a, const auto& b) {
        return std::pair(a.second, topLefts[size_t(a.first)].x()) < std::pair(b.second, topLefts[size_t(b.first)].x());
    });
    return out;
}

int countBoxes(const PageLayout& page, BoxKind kind)
{
    return int(std::count_if(page.boxes.begin(), page.boxes.end(), [&](const Box& b) { return b.kind == kind; }));
}

int countBound(const PageLayout& page, const ReportPlacement& placement)
{
    int n = 0;
    for (const Box& b : page.boxes) {
        if (!b.isBound() || !b.band.isEmpty())
            continue;
        const int left = reportPoint(b.mm.topLeft(), placement).x();
        if (left >= placement.minLeftPx && left <= placement.maxLeft())
            ++n;
    }
    return n;
}

QStringList checkLayout(const PageLayout& page)
{
    QStringList faults;
    checkOnPaper(page, faults);
    checkInBands(page, faults);
    checkInListBands(page, faults);
    checkOverlaps(page, faults);
    checkTabOrder(page, faults);
    checkLinesAgree(page, faults);
    return faults;
}

}  // namespace qx
