#include "ui/editors/TFormFillM4.h"

#include "core/calc/SectorOf.h"
#include "core/module/TdmMain.h"
#include "platform/widgets/DataSource.h"
#include "ui/editors/LayoutPage.h"
#include "ui/editors/M4Pages.h"
#include "ui/framework/EditorTabs.h"
#include "ui/framework/HandlerGuard.h"

#include <QPalette>

namespace {

EditorSpec M4Spec(TdmMain& dm)
{
    EditorSpec spec;
    spec.caption = QStringLiteral("M/4格式 　Modelo M/4");
    spec.formCode = 6011;
    const QString form = QStringLiteral("FormRpt_M4");
    spec.pages = {
        LayoutPageSpec(QStringLiteral("M4P1"), 1, &dm.cdsM4P1, 6011, form, QStringLiteral("DetailBandP1")),
        LayoutPageSpec(QStringLiteral("M4P2"), 2, &dm.cdsM4P2, 6012, form, QStringLiteral("DetailBandP2")),
    };
    spec.pages[0].background = QPalette().color(QPalette::Base);
    return spec;
}

}  // namespace

TFormFillM4::TFormFillM4(TdmMain& dm, QWidget* parent) : TFormFill(M4Spec(dm), parent), dm_(dm)
{
    setObjectName(QStringLiteral("FormFillM4"));
    DataSourceM1P1 = AddDataSource(&dm.cdsM1P1);
    DataSourceM1P1->setObjectName(QStringLiteral("DataSourceM1P1"));
    BoxHooks hooks;
    hooks.header = DataSourceM1P1;
    AddLayoutBoxes(*this, 0, QStringLiteral("M4P1"), hooks);
    AddLayoutBoxes(*this, 1, QStringLiteral("M4P2"), hooks);
}

void TFormFillM4::ShowPagesOfSector()
{
    const bool shown = M4Page2Shown(SectorOf(dm_));
    PageControl->setTabVisible(1, shown);
    if (!shown && PageControl->currentIndex() != 0)
        PageControl->setCurrentIndex(0);
}

void TFormFillM4::showEvent(QShowEvent* event)
{
    RunGuarded([this] { ShowPagesOfSector(); });
    TFormFill::showEvent(event);
}
