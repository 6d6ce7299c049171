#include "ui/framework/TFormFill.h"

#include "core/module/TdmMain.h"
#include "core/msgdlg/EditColors.h"
#include "core/util/Clock.h"
#include "platform/widgets/DataAware.h"
#include "platform/widgets/DataCheckBox.h"
#include "platform/widgets/DataEdit.h"
#include "platform/widgets/DataSource.h"
#include "platform/widgets/DataText.h"
#include "platform/widgets/ScreenFonts.h"
#include "platform/widgets/WidgetColor.h"
#include "ui/framework/EditorTabs.h"
#include "ui/framework/FocusScroll.h"
#include "ui/framework/HandlerGuard.h"
#include "ui/framework/PagePictureLabel.h"
#include "ui/framework/TFrameDBGridAlert.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

CalendarPort* TFormFill::calendar_ = nullptr;
PrintDialogPort* TFormFill::printDialog_ = nullptr;

namespace {

const QColor kEditBackground(0xFF, 0xFF, 0x80);
const QColor kFlashRed(0xFF, 0x00, 0x00);
const QColor kFlashLime(0x00, 0xFF, 0x00);

// The window's own keys: sent to the window even where a focused control has a use for them.
const QKeySequence kWindowKeys[] = {QKeySequence(Qt::CTRL | Qt::Key_S), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C),
                                    QKeySequence(Qt::CTRL | Qt::Key_P), QKeySequence(Qt::CTRL | Qt::Key_3),
                                    QKeySequence(Qt::ALT | Qt::Key_F4)};

bool isWindowKey(const QKeyEvent* e)
{
    const QKeySequence pressed(e->keyCombination());
    for (const QKeySequence& k : kWindowKeys)
        if (pressed.matches(k) == QKeySequence::ExactMatch)
            return true;
    return false;
}

bool isMemo(const QWidget* w)
{
    return qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w);
}

// A grid, or a cell editor inside one.
bool isInGrid(const QWidget* w)
{
    for (; w; w = w->parentWidget())
        if (qobject_cast<const QAbstractItemView*>(w))
            return true;
    return false;
}

bool takesEnterExitColors(const QWidget* w)
{
    return qobject_cast<const DataEdit*>(w) || qobject_cast<const DataCheckBox*>(w);
}

QString pageName(const char* prefix, int index, const char* suffix = "")
{
    return QString::fromLatin1(prefix) + QString::number(index + 1) + QString::fromLatin1(suffix);
}

}  // namespace

void TFormFill::SetCalendar(CalendarPort* calendar) { calendar_ = calendar; }

void TFormFill::SetPrintDialog(PrintDialogPort* printDialog) { printDialog_ = printDialog; }

