#pragma once
// The editor base class: one window over the pages of a paper form, configured by EditorSpec.
//   Window: a menu ("檔案 &Ficheiro" with Post, Cancel, Print, Exit, then one item per other
//   form), the page control with tabs at the bottom, per data page a scroll box holding the page
//   picture and the data controls over it, a splitter and the page's alert frame; a status bar.
//   Controls are added with AddEdit/AddText/AddCheckBox/AddDateButton/AddAutoCalcButton in tab
//   order. Shown modally with ShowModal() (no QDialog: Esc and Enter keep their walk meaning);
//   NextFormCode tells the main window which form to open next.
//   Protocols: the key walk (Enter and Down forward, Up back, along the active page's boxes
//   only, stopping at a page's first and last box), enter and exit colours, the page change
//   (post; refused while the page stays in edit or insert), the close (every page posted), the jumps, the print (up to the print dialog), the
//   alert click with the flash, date and auto-calc buttons.
//   Pages are brought up to date on show, on activation, on page change and on return from a
//   dialog, never while painting. Every handler runs under the last-resort catch.

#include "ui/framework/EditorPorts.h"
#include "ui/framework/EditorDescription.h"

#include <QMainWindow>
#include <QPointer>
#include <vector>

class DataCheckBox;
class DataEdit;
class DataSource;
class DataText;
class EditorTabs;
class PagePictureLabel;
class QAction;
class QEventLoop;
class QMenu;
class QScrollArea;
class QSplitter;
class QTimer;
class QToolButton;
class TFrameDBGridAlert;

class TFormFill : public QMainWindow {
    Q_OBJECT
public:
    struct Page {
        EditorPageSpec spec;
        QWidget* TabSheet = nullptr;
        QSplitter* Panel = nullptr;
        QScrollArea* ScrollBox = nullptr;
        QWidget* Content = nullptr;        // the scroll box's canvas: the picture and the controls
        PagePictureLabel* ImageForm = nullptr;  // decoded when the page first shows
        QWidget* SplitterAlert = nullptr;  // the splitter's handle above the alert frame
        TFrameDBGridAlert* FrameDBGridAlert = nullptr;
        DataSource* Source = nullptr;
        QAction* DataSetPost = nullptr;
        QAction* DataSetCancel = nullptr;
        QAction* ActionPrint = nullptr;
        QAction* ActionPrintA3 = nullptr;
        DataEdit* First = nullptr;
        DataEdit* Last = nullptr;
    };

    explicit TFormFill(EditorSpec spec, QWidget* parent = nullptr);
    ~TFormFill() override;

    // The pieces other windows reach.
    static void SetCalendar(CalendarPort* calendar);
    static void SetPrintDialog(PrintDialogPort* printDialog);
    static PrintDialogPort* PrintDialog() { return printDialog_; }

    int NextFormCode = 0;
    bool FirstPaint = true;
    bool FormShown = false;
    DataText* FlashControl = nullptr;
    int FlashTicksLeft = 0;  // the timer's Tag

    EditorTabs* PageControl = nullptr;
    QTimer* TimerAutoFlash = nullptr;
    QAction* ActionClose = nullptr;
    QAction* miPost = nullptr;
    QAction* miCancel = nullptr;
    QAction* miPrint = nullptr;
    QAction* miPrintA3 = nullptr;
    std::vector<QAction*> JumpActions;  // in kJumpActions order

    const EditorSpec& Spec() const { return spec_; }
    int PageCount() const { return int(pages_.size()); }
    Page& PageAt(int index) { return pages_[std::size_t(index)]; }
    int ActivePage() const;

    // ---- building the pages (in tab order) ----
    DataEdit* AddEdit(int page, const QString& field, const QRect& box);
    DataText* AddText(int page, const QString& field, const QRect& box, DataSource* source = nullptr);
    DataCheckBox* AddCheckBox(int page, const QString& field, const QRect& box);
    QToolButton* AddDateButton(int page, DataEdit* edit, const QRect& box);
    QToolButton* AddAutoCalcButton(int page, AutoCalcButton button, const QRect& box);
    // A further data source (the header boxes' DataSourceM1P1): disabled until the first show.
    DataSource* AddDataSource(qx::ClientDataSet* dataSet);

    // Lets go of the decoded page pictures of the pages not on screen (the folder has closed);
    // each is decoded again when its page next shows.
    void ReleasePagePictures();

    // Shows the window modally in its own event loop; returns NextFormCode.
    int ShowModal();

    // ---- the handlers ----
    void FormShow();
    // The key walk; true when the key moved the focus.
    bool FormKeyDown(QKeyEvent* event);
    bool FormCloseQuery();
    bool PageControlChanging(int leaving);
    void PageControlChange();
    void ActionCloseExecute();
    void ActionFillExecute(int formCode);
    void ActionPrintExecute(int page, bool a3);
    void DataControlEnter(QWidget* control);
    void DataControlExit(QWidget* control);
    void AlertCellClick(int page, int column);
    void TimerAutoFlashTimer();
    void ResetScrollBars(QScrollArea* scrollBox);
    void StartAutoFlash(DataText* control, int ticks);
    void StopAutoFlash();
    void DateButtonClick(DataEdit* edit);
    void AutoCalcClick(QWidget* button, const AutoCalcButton& calc);

protected:
    // Brings one page dataset up to date after the pages it reads (the data module's
    // RecalcDataSet with a fresh visited list).
    virtual void RecalcPage(qx::ClientDataSet& dataSet);
    // The page code the print dialog opens on for a print from `page` (by default the page's own).
    virtual int PrintPageCode(int page, bool a3) const;

    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    void buildPage(int index);
    void bindFirstShow();
    void recalcPages();
    void rereadPage(Page& page);
    void refreshShownPages();
    void updateActions();
    void onFocusChanged(QWidget* old, QWidget* now);
    bool ownsWidget(const QWidget* w) const;
    bool isPageBoundary(const QWidget* w, bool forward) const;
    std::vector<QWidget*> walkStops() const;
    bool allPagesPosted() const;

    EditorSpec spec_;
    std::vector<Page> pages_;
    std::vector<DataSource*> extraSources_;
    QMenu* fileMenu_ = nullptr;
    QEventLoop* loop_ = nullptr;
    bool updating_ = false;
    bool filterInstalled_ = false;
    QMetaObject::Connection focusConnection_;

    static CalendarPort* calendar_;
    static PrintDialogPort* printDialog_;
};
