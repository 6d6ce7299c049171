#include "print/forms/AssetFace.h"

#include "core/module/TdmMain.h"
#include "core/msgdlg/ScreenFonts.h"
#include "platform/data/ClientDataSet.h"
#include "platform/layout/Coordinates.h"
#include "platform/layout/PageLayout.h"

#include <cmath>

using namespace qx::report;

namespace {

constexpr double kBandWidth = 1085;  // A4 landscape, report pixels
constexpr double kStroke = 30;       // design length of a calibration stroke
constexpr double kMarkInset = 40;    // the right mark's distance from the band's right edge
constexpr double kBottomInset = 20;  // the bottom mark's distance from the footer's bottom

TextAlignment alignmentOf(qx::BoxAlign a)
{
    switch (a) {
    case qx::BoxAlign::Left: return TextAlignment::Left;
    case qx::BoxAlign::Center: return TextAlignment::Center;
    case qx::BoxAlign::Right: return TextAlignment::Right;
    }
    return TextAlignment::Left;
}

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

ReportShape& addStroke(ReportBand& band, const QString& name, ReportShape::Kind kind, double left, double top)
{
    auto& s = band.add<ReportShape>(name);
    s.kind = kind;
    s.left = left;
    s.top = top;
    s.width = kind == ReportShape::Kind::HorizontalLine ? kStroke : 0;
    s.height = kind == ReportShape::Kind::VerticalLine ? kStroke : 0;
    s.enabled = false;
    return s;
}

template <class Item>
void placeAt(Item& item, const QRect& px, int bandTop)
{
    item.left = px.left();
    item.top = px.top() - bandTop;
    item.width = px.width();
    item.height = px.height();
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
    const int footerTop = heightAboveFooter(spec);
    page.frameLengthMm = (footerTop + spec.footerHeight) * kMmPerReportPixel;

    // Boxes are millimetres on the paper; a row band's boxes are those of the face's first row.
    qx::ReportPlacement placement;
    placement.marginLeftMm = spec.leftMargin;
    placement.marginTopMm = spec.topMargin;
    const qx::PageLayout& layout = qx::pageLayout(QString::fromLatin1(spec.layout));
    const QString family = ScreenFontFamily(QStringLiteral("Courier New"));
    int textNo = 0;
    bool childHasBoxes = false;
    for (const qx::Box& box : layout.boxes)
        childHasBoxes = childHasBoxes || box.band == childBand->name();
    for (const qx::Box& box : layout.boxes) {
        std::vector<std::pair<ReportBand*, int>> targets;  // band and its top on the face, pixels
        if (box.band == detailBand->name()) {
            targets.emplace_back(detailBand, spec.topHeight);
            if (!childHasBoxes)
                targets.emplace_back(childBand, spec.topHeight);
        } else if (box.band == childBand->name()) {
            targets.emplace_back(childBand, spec.topHeight);
        } else if (box.band == footerBand->name()) {
            targets.emplace_back(footerBand, footerTop);
        } else {
            targets.emplace_back(topBand, 0);
        }
        const QRect px = qx::reportRect(box.mm, placement);
        const ReportFont font{family, box.fontPx, false};
        for (auto [target, bandTop] : targets) {
            if (box.kind == qx::BoxKind::SumLabel) {
                auto& l = target->add<ReportLabel>(box.field);
                placeAt(l, px, bandTop);
                l.font = font;
                l.alignment = alignmentOf(box.align);
                if (box.field.startsWith(u"QRLabel_P") && box.field.size() == 11)
                    carriedLabels_.push_back(&l);
                else if (box.field.startsWith(u"QRLabel_S"))
                    runningLabels_.push_back(&l);
                continue;
            }
            if (!box.isBound())
                continue;
            auto& t = target->add<ReportDataText>(QStringLiteral("QRDBText%1").arg(++textNo));
            placeAt(t, px, bandTop);
            t.font = font;
            t.alignment = alignmentOf(box.align);
            t.dataSet = dm.DataSetByName(box.dataSet);
            t.dataField = box.field;
            const bool rowText = target == detailBand || target == childBand;
            const bool rate = box.field.compare(u"DA_Taxas", Qt::CaseInsensitive) == 0;
            if (rowText)
                t.onPrint = [this, rate](ReportDataText&, QString& text, ReportFont& f) {
                    if (!hasRows_)
                        text.clear();  // the blank band of a face without rows
                    else if (rate)
                        f.pixelHeight = ratePixelHeight(text);
                };
        }
    }
    // Labels show columns 1, 2, ... in the order of their numbers.
    auto byName = [](const ReportLabel* a, const ReportLabel* b) { return a->name < b->name; };
    std::sort(carriedLabels_.begin(), carriedLabels_.end(), byName);
    std::sort(runningLabels_.begin(), runningLabels_.end(), byName);
    // The running sums are known once the rows are pulled, when the footer prints; the carried
    // ones when the face starts.
    footerBand->beforePrint = [this](ReportBand&, bool&) { showSums(runningLabels_, Running); };

    // Calibration marks: top and right in the top band, left and bottom in the footer; the bottom
    // line runs from the left mark to the right mark, the top line likewise.
    const QString prefix = QStringLiteral("QRShape%1Mark").arg(QLatin1String(spec.marks));
    const double right = kBandWidth - kMarkInset;
    const double bottom = spec.footerHeight - kBottomInset;
    ReportShape& top = addStroke(*topBand, prefix + QStringLiteral("Top"), ReportShape::Kind::HorizontalLine, right - kStroke, 0);
    ReportShape& rightMark = addStroke(*topBand, prefix + QStringLiteral("Right"), ReportShape::Kind::VerticalLine, right, 0);
    ReportShape& left = addStroke(*footerBand, prefix + QStringLiteral("Left"), ReportShape::Kind::VerticalLine, 0, bottom - kStroke);
    ReportShape& bottomMark = addStroke(*footerBand, prefix + QStringLiteral("Bottom"), ReportShape::Kind::HorizontalLine, 0, bottom);
    bottomMark.left = left.left;
    bottomMark.width = rightMark.left - bottomMark.left;
    top.left = bottomMark.left;
    top.width = bottomMark.width;
    marks_ = {&top, &rightMark, &left, &bottomMark};

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
