// Lays out one report page: bands stacked from the top margin (title, page header, detail rows
// with their child chains), page footers at the paper's bottom; items placed in millimetres.
#include "platform/report/ReportOutput.h"

#include "platform/report/FitText.h"

#include <limits>

namespace qx::report {

namespace {

double toMm(double reportPixels) { return reportPixels * kMmPerReportPixel; }

// A text shrunk, or at last cut or marked, to the width of its item.
DisplayText fitted(DisplayText t, double widthPx, Overflow overflow)
{
    FittedText f = FitText(t.text, t.font, widthPx, overflow);
    t.value = std::move(t.text);
    t.text = std::move(f.text);
    t.font = f.font;
    t.marks = f.marks;
    return t;
}

class PageLayout {
public:
    PageLayout(ReportPage& page, DisplayList& list) : page_(page), list_(list) {}

    // Places the band and its child chain from the current top; false when a band no longer fits
    // above `limit` (the sheet is full).
    bool placeChain(ReportBand& band, double limit)
    {
        for (ReportBand* b = &band; b; b = b->childBand()) {
            if (!b->enabled)
                continue;  // a disabled band leaves its place to the bands chained after it
            bool print = true;
            if (b->beforePrint)
                b->beforePrint(*b, print);
            if (!print)
                return true;
            // The sheet's first band prints even when taller than the room left (the paper's edge
            // cuts it); any later band that does not fit is left out.
            if (placed_ && y_ + toMm(b->height) > limit + 1e-9)
                return false;
            placed_ = true;
            placeItems(*b, y_);
            y_ += toMm(b->height);
        }
        return true;
    }

    // A footer is placed whole, also where it hangs past the paper's edge (the device clips it).
    void placeAt(ReportBand& band, double top)
    {
        y_ = top;
        placeChain(band, std::numeric_limits<double>::infinity());
    }

    double top() const { return y_; }
    void setTop(double y) { y_ = y; }

private:
    void placeItems(const ReportBand& band, double bandTop)
    {
        for (int i = 0; i < band.childCount(); ++i) {
            ReportItem& item = band.child(i);
            if (!item.enabled)
                continue;
            const QRectF box(page_.leftMargin + toMm(item.left), bandTop + toMm(item.top), toMm(item.width),
                             toMm(item.height));
            if (auto* d = dynamic_cast<ReportDataText*>(&item)) {
                DisplayText t{d->name, d->fieldText(), box, d->font, d->alignment, true, d->dataField};
                if (d->onPrint)
                    d->onPrint(*d, t.text, t.font);
                list_.texts.push_back(fitted(std::move(t), item.width, d->overflow()));
            } else if (auto* l = dynamic_cast<ReportLabel*>(&item)) {
                list_.texts.push_back(
                    fitted(DisplayText{l->name, l->caption, box, l->font, l->alignment, false, {}}, item.width, l->overflow));
            } else if (auto* s = dynamic_cast<ReportShape*>(&item)) {
                list_.shapes.push_back(DisplayShape{s->name, s->kind, box, toMm(s->penWidth)});
            } else if (auto* p = dynamic_cast<ReportPicture*>(&item)) {
                QImage picture = p->picture.isNull() && p->load ? p->load() : p->picture;
                if (!picture.isNull())
                    list_.pictures.push_back(DisplayPicture{p->name, box, std::move(picture)});
            }
        }
    }

    ReportPage& page_;
    DisplayList& list_;
    double y_ = 0;
    bool placed_ = false;
};

std::vector<ReportBand*> bandsOf(const ReportPage& page, ReportBand::Kind kind)
{
    std::vector<ReportBand*> out;
    for (int i = 0; i < page.bandCount(); ++i)
        if (page.band(i).kind() == kind)
            out.push_back(&page.band(i));
    return out;
}

}  // namespace

DisplayList LayoutPage(ReportPage& page)
{
    DisplayList list;
    list.paperWidthMm = page.paperWidthMm();
    list.paperHeightMm = page.paperHeightMm();
    bool print = true;
    if (page.beforePrint)
        page.beforePrint(page, print);
    if (!print)
        return list;
    list.printed = true;

    const std::vector<ReportBand*> footers = bandsOf(page, ReportBand::Kind::PageFooter);
    double footerTop = page.frameLengthMm > 0 ? page.topMargin + page.frameLengthMm : list.paperHeightMm;
    for (const ReportBand* f : footers)
        if (f->enabled)
            footerTop -= toMm(f->height);

    PageLayout layout(page, list);
    layout.setTop(page.topMargin);
    bool room = true;
    for (ReportBand::Kind kind : {ReportBand::Kind::Title, ReportBand::Kind::PageHeader})
        for (ReportBand* b : bandsOf(page, kind))
            room = room && layout.placeChain(*b, footerTop);
    const std::vector<ReportBand*> details = bandsOf(page, ReportBand::Kind::Detail);
    while (room && !details.empty()) {
        bool more = true;
        if (page.needData)
            page.needData(page, more);
        if (!more)
            break;
        for (ReportBand* d : details)
            room = room && layout.placeChain(*d, footerTop);
        if (!page.needData)
            break;
    }
    double y = footerTop;
    for (ReportBand* f : footers) {
        if (!f->enabled)
            continue;
        layout.placeAt(*f, y);
        y += toMm(f->height);
    }
    return list;
}

}  // namespace qx::report
