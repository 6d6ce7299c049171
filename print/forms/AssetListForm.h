#pragma once
// A report form of an asset list: two report pages, the front (QuickRepP1) and the back
// (QuickRepP2) of one sheet or page, each an AssetFace that pulls its rows itself. The forms
// decide in their before-print events which face prints.

#include "print/forms/AssetFace.h"
#include "print/forms/TReportForm.h"

// One face of the form: its layout and bands, the list it prints and its summed columns.
struct AssetFaceSetup {
    const AssetFaceSpec& spec;
    qx::ClientDataSet& list;
    std::vector<QString> sumFields;
    RowlessFace rowless;
};

class AssetListForm : public TReportForm {
public:
    qx::report::ReportPage& QuickRepP1;
    qx::report::ReportPage& QuickRepP2;
    AssetFace Front;
    AssetFace Back;

    virtual void QuickRepP1BeforePrint(qx::report::ReportPage& sender, bool& printReport) = 0;
    virtual void QuickRepP2BeforePrint(qx::report::ReportPage& sender, bool& printReport) = 0;
    void QuickRepP1NeedData(qx::report::ReportPage&, bool& moreData) { Front.NeedData(moreData); }
    void QuickRepP2NeedData(qx::report::ReportPage&, bool& moreData) { Back.NeedData(moreData); }

protected:
    // `withFace`: rows are placed by sheet and face (M/3) rather than by page (M/3A).
    AssetListForm(const QString& name, TdmMain& dm, AssetFaceSetup front, AssetFaceSetup back, bool withFace);
    // Starts `face` on face `target` for a print of `sender` (marks on a test page only) and, with
    // `obs`, moves the observations to `page` for the footer. True when the face has rows or that
    // page has observation text.
    bool StartFace(AssetFace& face, const qx::report::ReportPage& sender, int target,
                   qx::ClientDataSet* obs = nullptr, int page = 0);
    TdmMain& dm_;
};
