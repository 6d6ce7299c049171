#include "print/forms/AssetListForm.h"

#include "core/module/TdmMain.h"
#include "platform/layout/PageLayout.h"

using qx::report::ReportPage;

namespace {

// A face's sums, carried totals and page numbers are called in messages as its layout names them.
void setSumLabelSources(TReportForm& form, const ReportPage& page, const AssetFaceSpec& spec)
{
    const qx::PageLayout& layout = qx::pageLayout(QString::fromLatin1(spec.layout));
    for (const qx::Box& box : layout.boxes)
        if (box.kind == qx::BoxKind::SumLabel)
            form.setItemSource(page, box.field, ItemSource{&layout, &box, 0});
}

}  // namespace

AssetListForm::AssetListForm(const QString& name, TdmMain& dm, AssetFaceSetup front, AssetFaceSetup back,
                             bool withFace)
    : TReportForm(name),
      QuickRepP1(addPage(QString::fromLatin1(front.spec.page))),
      QuickRepP2(addPage(QString::fromLatin1(back.spec.page))),
      Front(dm, QuickRepP1, front.spec, front.list, std::move(front.sumFields), withFace, front.rowless),
      Back(dm, QuickRepP2, back.spec, back.list, std::move(back.sumFields), withFace, back.rowless),
      dm_(dm)
{
    QuickRepP1.beforePrint = [this](ReportPage& s, bool& p) { QuickRepP1BeforePrint(s, p); };
    QuickRepP1.needData = [this](ReportPage& s, bool& m) { QuickRepP1NeedData(s, m); };
    QuickRepP2.beforePrint = [this](ReportPage& s, bool& p) { QuickRepP2BeforePrint(s, p); };
    QuickRepP2.needData = [this](ReportPage& s, bool& m) { QuickRepP2NeedData(s, m); };
    setBoxExtent(QuickRepP1, Front.BoxExtentMm());
    setBoxExtent(QuickRepP2, Back.BoxExtentMm());
    setSumLabelSources(*this, QuickRepP1, front.spec);
    setSumLabelSources(*this, QuickRepP2, back.spec);
}

bool AssetListForm::StartFace(AssetFace& face, const ReportPage& sender, int target, qx::ClientDataSet* obs, int page)
{
    face.ShowMarksForTag(sender.tag);
    face.Start(target);
    const bool observations = obs && dm_.ObsPageHasText(*obs, page, true);
    return face.HasRows() || observations;
}
