#include "print/forms/ReportForms.h"

#include "core/module/TdmMain.h"
#include "platform/data/ClientDataSet.h"
#include "platform/image/PagePicture.h"
#include "platform/layout/Coordinates.h"
#include "platform/layout/PageLayout.h"
#include "print/forms/LayoutBoxes.h"
#include "platform/widgets/ScreenFonts.h"
#include "print/forms/CalibrationMarks.h"
#include "print/forms/DateBoxes.h"
#include "print/forms/TestStamp.h"

#include <QSet>

using namespace qx::report;

namespace {

const qx::ReportPlacement& placementOf(const qx::PageLayout& layout, const char* name)
{
    const qx::ReportPlacement* p = layout.report(QString::fromLatin1(name));
    if (!p)
        throw qx::LayoutError(QStringLiteral("%1 has no report placement %2").arg(layout.name, QLatin1String(name)).toStdString());
    return *p;
}

// The date box of `field`'s n-th box on `layout` in `form`, or nullptr.
const DateBoxSpec* dateBoxOf(const QString& form, const QString& layout, const QString& field, int occurrence)
{
    for (const DateBoxSpec& d : DateBoxSpecs())
        if (form == QLatin1String(d.form) && layout == QLatin1String(d.layout) && field == QLatin1String(d.field)
            && occurrence == d.occurrence)
            return &d;
    return nullptr;
}

// Names of a form's data texts: QRDBText1, QRDBText2, ... in the order of the form's boxes,
// leaving out the names that the date boxes carry.
class DataTextNames {
public:
    explicit DataTextNames(const QString& form)
    {
        for (const DateBoxSpec& d : DateBoxSpecs())
            if (form == QLatin1String(d.form))
                reserved_.insert(QString::fromLatin1(d.name));
    }
    QString next()
    {
        QString name;
        do
            name = QStringLiteral("QRDBText%1").arg(++n_);
        while (reserved_.contains(name));
        return name;
    }

private:
    QSet<QString> reserved_;
    int n_ = 0;
};

void printDateWithPattern(ReportDataText& text, const QString& pattern)
{
    text.onPrint = [pattern](ReportDataText& sender, QString& out, ReportFont&) {
        const qx::Field* f = sender.field();
        out = f ? FormatDateBox(f->asDate(), pattern) : QString();
    };
}

// The data texts of `layout`'s boxes on `band` of `form`'s `page`, which prints page `pageCode`.
void addDataTexts(TReportForm& form, ReportPage& page, ReportBand& band, const ReportPageSpec& spec,
                  const qx::PageLayout& layout, int pageCode, DataTextNames& names, qx::ClientDataSet* designDataSet)
{
    const qx::ReportPlacement& placement = placementOf(layout, spec.placement);
    const QString family = ScreenFontFamily(QStringLiteral("Courier New"));
    QHash<QString, int> seen;
    for (const qx::Box& box : layout.boxes) {
        if (!box.isBound())
            continue;
        const int occurrence = ++seen[box.field];
        const DateBoxSpec* date = dateBoxOf(QString::fromLatin1(spec.form), layout.name, box.field, occurrence);
        auto& text = band.add<ReportDataText>(date ? QString::fromLatin1(date->name) : names.next());
        PlaceItem(text, qx::reportRect(box.mm, placement));
        text.font = ReportFont{family, box.fontPx, false};
        text.alignment = TextAlignmentOf(box.align);
        text.dataSet = designDataSet;
        text.dataField = designDataSet ? box.field : QStringLiteral("TEST");
        if (date)
            printDateWithPattern(text, QString::fromLatin1(date->pattern));
        form.setItemSource(page, text.name, ItemSource{&layout, &box, pageCode});
    }
}

ReportPicture& addPicture(ReportBand& band, const QString& name, const QRect& px, const QImage& image)
{
    auto& p = band.add<ReportPicture>(name);
    PlaceItem(p, px);
    p.picture = image;
    return p;
}

void buildPage(TReportForm& form, ReportPage& page, const ReportPageSpec& spec, DataTextNames& names, TdmMain& dm)
{
    std::vector<const qx::PageLayout*> layouts;
    for (const char* name : spec.layouts)
        layouts.push_back(&qx::pageLayout(QString::fromLatin1(name)));
    const qx::ReportPlacement& first = placementOf(*layouts.front(), spec.placement);
    page.paper = spec.paper;
    page.orientation = spec.orientation;
    const bool title = spec.picture == 4;  // the picture-only page has a title band
    ReportBand& band = page.addBand(title ? ReportBand::Kind::Title : ReportBand::Kind::Detail, QString::fromLatin1(spec.band));
    band.width = first.bandPx.width();
    band.height = first.bandPx.height();

    if (spec.picture) {
        const qx::PageLayout& l = *layouts.front();
        // The page picture is decoded when the page prints, not held by the form for the whole run.
        addPicture(band, QStringLiteral("QRImage%1").arg(spec.picture), qx::reportRect(QRectF(QPointF(0, 0), l.paperMm), first), {})
            .load = [name = l.name] { return qx::pagePicture(name); };
    }
    // M/1 page 1 is bound to its dataset from the start; the editors' binding makes the same pairs.
    const bool designBound = QLatin1String(spec.layouts.front()) == QLatin1String("M1P1");
    // A sheet that carries two pages prints the second page's code after the first's.
    QRectF boxes;
    for (size_t i = 0; i < layouts.size(); ++i) {
        addDataTexts(form, page, band, spec, *layouts[i], spec.pageCode + int(i), names, designBound ? &dm.cdsM1P1 : nullptr);
        boxes |= PrintedBoxExtent(*layouts[i], placementOf(*layouts[i], spec.placement));
    }
    // A page of its picture alone (M/1's last A4 page) keeps its band on the paper.
    form.setBoxExtent(page, boxes.isEmpty() ? QRectF(0, 0, band.width * kMmPerReportPixel, band.height * kMmPerReportPixel)
                                            : boxes);

    if (spec.marks) {
        const CalibrationMarks marks = AddCalibrationStrokes(band, QString::fromLatin1(spec.marks));
        CloseCalibrationMarks(marks);
        page.beforePrint = [marks](ReportPage& sender, bool&) { marks.setEnabled(sender.tag == 10); };
    }
    if (spec.testStamp) {
        const QImage stamp = TestStampPicture();
        const QRect px(int(band.width) - stamp.width() - 12, int(band.height) - stamp.height() - 12, stamp.width(),
                       stamp.height());
        ReportPicture* p = &addPicture(band, QStringLiteral("QRImageP%1Test").arg(spec.picture), px, stamp);
        page.beforePrint = [p](ReportPage& sender, bool&) { p->enabled = sender.tag == 10; };
    }
    // Default margins, left first, then top.
    page.leftMargin = first.marginLeftMm;
    page.topMargin = first.marginTopMm;
}

}  // namespace

