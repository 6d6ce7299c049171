#pragma once
// The banded report engine: one report page printed onto one sheet of paper.
//
// API summary
//   ReportPage      paper (A4/A3, portrait/landscape), left and top margin in millimetres, Tag,
//                   printer index; owns its bands. Events: beforePrint (may cancel the page),
//                   needData (one more detail row or not).
//   ReportBand      title, page header, detail, child (chained after its parent with setChild),
//                   page footer; height and width in report pixels (96 per inch); enabled (a
//                   disabled band is left out, the bands chained after it still print); owns its
//                   items, in child order (childIndex). Event: beforePrint (may skip the band).
//   ReportItem      left/top/width/height in report pixels relative to the band; name; enabled.
//     ReportLabel     fixed caption; what it does when too wide for its box (`overflow`).
//     ReportDataText  dataset + field given while the program runs; prints the field's display
//                     text (so an overflowed sum shows its asterisks), "X" for a True Boolean,
//                     nothing without a dataset or field; too wide for its box, it is cut or
//                     printed as marks by its field's type. Event: onPrint (may replace text/font).
//     ReportShape     rectangle, horizontal or vertical line (drawn through the box's middle).
//     ReportPicture   an image stretched over its box.
//   LayoutPage(page)          -> DisplayList in millimetres on the paper (ReportOutput.h), every
//                                text fitted to its item's width: shrunk down to 6 points, then
//                                cut after its last whole character, or a number or a date
//                                printed as a row of '#' (FitText.h)
//   PaintDisplayList(list, painter, dotsPerMm) draws it; PrintToPdf / PrintToPrinter /
//   RenderToImage put a page on a device: full page, no device margins, never scaled.
// One print is one sheet: bands that do not fit above the page's bottom are left out (the first
// band prints in any case; the paper's edge cuts what lies beyond it).

#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace qx {
class ClientDataSet;
class Field;
}

namespace qx::report {

// Report pixels per inch: band and item geometry is given in these units.
inline constexpr double kReportPixelsPerInch = 96.0;
inline constexpr double kMmPerReportPixel = 25.4 / kReportPixelsPerInch;

enum class PaperSize { A4, A3 };
enum class Orientation { Portrait, Landscape };
enum class TextAlignment { Left, Center, Right };
// What a text still too wide for its box at the smallest font prints: a text loses its end; a
// number or a date prints as a row of '#' across its box, never as a wrong amount.
enum class Overflow { Cut, Marks };

struct ReportFont {
    QString family = QStringLiteral("Liberation Mono");
    int pixelHeight = 12;  // character height in report pixels
    bool bold = false;
    bool operator==(const ReportFont&) const = default;
};

class ReportBand;

class ReportItem {
public:
    virtual ~ReportItem() = default;
    QString name;
    double left = 0, top = 0, width = 0, height = 0;  // report pixels, relative to the band
    bool enabled = true;
    ReportBand* parentBand() const { return band_; }

private:
    friend class ReportBand;
    ReportBand* band_ = nullptr;
};

class ReportLabel : public ReportItem {
public:
    QString caption;
    ReportFont font;
    TextAlignment alignment = TextAlignment::Left;
    Overflow overflow = Overflow::Cut;  // Marks for a label that shows a number (a sum)
};

class ReportDataText : public ReportItem {
public:
    // May replace the text about to print, or its font.
    using PrintHandler = std::function<void(ReportDataText& sender, QString& text, ReportFont& font)>;

    ClientDataSet* dataSet = nullptr;
    QString dataField;
    ReportFont font;
    TextAlignment alignment = TextAlignment::Left;
    PrintHandler onPrint;

    // The bound field, nullptr without a dataset, an open one with a record, or a known field.
    const Field* field() const;
    // The field's text for printing (before onPrint): see the summary above.
    QString fieldText() const;
    // By the bound field's type: Marks for numbers and dates, Cut for texts (and without a field).
    Overflow overflow() const;
};

class ReportShape : public ReportItem {
public:
    enum class Kind { Rectangle, HorizontalLine, VerticalLine };
    Kind kind = Kind::Rectangle;
    double penWidth = 1;  // report pixels
};

class ReportPicture : public ReportItem {
public:
    QImage picture;                // stretched over the item's box
    std::function<QImage()> load;  // else read when the page is laid out (held only while printing)
};

class ReportBand {
public:
    enum class Kind { Title, PageHeader, Detail, Child, PageFooter };
    using PrintHandler = std::function<void(ReportBand& sender, bool& printBand)>;

    explicit ReportBand(Kind kind, QString name = {}) : kind_(kind), name_(std::move(name)) {}
    ReportBand(const ReportBand&) = delete;
    ReportBand& operator=(const ReportBand&) = delete;

    Kind kind() const { return kind_; }
    const QString& name() const { return name_; }
    double width = 0, height = 0;  // report pixels
    bool enabled = true;
    PrintHandler beforePrint;

    // Adds an item at the end of the child order and returns it.
    template <class T>
    T& add(QString itemName)
    {
        auto item = std::make_unique<T>();
        item->name = std::move(itemName);
        item->band_ = this;
        T& ref = *item;
        items_.push_back(std::move(item));
        return ref;
    }
    int childCount() const { return static_cast<int>(items_.size()); }
    ReportItem& child(int index) const { return *items_.at(static_cast<size_t>(index)); }
    ReportItem* findChild(const QString& itemName) const;

    // The child band printed right after this one (a chain); not owned.
    void setChild(ReportBand* child) { child_ = child; }
    ReportBand* childBand() const { return child_; }

private:
    Kind kind_;
    QString name_;
    std::vector<std::unique_ptr<ReportItem>> items_;
    ReportBand* child_ = nullptr;
};

class ReportPage {
public:
    using PrintHandler = std::function<void(ReportPage& sender, bool& printPage)>;
    using NeedDataHandler = std::function<void(ReportPage& sender, bool& moreData)>;

    explicit ReportPage(QString name = {}) : name_(std::move(name)) {}
    ReportPage(const ReportPage&) = delete;
    ReportPage& operator=(const ReportPage&) = delete;

    const QString& name() const { return name_; }
    PaperSize paper = PaperSize::A4;
    Orientation orientation = Orientation::Portrait;
    double leftMargin = 0, topMargin = 0;  // millimetres
    int tag = 0;
    int printerIndex = -1;  // -1: the system's current printer
    // When positive, page footers end this far below the top margin instead of at the paper's
    // bottom edge, so that an offset moves them with the other bands.
    double frameLengthMm = 0;
    PrintHandler beforePrint;
    // Asked before each detail row; without a handler the detail band prints once.
    NeedDataHandler needData;

    ReportBand& addBand(ReportBand::Kind kind, QString bandName);
    int bandCount() const { return static_cast<int>(bands_.size()); }
    ReportBand& band(int index) const { return *bands_.at(static_cast<size_t>(index)); }
    ReportBand* findBand(const QString& bandName) const;

    // Paper width and height in millimetres, orientation applied.
    double paperWidthMm() const;
    double paperHeightMm() const;

private:
    QString name_;
    std::vector<std::unique_ptr<ReportBand>> bands_;
};

}  // namespace qx::report