// FormCreate: every data source disabled until the first show, page 1 active, scroll boxes at
// their origin.
TFormFill::TFormFill(EditorSpec spec, QWidget* parent) : QMainWindow(parent), spec_(std::move(spec))
{
    InstallWidgetErrorShow();
    setWindowTitle(spec_.caption);
    setFont(DesignFontPixels(QStringLiteral("Arial"), 13));
    SetWidgetColor(*this, QPalette::WindowText, Qt::blue);

    PageControl = new EditorTabs(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setTabPosition(QTabWidget::South);
    setCentralWidget(PageControl);
    pages_.resize(spec_.pages.size());
    for (int i = 0; i < int(pages_.size()); ++i)
        buildPage(i);
    buildMenu();
    setStatusBar(new QStatusBar(this));

    TimerAutoFlash = new QTimer(this);
    TimerAutoFlash->setInterval(200);
    connect(TimerAutoFlash, &QTimer::timeout, this, [this] { RunGuarded([this] { TimerAutoFlashTimer(); }); });

    PageControl->mayLeave = [this](int from, int) {
        bool allowed = false;
        RunGuarded([&] { allowed = PageControlChanging(from); });
        return allowed;
    };
    connect(PageControl, &QTabWidget::currentChanged, this, [this] { RunGuarded([this] { PageControlChange(); }); });
    PageControl->setCurrentIndex(0);
    for (Page& page : pages_)
        ResetScrollBars(page.ScrollBox);
    updateActions();
}

TFormFill::~TFormFill()
{
    // Nothing may call back into the editor while its widgets go: the window's own closing and
    // the children's last signals would reach a half-destroyed object.
    qApp->removeEventFilter(this);
    qApp->disconnect(this);
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
    // The datasets outlive the editor: its sources let go of them.
    for (Page& page : pages_)
        if (page.Source)
            page.Source->setDataSet(nullptr);
    for (DataSource* s : extraSources_)
        s->setDataSet(nullptr);
}

void TFormFill::buildPage(int index)
{
    Page& page = pages_[std::size_t(index)];
    page.spec = spec_.pages[std::size_t(index)];
    page.TabSheet = new QWidget(PageControl);
    page.TabSheet->setObjectName(pageName("TabSheetP", index));
    auto* layout = new QVBoxLayout(page.TabSheet);
    layout->setContentsMargins(4, 4, 4, 4);

    page.ScrollBox = new QScrollArea;
    page.ScrollBox->setObjectName(pageName("ScrollBoxP", index));
    page.ScrollBox->setWidgetResizable(false);
    page.ScrollBox->setFrameShape(QFrame::NoFrame);
    SetWidgetColor(*page.ScrollBox, QPalette::Window, page.spec.background);
    page.ScrollBox->setBackgroundRole(QPalette::Window);
    // A click on the bare page or on one of its buttons leaves the focus where it is: neither the
    // canvas nor the scroll box takes it (an auto-calc button hands it to the canvas itself).
    page.ScrollBox->setFocusPolicy(Qt::NoFocus);
    page.Content = new QWidget;
    page.Content->setFocusPolicy(Qt::NoFocus);
    // A picture given decoded is held by its loader alone (its pixmap shares the pixels).
    const QImage given = std::exchange(page.spec.picture, QImage());
    spec_.pages[std::size_t(index)].picture = QImage();
    const QSize pictureSize = given.isNull() ? page.spec.pictureSize : given.size();
    std::function<QImage()> load = page.spec.loadPicture;
    if (!given.isNull())
        load = [given] { return given; };
    page.ImageForm = new PagePictureLabel(std::move(load), pictureSize, page.Content);
    page.ImageForm->setObjectName(pageName("ImageFormP", index));
    page.Content->resize(pictureSize.expandedTo(QSize(1, 1)));
    page.ScrollBox->setWidget(page.Content);

    if (!page.spec.dataSet) {
        layout->addWidget(page.ScrollBox);
    } else {
        page.Source = new DataSource(this);
        page.Source->setObjectName(pageName("DataSourceP", index));
        page.Source->setDataSet(page.spec.dataSet);
        page.Source->setEnabled(false);
        connect(page.Source, &DataSource::stateChanged, this, &TFormFill::updateActions);

        page.Panel = new QSplitter(Qt::Vertical);
        page.Panel->setObjectName(pageName("SplitterP", index, "Alert"));
        page.Panel->setHandleWidth(5);
        page.Panel->setChildrenCollapsible(false);
        page.Panel->addWidget(page.ScrollBox);
        page.FrameDBGridAlert = new TFrameDBGridAlert;
        page.FrameDBGridAlert->setObjectName(pageName("FrameDBGridAlertP", index));
        page.FrameDBGridAlert->setMinimumHeight(50);
        page.FrameDBGridAlert->PageDataSetOf = [this](int code) -> qx::ClientDataSet* {
            for (const Page& pg : pages_)
                if (pg.spec.pageCode == code && pg.spec.dataSet)
                    return pg.spec.dataSet;
            return AlertPageDataSet(code);
        };
        page.FrameDBGridAlert->OnCellClick = [this, index](int column) { AlertCellClick(index, column); };
        page.Panel->addWidget(page.FrameDBGridAlert);
        page.Panel->setStretchFactor(0, 1);
        page.Panel->setStretchFactor(1, 0);
        page.Panel->setSizes({100000, page.FrameDBGridAlert->HeightForWholeRows(spec_.alertHeight)});
        page.SplitterAlert = page.Panel->handle(1);
        layout->addWidget(page.Panel);

        const QString n = QString::number(index + 1);
        page.DataSetPost = new QAction(QStringLiteral("確定 &Aceitar"), this);
        page.DataSetPost->setObjectName(QStringLiteral("DataSetPostP") + n);
        connect(page.DataSetPost, &QAction::triggered, this, [this, index] {
            RunGuarded([&] {
                pages_[std::size_t(index)].Source->post();
                // What the window's repaint after a post shows: values this page takes from
                // pages that its own lines feed (Anexo B's VIII.5 from Anexo A's I.15) at once.
                refreshShownPages();
            });
        });
        page.DataSetCancel = new QAction(QStringLiteral("取消 &Cancelar"), this);
        page.DataSetCancel->setObjectName(QStringLiteral("DataSetCancelP") + n);
        connect(page.DataSetCancel, &QAction::triggered, this, [this, index] {
            RunGuarded([&] {
                Page& pg = pages_[std::size_t(index)];
                if (pg.Source->editing())
                    pg.spec.dataSet->cancel();
            });
        });
    }
    if (page.spec.printable) {
        page.ActionPrint = new QAction(spec_.printA3 ? QStringLiteral("列印 &Imprimir (A4)") : QStringLiteral("列印 &Imprimir"), this);
        page.ActionPrint->setObjectName(pageName("ActionPrintP", index));
        connect(page.ActionPrint, &QAction::triggered, this, [this, index] { RunGuarded([&] { ActionPrintExecute(index, false); }); });
        if (spec_.printA3) {
            page.ActionPrintA3 = new QAction(QStringLiteral("列印 Imprimir (A&3)"), this);
            page.ActionPrintA3->setObjectName(pageName("ActionPrintP", index, "A3"));
            connect(page.ActionPrintA3, &QAction::triggered, this, [this, index] { RunGuarded([&] { ActionPrintExecute(index, true); }); });
        }
    }
    PageControl->addTab(page.TabSheet, page.spec.tab);
}

// The File items act on the active page: the window holds one action per item (so each key
// is registered once), which runs the active page's own action.
void TFormFill::buildMenu()
{
    auto proxy = [this](const QString& text, const QKeySequence& key, QAction* Page::*target) {
        auto* a = new QAction(text, this);
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, [this, target] {
            if (ActivePage() < 0)
                return;
            if (QAction* own = pages_[std::size_t(ActivePage())].*target; own && own->isEnabled())
                own->trigger();
        });
        return a;
    };
    fileMenu_ = menuBar()->addMenu(QStringLiteral("檔案 &Ficheiro"));
    miPost = proxy(QStringLiteral("確定 &Aceitar"), QKeySequence(Qt::CTRL | Qt::Key_S), &Page::DataSetPost);
    miCancel = proxy(QStringLiteral("取消 &Cancelar"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C), &Page::DataSetCancel);
    miPrint = proxy(spec_.printA3 ? QStringLiteral("列印 &Imprimir (A4)") : QStringLiteral("列印 &Imprimir"),
                    QKeySequence(Qt::CTRL | Qt::Key_P), &Page::ActionPrint);
    fileMenu_->addAction(miPost);
    fileMenu_->addAction(miCancel);
    fileMenu_->addSeparator();
    fileMenu_->addAction(miPrint);
    if (spec_.printA3) {
        miPrintA3 = proxy(QStringLiteral("列印 Imprimir (A&3)"), QKeySequence(Qt::CTRL | Qt::Key_3), &Page::ActionPrintA3);
        fileMenu_->addAction(miPrintA3);
    }
    fileMenu_->addSeparator();
    ActionClose = new QAction(QStringLiteral("退出 &Sair"), this);
    ActionClose->setObjectName(QStringLiteral("ActionClose"));
    ActionClose->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(ActionClose, &QAction::triggered, this, [this] { RunGuarded([this] { ActionCloseExecute(); }); });
    fileMenu_->addAction(ActionClose);
    for (const JumpActionSpec& jump : kJumpActions) {
        auto* a = new QAction(QString::fromUtf8(jump.caption), this);
        a->setObjectName(QString::fromLatin1(jump.name));
        const int code = jump.formCode;
        connect(a, &QAction::triggered, this, [this, code] { RunGuarded([&] { ActionFillExecute(code); }); });
        JumpActions.push_back(a);
        if (code != spec_.formCode)
            menuBar()->addAction(a);
    }
}

