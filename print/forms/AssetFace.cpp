#include "print/forms/AssetFace.h"

#include "core/module/TdmMain.h"
#include "platform/widgets/ScreenFonts.h"
#include "platform/data/ClientDataSet.h"
#include "platform/layout/Coordinates.h"
#include "platform/layout/PageLayout.h"
#include "print/forms/LayoutBoxes.h"

#include <cmath>
#include <map>

using namespace qx::report;

namespace {

constexpr double kBandWidth = 1085;  // A4 landscape, report pixels

// Height of a full face from its top band to its last row, report pixels.
int heightAboveFooter(const AssetFaceSpec& s)
{
    int h = s.topHeight;
    for (int r = s.firstRecord; r < s.firstRecord + s.rows; ++r)
        h += r % 2 == 0 ? s.detailHeight : s.childHeight;
    return h;
}

// The printed size of the rate column's text: GetCodeFontSize gives points.
int ratePixelHeight(const QString& text)
{
    return int(std::lround(TdmMain::GetCodeFontSize(text) * 96.0 / 72.0));
}

}  // namespace

AssetFace::AssetFace(TdmMain& dm, ReportPage& reportPage, const AssetFaceSpec& spec, qx::ClientDataSet& list,
                     std::vector<QString> sumFields, bool withFace, RowlessFace rowless)
    : page(reportPage),
      Carried(int(sumFields.size())),
      Running(int(sumFields.size())),
      list_(list),
      columns_(list, std::move(sumFields)),
      ordinal_(list, withFace),
      rowless_(rowless)
{
    build(dm, spec);
}

void AssetFace::build(TdmMain& dm, const AssetFaceSpec& spec)
{
    page.paper = PaperSize::A4;
    page.orientation = Orientation::Landscape;
    auto band = [this](ReportBand::Kind kind, const char* name, int height) {
        ReportBand& b = page.addBand(kind, QString::fromLatin1(name));
        b.width = kBandWidth;
        b.height = height;
        return &b;
    };
    topBand = band(spec.topKind, spec.topBand, spec.topHeight);
    detailBand = band(ReportBand::Kind::Detail, spec.detailBand, spec.detailHeight);
    childBand = band(ReportBand::Kind::Child, spec.childBand, spec.childHeight);
    detailBand->setChild(childBand);
    if (spec.fillerBand) {
        fillerBand = band(ReportBand::Kind::Child, spec.fillerBand, spec.fillerHeight);
        fillerBand->enabled = false;
        childBand->setChild(fillerBand);
    }
    footerBand = band(ReportBand::Kind::PageFooter, spec.footerBand, spec.footerHeight);
    // The footer follows a full face's last row, wherever the offsets put the face.
    page.frameLengthMm = (heightAboveFooter(spec) + spec.footerHeight) * kMmPerReportPixel;

    // Each box sits in a band of the face layout, counted from that band's top on the paper.
    qx::ReportPlacement placement;
    placement.marginLeftMm = spec.leftMargin;
    placement.marginTopMm = spec.topMargin;
    const qx::PageLayout& layout = qx::pageLayout(QString::fromLatin1(spec.layout));
    const QString family = ScreenFontFamily(QStringLiteral("Courier New"));
    std::map<QString, ReportShape*> marks;
    int textNo = 0;
    for (const qx::Box& box : layout.boxes) {
        ReportBand* target = page.findBand(box.band);
        const qx::ReportBand* laidOut = layout.band(box.band);
        if (!target || !laidOut)
            throw qx::LayoutError(QStringLiteral("%1, line %2: no band %3 on this face")
                                      .arg(layout.name).arg(box.row).arg(box.band).toStdString());
        const QRect px = qx::bandRect(box.mm, placement, *laidOut);
        const ReportFont font{family, box.fontPx, false};
        if (box.kind == qx::BoxKind::Mark) {
            auto& s = target->add<ReportShape>(box.field);
            PlaceItem(s, px);
            s.kind = box.mm.width() > box.mm.height() ? ReportShape::Kind::HorizontalLine : ReportShape::Kind::VerticalLine;
            s.enabled = false;
            marks[box.field.right(box.field.size() - int(qstrlen("QRShapeP1Mark")))] = &s;
        } else if (box.kind == qx::BoxKind::SumLabel) {
            auto& l = target->add<ReportLabel>(box.field);
            PlaceItem(l, px);
            l.font = font;
            l.alignment = TextAlignmentOf(box.align);
            l.overflow = Overflow::Marks;  // a sum or a page number: whole or not at all
            if (box.field.startsWith(u"QRLabel_P") && box.field.size() == 11)
                carriedLabels_.push_back(&l);
            else if (box.field.startsWith(u"QRLabel_S"))
                runningLabels_.push_back(&l);
        } else if (box.isBound()) {
            auto& t = target->add<ReportDataText>(QStringLiteral("QRDBText%1").arg(++textNo));
            PlaceItem(t, px);
            t.font = font;
            t.alignment = TextAlignmentOf(box.align);
            t.dataSet = dm.DataSetByName(box.dataSet);
            t.dataField = box.field;
            const bool rate = box.field.compare(u"DA_Taxas", Qt::CaseInsensitive) == 0;
            if (target == detailBand || target == childBand)
                t.onPrint = [this, rate](ReportDataText&, QString& text, ReportFont& f) {
                    if (!hasRows_)
                        text.clear();  // the blank band of a face without rows
                    else if (rate)
                        f.pixelHeight = ratePixelHeight(text);
                };
        }
    }
    boxExtent_ = PrintedBoxExtent(layout, placement);
    // Labels show columns 1, 2, ... in the order of their numbers.
    auto byName = [](const ReportLabel* a, const ReportLabel* b) { return a->name < b->name; };
    std::sort(carriedLabels_.begin(), carriedLabels_.end(), byName);
    std::sort(runningLabels_.begin(), runningLabels_.end(), byName);
    // The running sums are known once the rows are pulled, when the footer prints; the carried
    // ones when the face starts.
    footerBand->beforePrint = [this](ReportBand&, bool&) { showSums(runningLabels_, Running); };

    // Calibration marks: the bottom line runs from the left mark to the right mark's left edge,
    // the top line takes the same left and width; the vertical marks stay short strokes.
    ReportShape* left = marks[QStringLiteral("Left")];
    ReportShape* right = marks[QStringLiteral("Right")];
    ReportShape* top = marks[QStringLiteral("Top")];
    ReportShape* bottom = marks[QStringLiteral("Bottom")];
    if (!left || !right || !top || !bottom)
        throw qx::LayoutError(QStringLiteral("%1: four calibration marks expected").arg(layout.name).toStdString());
    bottom->left = left->left;
    bottom->width = right->left - bottom->left;
    top->left = bottom->left;
    top->width = bottom->width;
    marks_ = {top, right, left, bottom};

    page.leftMargin = spec.leftMargin;
    page.topMargin = spec.topMargin;
}

