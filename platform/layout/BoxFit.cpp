#include "platform/layout/BoxFit.h"

#include "platform/layout/Coordinates.h"

#include <algorithm>
#include <climits>

namespace qx {

namespace {

QString describe(const WidestValue& v)
{
    return v.exact() ? QStringLiteral("\"%1\"").arg(v.text) : QStringLiteral("%1 characters").arg(v.characters);
}

QString where(const PageLayout& page, const Box& box)
{
    return QStringLiteral("%1 line %2 (%3 %4)").arg(page.name).arg(box.row).arg(boxKindName(box.kind), box.field);
}

}  // namespace

int paperRoomPx(const PageLayout& page, const Box& box)
{
    // The rounding of both edges may differ by a pixel between placements: the narrowest counts.
    int room = INT_MAX;
    for (const ReportPlacement& r : page.reports)
        room = std::min(room, reportRect(box.mm, r).width());
    return room == INT_MAX ? reportRect(box.mm, ReportPlacement{}).width() : room;
}

int screenRoomPx(const PageLayout& page, const Box& box)
{
    const int width = editorRect(box.mm, pixelsPerMm(page.picturePx, page.paperMm)).width();
    return width - (box.kind == BoxKind::Edit ? kEditMarginPx : kTextMarginPx);
}

QStringList checkBoxFits(const PageLayout& page, const std::function<BoxWidest(const Box&)>& widestOf,
                         const TextWidths& widths)
{
    QStringList faults;
    const QPointF pxPerMm = pixelsPerMm(page.picturePx, page.paperMm);
    for (const Box& box : page.boxes) {
        const BoxWidest widest = widestOf(box);
        if (const auto& v = widest.paper; v && !(box.cut && !v->exact())) {
            const int font = v->exact() ? box.fontPx : std::min(box.fontPx, widths.paperFloorPx);
            const double need = widths.paper(*v, font);
            const int room = paperRoomPx(page, box);
            if (need > room + 1e-6)
                faults << where(page, box)
                        + QStringLiteral(": on paper %1 needs %2 px at %3 px, the box has %4")
                              .arg(describe(*v)).arg(need, 0, 'f', 1).arg(font).arg(room);
        }
        if (const auto& v = widest.screen; v && v->exact()) {
            const int font = editorFontPx(box.fontPx, pxPerMm);
            const double need = widths.screen(*v, font, box.kind != BoxKind::Edit);
            const int room = screenRoomPx(page, box);
            if (need > room + 1e-6)
                faults << where(page, box)
                        + QStringLiteral(": on screen %1 needs %2 px at %3 px, the box has %4")
                              .arg(describe(*v)).arg(need, 0, 'f', 1).arg(font).arg(room);
        }
    }
    return faults;
}

}  // namespace qx