DataSource* TFormFill::AddDataSource(qx::ClientDataSet* dataSet)
{
    auto* source = new DataSource(this);
    source->setDataSet(dataSet);
    source->setEnabled(false);
    extraSources_.push_back(source);
    return source;
}

DataEdit* TFormFill::AddEdit(int page, const QString& field, const QRect& box)
{
    Page& pg = pages_[std::size_t(page)];
    auto* edit = new DataEdit(pg.Content);
    edit->setFont(DesignFontPixels(QStringLiteral("Courier New"), 13));
    SetWidgetColor(*edit, QPalette::Base, kEditBackground);
    SetWidgetColor(*edit, QPalette::Text, Qt::blue);
    edit->setGeometry(box);
    edit->setDataSource(pg.Source);
    edit->setDataField(field);
    // A key the box cannot take (beyond its length) is refused aloud, not dropped unheard.
    connect(edit, &QLineEdit::inputRejected, this, [] { Beep(); });
    if (field.compare(pg.spec.firstField, Qt::CaseInsensitive) == 0)
        pg.First = edit;
    if (field.compare(pg.spec.lastField, Qt::CaseInsensitive) == 0)
        pg.Last = edit;
    return edit;
}

DataText* TFormFill::AddText(int page, const QString& field, const QRect& box, DataSource* source)
{
    Page& pg = pages_[std::size_t(page)];
    auto* text = new DataText(pg.Content);
    QFont font = DesignFontPixels(QStringLiteral("Courier New"), 13);
    font.setBold(true);
    text->setFont(font);
    SetWidgetColor(*text, QPalette::WindowText, Qt::blue);
    text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    text->setGeometry(box);
    if (box.width() > 0)
        text->setMaximumWidth(box.width());  // grows with its value up to its box, never over the next
    text->setDataSource(source ? source : pg.Source);
    text->setDataField(field);
    return text;
}