void AssetFace::Start(int target)
{
    Carried.clear();
    const FaceRows rows = ScanFaceRows(list_, ordinal_, target, &columns_, &Carried);
    RowNo = rows.first;
    LastRow = rows.last;
    hasRows_ = rows.hasRows();
    Running = Carried;
    showSums(carriedLabels_, Carried);
    // A face without rows shows no sums or carried totals; its top band prints before the rows
    // are asked for.
    setSumLabelsEnabled(hasRows_ || rowless_ == RowlessFace::Nothing);
    detailBand->enabled = true;
    childBand->enabled = true;
    if (fillerBand)
        fillerBand->enabled = false;
}

FaceRows AssetFace::RowsOf(int target)
{
    return ScanFaceRows(list_, ordinal_, target, nullptr, nullptr);
}

void AssetFace::NeedData(bool& moreData)
{
    moreData = RowNo <= LastRow;
    if (!moreData)
        return;
    if (RowNo < 1) {
        // A face without rows of its own; an empty list asks once for record 0.
        switch (rowless_) {
        case RowlessFace::Nothing: moreData = false; return;
        case RowlessFace::FillerBand:
            detailBand->enabled = false;
            childBand->enabled = false;
            fillerBand->enabled = true;
            break;
        case RowlessFace::BlankRow:
            detailBand->enabled = true;
            childBand->enabled = false;
            break;
        }
        LastRow = -1;
        setSumLabelsEnabled(false);
        return;
    }
    if (fillerBand)
        fillerBand->enabled = false;
    setSumLabelsEnabled(true);
    list_.setRecNo(RowNo);
    columns_.addCurrentRow(Running);
    detailBand->enabled = RowNo % 2 == 0;
    childBand->enabled = !detailBand->enabled;
    ++RowNo;
}

void AssetFace::ShowMarksForTag(int tag)
{
    for (ReportShape* s : marks_)
        s->enabled = tag == 10;
}

ReportLabel* AssetFace::Label(const QString& name) const
{
    for (ReportBand* b : {topBand, footerBand})
        if (auto* l = dynamic_cast<ReportLabel*>(b->findChild(name)))
            return l;
    return nullptr;
}

std::vector<ReportDataText*> AssetFace::DataTexts() const
{
    std::vector<ReportDataText*> out;
    for (ReportBand* b : {topBand, detailBand, childBand, footerBand})
        for (int i = 0; i < b->childCount(); ++i)
            if (auto* t = dynamic_cast<ReportDataText*>(&b->child(i)))
                out.push_back(t);
    return out;
}

void AssetFace::setSumLabelsEnabled(bool on)
{
    for (auto* labels : {&carriedLabels_, &runningLabels_})
        for (ReportLabel* l : *labels)
            l->enabled = on;
}

void AssetFace::showSums(const std::vector<ReportLabel*>& labels, const FaceSums& sums)
{
    for (size_t i = 0; i < labels.size() && int(i) < sums.columns(); ++i)
        labels[i]->caption = sums.text(int(i));
}
