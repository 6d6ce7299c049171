#include "ui/editors/TFormFillList.h"

#include "core/module/TdmMain.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/DataSource.h"
#include "ui/editors/TListGridPage.h"
#include "ui/framework/EditorTabs.h"
#include "ui/framework/HandlerGuard.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace {

// The Edit menu: caption, shortcut and the list page's action it runs.
struct EditItem {
    const char* name;
    const char* caption;
    QKeyCombination key;
    QAction* TListGridPage::*action;
};

const EditItem kEditItems[] = {
    {"miSelectNAdd", "從「固定資產重置與攤折之最高率表」中插入 Insert &From ...", Qt::SHIFT | Qt::Key_Insert,
     &TListGridPage::ActionSelectNAdd},
    {"miInsert", "插入一行 &Insert", Qt::CTRL | Qt::Key_Insert, &TListGridPage::DataSetInsert},
    {"miDelete", "刪除一行 &Delete", Qt::CTRL | Qt::Key_Delete, &TListGridPage::DataSetDelete},
    {"miMoveUp", "上移一行 Move &Up", Qt::CTRL | Qt::Key_U, &TListGridPage::ActionMoveUp},
    {"miMoveDown", "下移一行 Move D&own", Qt::CTRL | Qt::Key_D, &TListGridPage::ActionMoveDown},
};

bool isEditKey(const QKeyEvent* e)
{
    for (const EditItem& item : kEditItems)
        if (e->keyCombination() == item.key)
            return true;
    return false;
}

// The column a key moves the grid's current cell by: Enter and Tab the next, Shift+Tab the one
// before; 0 for any other key.
int columnStep(const QKeyEvent* e)
{
    const Qt::KeyboardModifiers mods = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const int k = e->key();
    if ((k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Tab) && mods == Qt::NoModifier)
        return 1;
    if ((k == Qt::Key_Backtab && (mods == Qt::NoModifier || mods == Qt::ShiftModifier))
        || (k == Qt::Key_Tab && mods == Qt::ShiftModifier))
        return -1;
    return 0;
}

}  // namespace

TFormFillList::TFormFillList(EditorSpec spec, TdmMain& dm, qx::ClientDataSet& observations, QWidget* parent)
    : TFormFill(std::move(spec), parent), dm_(dm), observations_(observations)
{
    DataSourceM1P1 = AddDataSource(&dm.cdsM1P1);
    DataSourceM1P1->setObjectName(QStringLiteral("DataSourceM1P1"));
    DataSourceP3 = AddDataSource(&observations);
    DataSourceP3->setObjectName(QStringLiteral("DataSourceP3"));
    DataSetPostP3 = new QAction(QStringLiteral("確定 &Aceitar"), this);
    DataSetPostP3->setObjectName(QStringLiteral("DataSetPostP3"));
    connect(DataSetPostP3, &QAction::triggered, this, [this] { RunGuarded([this] { PostObservations(); }); });
    DataSetCancelP3 = new QAction(QStringLiteral("取消 &Cancelar"), this);
    DataSetCancelP3->setObjectName(QStringLiteral("DataSetCancelP3"));
    connect(DataSetCancelP3, &QAction::triggered, this, [this] {
        RunGuarded([this] {
            if (observations_.editing())
                observations_.cancel();
        });
    });
    connect(DataSourceP3, &DataSource::stateChanged, this, &TFormFillList::RefreshListActions);
    for (int i = 0; i < PageCount(); ++i) {
        ownPosts_.push_back(PageAt(i).DataSetPost);
        ownCancels_.push_back(PageAt(i).DataSetCancel);
    }
    buildEditMenu();
    PageControl->mayLeave = [this](int from, int) {
        bool allowed = false;
        RunGuarded([&] { allowed = leavePage(from); });
        return allowed;
    };
    connect(PageControl, &QTabWidget::currentChanged, this, [this] { RunGuarded([this] { pageChanged(); }); });
    connect(qApp, &QApplication::focusChanged, this, &TFormFillList::focusChanged);
}