DataCheckBox* TFormFill::AddCheckBox(int page, const QString& field, const QRect& box)
{
    Page& pg = pages_[std::size_t(page)];
    auto* box_ = new DataCheckBox(pg.Content);
    box_->setAutoFillBackground(true);
    SetWidgetColor(*box_, QPalette::Window, kEditBackground);
    box_->setGeometry(box);
    box_->setDataSource(pg.Source);
    box_->setDataField(field);
    return box_;
}

QToolButton* TFormFill::AddDateButton(int page, DataEdit* edit, const QRect& box)
{
    auto* button = new QToolButton(pages_[std::size_t(page)].Content);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(box);
    QPointer<DataEdit> target(edit);
    connect(button, &QToolButton::clicked, this, [this, target] {
        if (target)
            RunGuarded([&] { DateButtonClick(target); });
    });
    return button;
}

QToolButton* TFormFill::AddAutoCalcButton(int page, AutoCalcButton calc, const QRect& box)
{
    auto* button = new QToolButton(pages_[std::size_t(page)].Content);
    button->setToolTip(QStringLiteral("自動計算"));
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(box);
    connect(button, &QToolButton::clicked, this, [this, button, calc] { RunGuarded([&] { AutoCalcClick(button, calc); }); });
    return button;
}

int TFormFill::PrintPageCode(int page, bool) const
{
    return pages_[std::size_t(page)].spec.pageCode;
}

void TFormFill::ReleasePagePictures()
{
    for (Page& page : pages_)
        page.ImageForm->ReleasePicture();
}

int TFormFill::ActivePage() const
{
    return PageControl ? PageControl->currentIndex() : -1;
}

int TFormFill::ShowModal()
{
    setWindowModality(Qt::ApplicationModal);
    showMaximized();
    QEventLoop loop;
    loop_ = &loop;
    if (isVisible())
        loop.exec(QEventLoop::DialogExec);
    loop_ = nullptr;
    // A closed window would keep its backing store, as large as the screen (on X11 a segment
    // shared with the server): it shrinks to a pixel, and the next show sizes it again.
    if (!isVisible())
        if (QBackingStore* store = backingStore())
            store->resize(QSize(1, 1));
    return NextFormCode;
}

// ---------------------------------------------------------------- bringing pages up to date

void TFormFill::RecalcPage(qx::ClientDataSet& dataSet)
{
    if (!dmMain)
        return;
    QString visited;
    dmMain->RecalcDataSet(dataSet, visited);
}

void TFormFill::recalcPages()
{
    for (Page& page : pages_)
        if (page.spec.dataSet)
            RecalcPage(*page.spec.dataSet);
}

void TFormFill::rereadPage(Page& page)
{
    if (!page.Source || page.Source->state() != qx::DataSetState::Browse)
        return;
    qx::ClientDataSet& ds = *page.spec.dataSet;
    const int recNo = ds.recNo();
    ds.first();
    ds.setRecNo(recNo);
}

