#pragma once
// One face of a printed asset list (M/3 sheet front or back, M/3A page front or back), built from
// its face layout: a report page with a top band, two row bands chained (the detail band prints
// even record numbers, its child odd ones, so rows follow the alternating pitch of the printed
// lines), on the backs a 40-pixel filler band after them, and a page footer; the data texts and
// labels of the layout; the calibration marks. It holds the state of one print: the face's rows
// (RowNo, LastRow), the totals carried in from the faces before it and its running totals.

#include "print/forms/FaceRows.h"
#include "print/forms/FaceSums.h"

#include "platform/report/ReportPage.h"

#include <QRectF>
#include <vector>

class TdmMain;

// How a face is laid out: its page, layout and bands (heights in report pixels) and the default
// margins (millimetres). A full face holds `rows` rows from record `firstRecord` (the parity of
// which tells its first row band); the page footer sits right below a full face.
struct AssetFaceSpec {
    const char* page;    // "QuickRepP1"
    const char* layout;  // "M3Front"
    qx::report::ReportBand::Kind topKind;
    const char* topBand;
    int topHeight;
    const char* detailBand;
    int detailHeight;
    const char* childBand;
    int childHeight;
    const char* fillerBand;  // nullptr: none
    int fillerHeight;
    const char* footerBand;
    int footerHeight;
    double leftMargin, topMargin;
    const char* marks;  // "P1": QRShapeP1MarkTop ...
    int firstRecord;
    int rows;
};

// What a face without rows of its own prints where its rows would be.
enum class RowlessFace {
    Nothing,     // no row band at all
    FillerBand,  // the empty filler band alone, no sums or carried totals
    BlankRow     // one row band with every data text blank, no sums
};

class AssetFace {
public:
    // `sumFields`: the list's summed columns in label order (label n shows column n); `withFace`:
    // rows are placed by sheet and face (M/3) rather than by page (M/3A).
    AssetFace(TdmMain& dm, qx::report::ReportPage& page, const AssetFaceSpec& spec, qx::ClientDataSet& list,
              std::vector<QString> sumFields, bool withFace, RowlessFace rowless);
    AssetFace(const AssetFace&) = delete;
    AssetFace& operator=(const AssetFace&) = delete;

    qx::report::ReportPage& page;
    qx::report::ReportBand* topBand = nullptr;
    qx::report::ReportBand* detailBand = nullptr;
    qx::report::ReportBand* childBand = nullptr;
    qx::report::ReportBand* fillerBand = nullptr;
    qx::report::ReportBand* footerBand = nullptr;

    int RowNo = 0;
    int LastRow = 0;
    FaceSums Carried;
    FaceSums Running;
    bool HasRows() const { return hasRows_; }
    // Where the face's printed boxes lie, millimetres from its margins' origin.
    const QRectF& BoxExtentMm() const { return boxExtent_; }

    // The face `target` (FaceOrdinal numbering) of the list: Carried := the rows before it,
    // RowNo/LastRow := its rows, Running := Carried.
    void Start(int target);
    // Rows of face `target` of `list`, without sums (another list's face, e.g. the M/3A back).
    FaceRows RowsOf(int target);
    // The ordinal of sheet/page `sheet`, face `face`.
    int Ordinal(int sheet, int face) const { return ordinal_.of(sheet, face); }
    // The need-data event: the common row pulling, and what a face without rows prints.
    void NeedData(bool& moreData);
    // The calibration marks print exactly on a test page (Tag 10).
    void ShowMarksForTag(int tag);

    // A label of the face by name, or nullptr.
    qx::report::ReportLabel* Label(const QString& name) const;
    // Labels "QRLabel_P<n>.." show Carried, "QRLabel_S<n>.." Running (n from 1).
    const std::vector<qx::report::ReportLabel*>& CarriedLabels() const { return carriedLabels_; }
    const std::vector<qx::report::ReportLabel*>& RunningLabels() const { return runningLabels_; }
    // The data texts of the rows (both row bands) and of the top band and footer.
    std::vector<qx::report::ReportDataText*> DataTexts() const;

private:
    void build(TdmMain& dm, const AssetFaceSpec& spec);
    void setSumLabelsEnabled(bool on);
    void showSums(const std::vector<qx::report::ReportLabel*>& labels, const FaceSums& sums);

    qx::ClientDataSet& list_;
    SumColumns columns_;
    FaceOrdinal ordinal_;
    RowlessFace rowless_;
    bool hasRows_ = false;
    std::vector<qx::report::ReportLabel*> carriedLabels_, runningLabels_;
    std::vector<qx::report::ReportShape*> marks_;
    QRectF boxExtent_;
};