// The sources let go of the datasets after this part of the window is gone: nothing of it may
// hear their last notices.
TFormFillList::~TFormFillList()
{
    QObject::disconnect(qApp, nullptr, this, nullptr);
    for (int i = 0; i < PageCount(); ++i)
        if (PageAt(i).Source)
            PageAt(i).Source->disconnect();
    DataSourceP3->disconnect();
    for (TListGridPage* grid : gridPages_) {
        grid->disconnect();
        grid->DBGrid->disconnect(grid);
        grid->DBGrid->selectionModel()->disconnect(grid);
    }
}

void TFormFillList::buildEditMenu()
{
    smEdit = new QMenu(QStringLiteral("編輯 &Editar"), this);
    smEdit->setObjectName(QStringLiteral("smEdit"));
    QAction** items[] = {&miSelectNAdd, &miInsert, &miDelete, &miMoveUp, &miMoveDown};
    for (std::size_t i = 0; i < std::size(kEditItems); ++i) {
        const EditItem& item = kEditItems[i];
        auto* a = new QAction(QString::fromUtf8(item.caption), this);
        a->setObjectName(QString::fromLatin1(item.name));
        a->setShortcut(QKeySequence(item.key));
        a->setShortcutContext(Qt::WindowShortcut);
        auto target = item.action;
        connect(a, &QAction::triggered, this, [this, target] {
            if (TListGridPage* page = GridPageAt(ActivePage()); page && (page->*target)->isEnabled())
                (page->*target)->trigger();
        });
        smEdit->addAction(a);
        addAction(a);  // the keys work with the menu closed
        *items[i] = a;
    }
    const QList<QAction*> bar = menuBar()->actions();
    menuBar()->insertMenu(bar.size() > 1 ? bar[1] : nullptr, smEdit);
}

TListGridPage* TFormFillList::AddGridPage(const ListGridSpec& spec, DataSource& totalPagSource)
{
    auto* page = new TListGridPage(*this, dm_, spec, *DataSourceP3, totalPagSource);
    gridPages_.push_back(page);
    connect(page, &TListGridPage::actionsChanged, this, &TFormFillList::RefreshListActions);
    connect(&page->Source(), &DataSource::stateChanged, this, &TFormFillList::RefreshListActions);
    RefreshListActions();
    return page;
}

TListGridPage* TFormFillList::GridPageAt(int page) const
{
    for (TListGridPage* p : gridPages_)
        if (p->Spec().page == page)
            return p;
    return nullptr;
}

bool TFormFillList::PostObservations()
{
    if (DataSourceP3->editing())
        DataSourceP3->post();
    else if (observations_.editing())
        observations_.post();  // its edits detached: posted all the same, so nothing is left behind
    return !observations_.editing();
}

bool TFormFillList::PostInOrder(std::initializer_list<std::pair<QAction*, const DataSource*>> posts)
{
    for (const auto& [post, source] : posts) {
        if (post->isEnabled())
            post->trigger();
        if (source->editing())
            return false;
    }
    return true;
}

void TFormFillList::ShowPrintDialog(DataSource& quiet, int pageCode, int pagNum, int faceNum)
{
    PrintDialogPort* dialog = PrintDialog();
    if (!dialog)
        return;
    qx::ClientDataSet& ds = *quiet.dataSet();
    const int recNo = ds.recNo();
    quiet.setEnabled(false);
    struct Restore {
        DataSource& source;
        qx::ClientDataSet& ds;
        int recNo;
        ~Restore()
        {
            source.setEnabled(true);
            if (recNo >= 1 && ds.active())
                ds.setRecNo(recNo);
        }
    } restore{quiet, ds, recNo};
    if (pagNum > 0)
        dialog->SetSheet(pagNum, faceNum);
    dialog->SetPageCode(pageCode);
    dialog->ShowModal();
}

// ---------------------------------------------------------------- menus

void TFormFillList::pointFileMenu(bool toObservations)
{
    observationsEntered_ = toObservations;
    RefreshListActions();
}