// Once per run, at the first show: the alert frames follow their pages, the report bands are
// bound by position, and the first box of page 1 takes the focus.
void TFormFill::bindFirstShow()
{
    for (Page& page : pages_) {
        if (!page.FrameDBGridAlert)
            continue;
        page.FrameDBGridAlert->Splitter = page.SplitterAlert;
        page.FrameDBGridAlert->ObjCode = page.spec.pageCode;
        page.FrameDBGridAlert->BindToPage();
    }
    if (printDialog_)
        for (Page& page : pages_)
            if (!page.spec.reportBand.isEmpty())
                printDialog_->BindReportFields(*page.ScrollBox, page.spec.reportForm, page.spec.reportBand,
                                               page.spec.minLeft, page.spec.maxLeft);
    if (!pages_.empty() && pages_[0].spec.dataSet && !pages_[0].spec.firstField.isEmpty())
        FocusField(*pages_[0].spec.dataSet, pages_[0].spec.firstField);
    FirstPaint = false;
}

void TFormFill::FormShow()
{
    FormShown = true;
    NextFormCode = 0;
    if (updating_)
        return;
    updating_ = true;
    RunGuarded([this] {
        for (Page& page : pages_)
            if (page.Source)
                page.Source->setEnabled(true);
        for (DataSource* s : extraSources_)
            s->setEnabled(true);
        for (QWidget* w : findChildren<QWidget*>())
            if (takesEnterExitColors(w) && w != focusWidget())
                SetExitColors(w);
        if (FirstPaint)
            bindFirstShow();
        PageControlChange();
        recalcPages();
    });
    updating_ = false;
}

void TFormFill::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!filterInstalled_) {
        qApp->installEventFilter(this);
        filterInstalled_ = true;
        focusConnection_ = connect(qApp, &QApplication::focusChanged, this, &TFormFill::onFocusChanged);
    }
    FormShow();
}

void TFormFill::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (filterInstalled_) {
        qApp->removeEventFilter(this);
        disconnect(focusConnection_);
        filterInstalled_ = false;
    }
    if (loop_)
        loop_->quit();
}

// Back from a dialog or another window: the pages are brought up to date.
void TFormFill::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !FormShown || FirstPaint)
        return;
    RunGuarded([this] { refreshShownPages(); });
}

// Every page recalculated after the pages that feed it, and the active page re-read when it is
// not being edited. Nothing is posted here, so a refused post cannot come back.
void TFormFill::refreshShownPages()
{
    if (updating_)
        return;
    const QScopedValueRollback<bool> busy(updating_, true);
    recalcPages();
    if (ActivePage() >= 0)
        rereadPage(pages_[std::size_t(ActivePage())]);
}

bool TFormFill::event(QEvent* event)
{
    bool handled = false;
    if (!RunGuarded([&] { handled = QMainWindow::event(event); }))
        return true;
    return handled;
}

// ---------------------------------------------------------------- keys and focus

bool TFormFill::ownsWidget(const QWidget* w) const
{
    return w && w->window() == this;
}

bool TFormFill::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!ownsWidget(widget) || widget != QApplication::focusWidget())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::ShortcutOverride)
        return isWindowKey(key);  // left unaccepted: the window's shortcut runs
    bool moved = false;
    RunGuarded([&] { moved = FormKeyDown(key); });
    // The control the walk left has no use for the key (a scroll box would scroll the page by
    // it); a grid still moves its row.
    return moved && !isInGrid(widget);
}

bool TFormFill::isPageBoundary(const QWidget* w, bool forward) const
{
    for (const Page& page : pages_)
        if (w == (forward ? static_cast<const QWidget*>(page.Last) : static_cast<const QWidget*>(page.First)))
            return true;
    return false;
}

