#include "ui/editors/TFormFillM3.h"

#include "core/module/TdmMain.h"
#include "platform/widgets/DataSource.h"
#include "ui/editors/LayoutPage.h"
#include "ui/editors/TListGridPage.h"
#include "ui/framework/HandlerGuard.h"

#include <QAction>
#include <QCoreApplication>
#include <QPalette>

namespace {

EditorSpec M3Spec(TdmMain& dm)
{
    EditorSpec spec;
    spec.caption = QStringLiteral("M/3格式　Modelo M/3");
    spec.formCode = 4011;
    spec.walkSkipsGrids = true;
    EditorPageSpec header = LayoutPageSpec(QStringLiteral("M3P1"), 1, &dm.cdsM3P1, 4011, {}, {});
    header.background = QPalette().color(QPalette::Base);
    EditorPageSpec list;
    list.tab = QStringLiteral("2");
    list.dataSet = &dm.cdsM3VCLF;
    list.pageCode = 4012;
    spec.pages = {header, list};
    return spec;
}

}  // namespace

TFormFillM3::TFormFillM3(TdmMain& dm, QWidget* parent) : TFormFillList(M3Spec(dm), dm, dm.cdsM3Obs, parent)
{
    setObjectName(QStringLiteral("FormFillM3"));
    BoxHooks hooks;
    hooks.header = DataSourceM1P1;
    AddLayoutBoxes(*this, 0, QStringLiteral("M3P1"), hooks);
    ListPage = AddGridPage(M3ListSpec(), *PageAt(0).Source);
    for (int i = 0; i < 2; ++i)
        disconnect(PageAt(i).ActionPrint, &QAction::triggered, this, nullptr);
    connect(PageAt(0).ActionPrint, &QAction::triggered, this, [this] { RunGuarded([this] { ActionPrintP1Execute(); }); });
    connect(PageAt(1).ActionPrint, &QAction::triggered, this, [this] { RunGuarded([this] { ActionPrintP2Execute(); }); });
}

// Observations, header, list: each posted in turn; nothing is printed while one stays in edit.
bool TFormFillM3::postForPrint()
{
    return PostInOrder({{DataSetPostP3, DataSourceP3},
                        {PagePost(0), PageAt(0).Source},
                        {PagePost(1), PageAt(1).Source}});
}

void TFormFillM3::ActionPrintP1Execute()
{
    if (!postForPrint())
        return;
    QCoreApplication::processEvents();
    ShowPrintDialog(*PageAt(0).Source, 4011, 1, 1);
}

void TFormFillM3::ActionPrintP2Execute()
{
    if (!postForPrint())
        return;
    RecalcPage(dm_.cdsM3P1);
    QCoreApplication::processEvents();
    qx::ClientDataSet& list = dm_.cdsM3VCLF;
    if (list.isEmpty()) {
        const int face = dm_.ObsPageHasText(dm_.cdsM3Obs, 1, false) ? 2 : 1;
        ShowPrintDialog(*PageAt(1).Source, face == 2 ? 4012 : 4011, 1, face);
        return;
    }
    ShowPrintDialog(*PageAt(1).Source, 4012, list.fieldByName(u"pag_num").asInteger(),
                    list.fieldByName(u"face_num").asInteger());
}