void TFormFillList::RefreshListActions()
{
    if (ownPosts_.empty())
        return;
    for (int i = 0; i < PageCount(); ++i) {
        if (!ownPosts_[std::size_t(i)])
            continue;
        const bool editing = PageAt(i).Source->editing();
        ownPosts_[std::size_t(i)]->setEnabled(editing);
        ownCancels_[std::size_t(i)]->setEnabled(editing);
    }
    const bool observing = DataSourceP3->editing() || observations_.editing();
    DataSetPostP3->setEnabled(observing);
    DataSetCancelP3->setEnabled(observing);
    // With an observation edit entered the File menu acts on the observations; its cancel only
    // while they have an edit to cancel, else on the page's list, so that a row its checks
    // refuse can always be cancelled (and the editor closed).
    for (int i = 0; i < PageCount(); ++i) {
        const bool observed = observationsEntered_ && i == ActivePage() && GridPageAt(i);
        PageAt(i).DataSetPost = observed ? DataSetPostP3 : ownPosts_[std::size_t(i)];
        PageAt(i).DataSetCancel = observed && observing ? DataSetCancelP3 : ownCancels_[std::size_t(i)];
    }
    const int active = ActivePage();
    if (active < 0)
        return;
    Page& page = PageAt(active);
    miPost->setEnabled(page.DataSetPost && page.DataSetPost->isEnabled());
    miCancel->setEnabled(page.DataSetCancel && page.DataSetCancel->isEnabled());
    TListGridPage* grid = GridPageAt(active);
    smEdit->setEnabled(grid != nullptr);
    QAction* items[] = {miSelectNAdd, miInsert, miDelete, miMoveUp, miMoveDown};
    for (std::size_t i = 0; i < std::size(kEditItems); ++i)
        items[i]->setEnabled(grid && (grid->*kEditItems[i].action)->isEnabled());
}

// ---------------------------------------------------------------- pages, focus, keys, close

bool TFormFillList::leavePage(int from)
{
    if (!PostObservations())
        return false;
    const bool allowed = PageControlChanging(from);
    if (!allowed)
        if (TListGridPage* grid = GridPageAt(from))
            grid->KeepRefusedRow();
    return allowed;
}

void TFormFillList::pageChanged()
{
    if (FormShown)
        PostObservations();
    pointFileMenu(false);
    if (TListGridPage* grid = GridPageAt(ActivePage()); grid && FormShown) {
        if (grid->List().active() && grid->List().recordCount() <= 1 && observations_.active() && !observations_.editing())
            observations_.first();
        grid->DBGrid->setFocus(Qt::OtherFocusReason);
    }
}

void TFormFillList::focusChanged(QWidget* old, QWidget* now)
{
    if (!now || now->window() != this || !isVisible())
        return;
    RunGuarded([&] {
        for (TListGridPage* grid : gridPages_) {
            const bool wasIn = grid->InGrid(old);
            const bool isIn = grid->InGrid(now);
            if (wasIn && !isIn && !grid->GridExit())
                return;
            if (!wasIn && isIn) {
                PostObservations();
                pointFileMenu(false);
            }
            if (grid->IsObsEdit(now) && !observationsEntered_)
                pointFileMenu(true);
        }
    });
}

bool TFormFillList::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        auto* widget = qobject_cast<QWidget*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        if (widget && widget == QApplication::focusWidget() && widget->window() == this) {
            if (event->type() == QEvent::ShortcutOverride && isEditKey(key))
                return true;  // left unaccepted: the Edit menu's key runs, not the edit's own
            if (const int step = columnStep(key); event->type() == QEvent::KeyPress && step != 0)
                for (TListGridPage* grid : gridPages_)
                    if (grid->InGrid(widget)) {
                        RunGuarded([&] { grid->GridColumnKey(step); });
                        return true;
                    }
        }
    }
    return TFormFill::eventFilter(watched, event);
}

void TFormFillList::closeEvent(QCloseEvent* event)
{
    bool mayClose = false;
    RunGuarded([&] { mayClose = PostObservations() && FormCloseQuery(); });
    if (!mayClose) {
        for (TListGridPage* grid : gridPages_)
            grid->KeepRefusedRow();
        CloseRefused();
        event->ignore();
        return;
    }
    TFormFill::closeEvent(event);
}

void TFormFillList::showEvent(QShowEvent* event)
{
    TFormFill::showEvent(event);
    RunGuarded([this] { pageChanged(); });
}