// The controls the keys walk on the active page, in tab order: every control of the page that
// Tab would stop at, outside the page's alert frame.
std::vector<QWidget*> TFormFill::walkStops() const
{
    std::vector<QWidget*> stops;
    if (ActivePage() < 0)
        return stops;
    const Page& page = pages_[std::size_t(ActivePage())];
    auto* self = const_cast<TFormFill*>(this);
    for (QWidget* w = self->nextInFocusChain(); w && w != self; w = w->nextInFocusChain()) {
        const bool inAlerts = page.FrameDBGridAlert && page.FrameDBGridAlert->isAncestorOf(w);
        const bool tabStop = (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy();
        if (page.TabSheet->isAncestorOf(w) && !inAlerts && tabStop && w->isVisible() && w->isEnabled())
            stops.push_back(w);
    }
    return stops;
}

// Forward and back along the page's controls, stopping at the page's first and last box; from
// anywhere else in the window (a button or the bare page clicked, the alert list) the walk
// enters the page at its first box forward and at its last box back, and never leaves it.
bool TFormFill::FormKeyDown(QKeyEvent* event)
{
    QWidget* focused = QApplication::focusWidget();
    if (!ownsWidget(focused) || isMemo(focused) || (spec_.walkSkipsGrids && isInGrid(focused)))
        return false;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const int k = event->key();
    const bool forward = k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Down;
    if (!forward && k != Qt::Key_Up)
        return false;
    const std::vector<QWidget*> stops = walkStops();
    if (stops.empty())
        return false;
    const auto at = std::find(stops.begin(), stops.end(), focused);
    QWidget* next = nullptr;
    if (at == stops.end())
        next = forward ? stops.front() : stops.back();
    else if (isPageBoundary(focused, forward))
        return false;
    else if (forward && at + 1 != stops.end())
        next = *(at + 1);
    else if (!forward && at != stops.begin())
        next = *(at - 1);
    if (!next)
        return false;
    next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

// The colours and the page follow the focus as it stands once the change has been handled: a
// handler of this same change may have sent the focus on (a refused list row takes it back to
// its grid), and the box it passed through keeps no enter colour.
void TFormFill::onFocusChanged(QWidget* old, QWidget* now)
{
    RunGuarded([&] {
        QWidget* focused = QApplication::focusWidget();
        if (ownsWidget(old) && takesEnterExitColors(old) && old != focused)
            DataControlExit(old);
        if (now != focused)
            return;
        if (ownsWidget(now) && takesEnterExitColors(now))
            DataControlEnter(now);
        // The page follows a box that takes the focus; the canvas itself never scrolls it.
        if (ownsWidget(now) && ActivePage() >= 0) {
            Page& page = pages_[std::size_t(ActivePage())];
            if (now != page.Content && page.Content->isAncestorOf(now))
                ScrollFocusIntoView(*page.ScrollBox, *now);
        }
    });
}

// A control repaints itself when its colours change, so no stale colours stay behind; the page
// is not repainted as a whole (that would redraw the picture and every box on each Enter).
void TFormFill::DataControlEnter(QWidget* control)
{
    SetEnterColors(control);
}

void TFormFill::DataControlExit(QWidget* control)
{
    SetExitColors(control);
}

// ---------------------------------------------------------------- pages, close, jumps, print

// A page being edited or holding a new record is posted before it is left; the change is
// refused while it stays in either state (the error of the post is not shown).
bool TFormFill::PageControlChanging(int leaving)
{
    if (leaving < 0 || leaving >= PageCount())
        return true;
    Page& page = pages_[std::size_t(leaving)];
    if (!page.Source || !page.Source->editing())
        return true;
    try {
        page.Source->post();
    } catch (const std::exception&) {
    }
    return !page.Source->editing();
}

void TFormFill::PageControlChange()
{
    const int index = ActivePage();
    if (index < 0)
        return;
    Page& page = pages_[std::size_t(index)];
    miPost->setVisible(page.Source != nullptr);
    miCancel->setVisible(page.Source != nullptr);
    updateActions();
    if (page.Source && page.Source->editing())
        page.Source->post();
    rereadPage(page);
    if (FormShown && !updating_)
        recalcPages();
}

void TFormFill::updateActions()
{
    for (Page& page : pages_) {
        if (!page.Source)
            continue;
        page.DataSetPost->setEnabled(page.Source->editing());
        page.DataSetCancel->setEnabled(page.Source->editing());
    }
    if (!miPost || ActivePage() < 0)
        return;
    const Page& page = pages_[std::size_t(ActivePage())];
    miPost->setEnabled(page.DataSetPost && page.DataSetPost->isEnabled());
    miCancel->setEnabled(page.DataSetCancel && page.DataSetCancel->isEnabled());
    miPrint->setEnabled(page.ActionPrint != nullptr);
    if (miPrintA3)
        miPrintA3->setEnabled(page.ActionPrintA3 != nullptr);
}

bool TFormFill::allPagesPosted() const
{
    for (const Page& page : pages_)
        if (page.Source && page.Source->editing())
            return false;
    return true;
}

bool TFormFill::FormCloseQuery()
{
    // The focused control gives up the focus and takes it back: an edit writes its text.
    if (QWidget* focused = focusWidget()) {
        focused->clearFocus();
        if (!QApplication::focusWidget())
            focused->setFocus(Qt::OtherFocusReason);
    }
    StopAutoFlash();
    for (Page& page : pages_)
        if (page.Source && page.Source->editing())
            page.Source->post();
    return allPagesPosted();
}

void TFormFill::closeEvent(QCloseEvent* event)
{
    bool mayClose = false;
    RunGuarded([&] { mayClose = FormCloseQuery(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    event->accept();
    QMainWindow::closeEvent(event);
}

void TFormFill::ActionCloseExecute()
{
    close();
}

void TFormFill::ActionFillExecute(int formCode)
{
    NextFormCode = formCode;
    ActionClose->trigger();
}

void TFormFill::ActionPrintExecute(int page, bool a3)
{
    for (Page& pg : pages_) {
        if (!pg.Source)
            continue;
        if (pg.Source->editing())
            pg.Source->post();
        if (pg.Source->editing())
            return;
    }
    QCoreApplication::processEvents();
    if (!printDialog_)
        return;
    printDialog_->SetPageCode(PrintPageCode(page, a3));
    if (spec_.printA3)
        printDialog_->SetM1OnA4(!a3);
    printDialog_->ShowModal();
}

// ---------------------------------------------------------------- alerts and the flash

void TFormFill::AlertCellClick(int page, int column)
{
    Page& pg = pages_[std::size_t(page)];
    const QString fieldName = pg.FrameDBGridAlert->CurrentFieldName();
    if (!fieldName.isEmpty()) {
        for (QObject* child : pg.Content->children()) {
            auto* text = qobject_cast<DataText*>(child);
            if (text && text->dataField().compare(fieldName, Qt::CaseInsensitive) == 0) {
                StartAutoFlash(text, 20);
                pg.ScrollBox->ensureWidgetVisible(text);
                return;
            }
        }
    }
    pg.FrameDBGridAlert->DBGridAlertCellClick(column);
}

void TFormFill::StartAutoFlash(DataText* control, int ticks)
{
    StopAutoFlash();
    FlashControl = control;
    control->setTransparent(false);
    FlashTicksLeft = ticks;
    TimerAutoFlash->start();
}

void TFormFill::TimerAutoFlashTimer()
{
    if (!FlashControl)
        return;
    if (FlashTicksLeft == 0) {
        StopAutoFlash();
        return;
    }
    --FlashTicksLeft;
    FlashControl->setBackgroundColor(FlashControl->backgroundColor() == kFlashRed ? kFlashLime : kFlashRed);
    if (FlashControl->transparent())
        FlashControl->setTransparent(false);
}

void TFormFill::StopAutoFlash()
{
    if (!FlashControl)
        return;
    FlashTicksLeft = 0;
    TimerAutoFlash->stop();
    FlashControl->setTransparent(true);
    FlashControl = nullptr;
}

void TFormFill::ResetScrollBars(QScrollArea* scrollBox)
{
    scrollBox->horizontalScrollBar()->setValue(0);
    scrollBox->verticalScrollBar()->setValue(0);
}

// ---------------------------------------------------------------- buttons

// The button takes no focus, so the text being typed is written here, as leaving its box writes
// it: the calendar opens on the date typed, and a refused text keeps its box and stops here.
void TFormFill::DateButtonClick(DataEdit* edit)
{
    edit->setFocus(Qt::OtherFocusReason);
    QWidget* focused = QApplication::focusWidget();
    if ((focused && focused != edit && ownsWidget(focused)) || !edit->commit())
        return;
    if (calendar_)
        calendar_->ShowFor(*edit);
}

void TFormFill::AutoCalcClick(QWidget* button, const AutoCalcButton& calc)
{
    QWidget* canvas = button->parentWidget();
    canvas->setFocus(Qt::OtherFocusReason);
    if (QApplication::focusWidget() && QApplication::focusWidget() != canvas && ownsWidget(QApplication::focusWidget()))
        return;  // the edit refused its text and kept the focus
    for (Page& page : pages_) {
        if (page.Content != canvas || !page.spec.dataSet)
            continue;
        FocusField(*page.spec.dataSet, calc.targetField);
    }
    for (qx::ClientDataSet* source : calc.sources)
        RecalcPage(*source);
    if (calc.apply)
        calc.apply();
}