ReportForms::ReportForms(TdmMain& dm) : FormRpt_M3(dm), FormRpt_M3Cont(dm), FormRpt_M3A(dm)
{
    for (TReportForm* f : {&FormRpt_M1, &FormRpt_M1_A4, &FormRpt_AnexoA, &FormRpt_AnexoASeg, &FormRpt_AnexoABank,
                           &FormRpt_AnexoB, &FormRpt_AnexoBSeg, &FormRpt_AnexoBBank, &FormRpt_M4}) {
        DataTextNames names(f->name());
        for (const ReportPageSpec& spec : ReportPageSpecs())
            if (f->name() == QLatin1String(spec.form))
                buildPage(*f, f->addPage(QString::fromLatin1(spec.page)), spec, names, dm);
    }
}

TReportForm* ReportForms::form(const QString& name)
{
    for (TReportForm* f : std::initializer_list<TReportForm*>{
             &FormRpt_M1, &FormRpt_M1_A4, &FormRpt_AnexoA, &FormRpt_AnexoASeg, &FormRpt_AnexoABank, &FormRpt_AnexoB,
             &FormRpt_AnexoBSeg, &FormRpt_AnexoBBank, &FormRpt_M4, &FormRpt_M3, &FormRpt_M3Cont, &FormRpt_M3A})
        if (f->name() == name)
            return f;
    return nullptr;
}

qx::report::ReportPage* ReportForms::page(const QString& form, const QString& page)
{
    TReportForm* f = this->form(form);
    return f ? f->page(page) : nullptr;
}
