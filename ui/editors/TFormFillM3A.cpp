#include "ui/editors/TFormFillM3A.h"

#include "core/module/TdmMain.h"
#include "platform/widgets/DataSource.h"
#include "ui/editors/TListGridPage.h"
#include "ui/framework/HandlerGuard.h"

#include <QAction>
#include <QCoreApplication>

namespace {

EditorPageSpec listPage(const char* tab, qx::ClientDataSet& list, int code)
{
    EditorPageSpec page;
    page.tab = QString::fromLatin1(tab);
    page.dataSet = &list;
    page.pageCode = code;
    return page;
}

EditorSpec M3ASpec(TdmMain& dm)
{
    EditorSpec spec;
    spec.caption = QStringLiteral("M/3A格式　Modelo M/3A");
    spec.formCode = 5011;
    spec.walkSkipsGrids = true;
    spec.pages = {listPage("1", dm.cdsM3AAli, 5011), listPage("2", dm.cdsM3AAba, 5012)};
    return spec;
}

}  // namespace

TFormFillM3A::TFormFillM3A(TdmMain& dm, QWidget* parent) : TFormFillList(M3ASpec(dm), dm, dm.cdsM3AObs, parent)
{
    setObjectName(QStringLiteral("FormFillM3A"));
    AliPage = AddGridPage(M3AAliListSpec(), *PageAt(0).Source);
    AbaPage = AddGridPage(M3AAbaListSpec(), *PageAt(1).Source);
    for (int i = 0; i < 2; ++i) {
        disconnect(PageAt(i).ActionPrint, &QAction::triggered, this, nullptr);
        connect(PageAt(i).ActionPrint, &QAction::triggered, this, [this, i] { RunGuarded([&] { ActionPrintExecute(i); }); });
    }
    for (TListGridPage* page : {AliPage, AbaPage})
        connect(&page->Source(), &DataSource::dataChanged, this, [this, page] { observationsFollow(*page); });
    connect(&AbaPage->Source(), &DataSource::stateChanged, this, &TFormFillM3A::selectNAddFollowsAba);
    selectNAddFollowsAba();
}

// The observation edits show and take text only while the list changed last has rows.
void TFormFillM3A::observationsFollow(const TListGridPage& changed)
{
    if (observations_.active())
        DataSourceP3->setEnabled(changed.List().recordCount() > 0);
}

void TFormFillM3A::selectNAddFollowsAba()
{
    const bool browsing = AbaPage->Source().state() != qx::DataSetState::Edit
                          && AbaPage->Source().state() != qx::DataSetState::Insert;
    AliPage->ActionSelectNAdd->setEnabled(browsing);
    AbaPage->ActionSelectNAdd->setEnabled(browsing);
    RefreshListActions();
}

void TFormFillM3A::showEvent(QShowEvent* event)
{
    TFormFillList::showEvent(event);
    RunGuarded([this] {
        const int active = ActivePage() < 0 ? 0 : ActivePage();
        observationsFollow(active == 1 ? *AbaPage : *AliPage);
    });
}

void TFormFillM3A::CloseRefused()
{
    NextFormCode = 0;
}

// Observations, alienated list, written-off list: each posted in turn; then the page's list is
// brought up to date and printed on its own code.
void TFormFillM3A::ActionPrintExecute(int page)
{
    if (!PostInOrder({{DataSetPostP3, DataSourceP3},
                      {PagePost(0), PageAt(0).Source},
                      {PagePost(1), PageAt(1).Source}}))
        return;
    RecalcPage(*PageAt(page).spec.dataSet);
    QCoreApplication::processEvents();
    ShowPrintDialog(*PageAt(page).Source, page == 0 ? 5011 : 5012);
}
