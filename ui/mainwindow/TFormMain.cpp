#include "ui/mainwindow/TFormMain.h"

#include "core/calc/SectorOf.h"
#include "core/check/StoredText.h"
#include "core/msgdlg/MonitorFit.h"
#include "core/util/Clock.h"
#include "core/util/PlainMessage.h"
#include "core/util/Registry.h"
#include "platform/widgets/DataSource.h"
#include "platform/widgets/ScreenFonts.h"
#include "ui/dialogs/TFormSelectFolder.h"
#include "ui/dialogs/TFormSelectSector.h"
#include "ui/mainwindow/BrowseForFolder.h"
#include "ui/mainwindow/EditorRoutes.h"
#include "ui/mainwindow/EditorWindow.h"
#include "ui/mainwindow/MouseWheelToKeys.h"
#include "ui/mainwindow/OpenFolderSteps.h"
#include "ui/mainwindow/TFormAbout.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <exception>

namespace {

struct ActionSpec {
    QAction* TFormMain::*action;
    const char* name;
    const char16_t* caption;
    int image;  // -1: none
    void (TFormMain::*handler)();
};

const ActionSpec kActions[] = {
    {&TFormMain::ActionSelectFolder, "ActionSelectFolder", u"開啟表格資料夾 &Abrir a Pasta do Modelo", 0,
     &TFormMain::ActionSelectFolderExecute},
    {&TFormMain::ActionSaveAll, "ActionSaveAll", u"儲存 &Gravar", 1, &TFormMain::ActionSaveAllExecute},
    {&TFormMain::ActionSaveAndCloseAll, "ActionSaveAndCloseAll", u"關閉 &Fechar", 2,
     &TFormMain::ActionSaveAndCloseAllExecute},
    {&TFormMain::ActionQuit, "ActionQuit", u"結束 Sair", 3, &TFormMain::ActionQuitExecute},
    {&TFormMain::ActionFillM1, "ActionFillM1", u"M/1 格式 Modelo M/&1", 4, &TFormMain::ActionFillM1Execute},
    {&TFormMain::ActionFillAnexoA, "ActionFillAnexoA", u"附件 A Anexo &A", 5, &TFormMain::ActionFillAnexoAExecute},
    {&TFormMain::ActionFillAnexoB, "ActionFillAnexoB", u"附件 B Anexo &B", 6, &TFormMain::ActionFillAnexoBExecute},
    {&TFormMain::ActionFillM3, "ActionFillM3", u"M/3 格式 Modelo M/&3", 7, &TFormMain::ActionFillM3Execute},
    {&TFormMain::ActionFillM3A, "ActionFillM3A", u"M/3A 格式 Modelo &M/3A", 8, &TFormMain::ActionFillM3AExecute},
    {&TFormMain::ActionFillM4, "ActionFillM4", u"M/4 格式 Modelo M/&4", 9, &TFormMain::ActionFillM4Execute},
    {&TFormMain::ActionSelectSector, "ActionSelectSector", u"選擇納稅人所屬行業 &Sector", -1,
     &TFormMain::ActionSelectSectorExecute},
    {&TFormMain::ActionSetEditMode, "ActionSetEditMode", u"ActionSetEditMode", -1,
     &TFormMain::ActionSetEditModeExecute},
    {&TFormMain::OpenFormFolder21, "OpenFormFolder21", u"開啟表格資料夾 &Abrir a Pasta do Modelo (2)", -1,
     &TFormMain::OpenFormFolder21Click},
    {&TFormMain::Sobre1, "Sobre1", u"關於 Sobre ...", 10, &TFormMain::Sobre1Click},
};

// Why Save is off, and what Close does instead, in a folder nobody can save into.
const char16_t kReadOnlySaveTip[] = u"資料夾是唯讀的，不能儲存 A pasta é só de leitura: nada pode ser gravado";
const char16_t kReadOnlyCloseTip[] = u"關閉資料夾，不儲存(資料夾是唯讀的) Fecha a pasta sem gravar (a pasta é só de leitura)";

// Enabled only while a folder is open.
constexpr QAction* TFormMain::*kFolderActions[] = {
    &TFormMain::ActionFillM1, &TFormMain::ActionFillAnexoA, &TFormMain::ActionFillAnexoB, &TFormMain::ActionFillM3,
    &TFormMain::ActionFillM3A, &TFormMain::ActionFillM4, &TFormMain::ActionSaveAll, &TFormMain::ActionSaveAndCloseAll,
};

struct StatusPanelSpec {
    int width;
    Qt::Alignment alignment;
    const char16_t* text;
};

const StatusPanelSpec kStatusPanels[] = {
    {65, Qt::AlignCenter, u"版本 Ver."},
    {110, Qt::AlignCenter, u""},
    {160, Qt::AlignCenter, u"表格資料夾 Pasta do Modelo"},
    {60, Qt::AlignLeft | Qt::AlignVCenter, u""},
};

// The hourglass until the end of the scope, whatever happens.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

TFormMain::TFormMain(const QString& programVersion, QWidget* parent)
    : QMainWindow(parent), ProgramVersion(programVersion)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Quendrix Declaracao de Redimentos do Imposto Zaloq de Redimentos - Grupo A"));
    setFont(DesignFontPixels(QStringLiteral("新細明體"), 16));
    ImageList24x24Geral = LoadIconSet(IconSet::Geral);
    ImageList24x24Seg = LoadIconSet(IconSet::Seg);
    ImageList24x24Bank = LoadIconSet(IconSet::Bank);

    CreateActions();
    CreateMenus();
    CreateStatusBar();
    DataSourceM1P1 = new DataSource(this);
    DataSourceM1P1->setObjectName(QStringLiteral("DataSourceM1P1"));
    DataSourceM1P1->setAutoEdit(false);
    DataSourceSys = new DataSource(this);
    DataSourceSys->setObjectName(QStringLiteral("DataSourceSys"));
    DataSourceSys->setAutoEdit(false);
    connect(DataSourceSys, &DataSource::dataChanged, this, &TFormMain::DataSourceSysDataChange);
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(central);
    BuildHeadingBand(central);
    central->installEventFilter(this);
    ApplyIconSet(ImageList24x24Geral);

    TimerAutoOpen.setObjectName(QStringLiteral("TimerAutoOpen"));
    TimerAutoOpen.setInterval(500);
    TimerAutoOpen.setSingleShot(true);
    TimerAutoOpen.setTimerType(Qt::PreciseTimer);  // never early
    connect(&TimerAutoOpen, &QTimer::timeout, this, &TFormMain::TimerAutoOpenTimer);

    ApplicationEvents1 = new MouseWheelToKeys(this);
    qApp->installEventFilter(ApplicationEvents1);

    move(-4, -4);
    FirstPaint = true;
    ActionSetEditModeExecute();
}

TFormMain::~TFormMain()
{
    qApp->removeEventFilter(ApplicationEvents1);
    DataSourceM1P1->setDataSet(nullptr);
    DataSourceSys->setDataSet(nullptr);
}

void TFormMain::CreateActions()
{
    for (const ActionSpec& spec : kActions) {
        auto* action = new QAction(QString::fromUtf16(spec.caption), this);
        action->setObjectName(QLatin1String(spec.name));
        connect(action, &QAction::triggered, this, [this, handler = spec.handler] {
            // No error escapes into the event loop: it is shown, as any other failure.
            try {
                (this->*handler)();
            } catch (const std::exception& e) {
                ShowPlainMessage(QString::fromUtf8(e.what()));
            }
        });
        this->*spec.action = action;
    }
    ActionSelectSector->setVisible(false);  // its menu item Sector1 is hidden
    OpenFormFolder21->setVisible(false);
}

void TFormMain::CreateMenus()
{
    // Menus keep the system's menu font, as their drop-downs do, not the window's.
    menuBar()->setFont(QApplication::font("QMenuBar"));
    File1 = menuBar()->addMenu(QStringLiteral("檔案 &Ficheiro"));
    File1->setObjectName(QStringLiteral("File1"));
    File1->addAction(ActionSelectFolder);
    File1->addAction(OpenFormFolder21);
    File1->addSeparator();
    File1->addAction(ActionSaveAll);
    File1->addSeparator();
    File1->addAction(ActionSaveAndCloseAll);
    File1->addSeparator();
    File1->addAction(ActionQuit);
    File1->setToolTipsVisible(true);  // only the read-only tips are set

    miFillForm = menuBar()->addMenu(QStringLiteral("填表 &Editar"));
    miFillForm->setObjectName(QStringLiteral("miFillForm"));
    for (QAction* a : {ActionFillM1, ActionFillAnexoA, ActionFillAnexoB, ActionFillM3, ActionFillM3A, ActionFillM4})
        miFillForm->addAction(a);
    miFillForm->addSeparator();
    miFillForm->addAction(ActionSelectSector);
    miFillForm->setEnabled(false);

    N5 = menuBar()->addMenu(QStringLiteral("說明 &Ajuda"));
    N5->setObjectName(QStringLiteral("N5"));
    N5->addAction(Sobre1);
}

void TFormMain::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    bar->setFont(DesignFontPixels(QStringLiteral("新細明體"), 12));
    for (int i = 0; i < 4; ++i) {
        const StatusPanelSpec& spec = kStatusPanels[i];
        auto* panel = new QLabel(QString::fromUtf16(spec.text), bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setAlignment(spec.alignment);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setMinimumWidth(spec.width);
        if (i < 3)
            panel->setFixedWidth(spec.width);
        bar->addWidget(panel, i == 3 ? 1 : 0);
        StatusPanels[i] = panel;
    }
}

void TFormMain::ApplyIconSet(const ImageList24x24& images)
{
    actionImages_ = &images;
    for (const ActionSpec& spec : kActions)
        if (spec.image >= 0)
            (this->*spec.action)->setIcon(images[spec.image]);
}

void TFormMain::BindDataModule(TdmMain& dm)
{
    dm_ = &dm;
    DataSourceM1P1->setDataSet(&dm.cdsM1P1);
    DataSourceSys->setDataSet(&dm.cdsSys);
}

// ---- first show, first paint, auto-open ----

void TFormMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFormMain::FormShow() { ActionSetEditModeExecute(); }

bool TFormMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && watched == centralWidget())
        FormPaint();
    return QMainWindow::eventFilter(watched, event);
}

void TFormMain::FormPaint()
{
    if (!FirstPaint)
        return;
    FirstPaint = false;
    TimerAutoOpen.start();
}

void TFormMain::TimerAutoOpenTimer()
{
    TimerAutoOpen.stop();
    ActionSelectFolder->trigger();
}

void TFormMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TFormMain::FormResize()
{
    if (isMaximized() || isFullScreen())
        return;  // the window manager places it
    const QPoint fitted(FitLeftToMonitor(this, x()), FitTopToMonitor(this, y()));
    if (fitted != pos())
        move(fitted);
}

// ---- states ----

void TFormMain::ActionSetEditModeExecute()
{
    const QString folder = dm_ ? dm_->CurrentFormFolder : QString();
    const bool hasFolder = !folder.isEmpty();
    StatusPanels[3]->setText(folder);
    miFillForm->setEnabled(hasFolder);
    for (QAction* TFormMain::*action : kFolderActions)
        (this->*action)->setEnabled(hasFolder);
    // A folder nobody can save into is open for reading and printing: Save is off and says why.
    const bool readOnly = hasFolder && dm_->CurrentFolderReadOnly();
    const QString saveTip = readOnly ? QString::fromUtf16(kReadOnlySaveTip) : QString();
    const QString closeTip = readOnly ? QString::fromUtf16(kReadOnlyCloseTip) : QString();
    ActionSaveAll->setEnabled(hasFolder && !readOnly);
    ActionSaveAll->setStatusTip(saveTip);
    ActionSaveAll->setToolTip(saveTip);
    ActionSaveAndCloseAll->setStatusTip(closeTip);
    ActionSaveAndCloseAll->setToolTip(closeTip);
    ActionSelectFolder->setEnabled(true);
    ActionQuit->setEnabled(true);
    Sobre1->setEnabled(true);
}

void TFormMain::DataSourceSysDataChange()
{
    if (!dm_ || !dm_->cdsSys.active())
        return;
    StatusPanels[1]->setText(dm_->cdsSys.fieldByName(u"App_Version").asString() + QStringLiteral(" / ")
                             + dm_->cdsSys.fieldByName(u"Form_Version").asString());
}

int TFormMain::SectorId() const
{
    return dm_ ? SectorOf(*dm_) : -1;
}

// ---- folder commands ----

bool TFormMain::SaveAndCloseFolder()
{
    const QString folder = dm_->CurrentFormFolder;
    // A save that failed keeps the folder open: closing now would discard what could not be
    // written. Declined (No to the question, or a read-only folder) or nothing to save: the close
    // goes on.
    if (dm_->ProcessFormFolder(folder, ffSaveAll) == TFolderResult::frFailed)
        return false;
    // The editors let go of their pictures first, so that the close gives their memory back to
    // the system with the folder's.
    for (const auto& [name, editor] : Editors)
        editor->ReleaseShownPictures();
    const bool closed = dm_->ProcessFormFolder(folder, ffClose) == TFolderResult::frDone;
    ActionSetEditModeExecute();
    return closed;
}

void TFormMain::ActionSelectFolderExecute()
{
    if (!dm_)
        return;
    QString startFolder;
    if (!dm_->CurrentFormFolder.isEmpty()) {
        startFolder = dm_->CurrentFormFolder;
        if (!SaveAndCloseFolder())
            return;
    } else {
        startFolder = OpenStartFolder(QString(), ReadRegString(QString(), QStringLiteral("DefaultFormFolder")),
                                      QCoreApplication::applicationFilePath());
    }
    const QString path = BrowseForFolder(this, ActionSelectFolder->text(), startFolder);
    if (path.isEmpty())
        return;

    WaitCursor hourglass;
    if (dm_->ProcessFormFolder(path, ffOpen) != TFolderResult::frDone)
        return;
    LogVersionChange();
    CheckSector();
    const int sector = SectorId();
    if (IsValidSectorId(sector))
        ActionSetEditModeExecute();
    switch (sector) {
    case 0: ApplyIconSet(ImageList24x24Geral); break;
    case 11: ApplyIconSet(ImageList24x24Seg); break;
    case 21: ApplyIconSet(ImageList24x24Bank); break;
    default: break;
    }
}

void TFormMain::LogVersionChange()
{
    qx::ClientDataSet& sys = dm_->cdsSys;
    try {
        const QString oldVersion = sys.fieldByName(u"App_Version").asString();
        if (oldVersion == ProgramVersion)
            return;
        sys.edit();
        qx::Field& log = sys.fieldByName(u"App_Log");
        SetTextCut(log, log.asString() + VersionLogEntry(Now(), oldVersion, ProgramVersion));
        sys.fieldByName(u"App_Version").setAsString(ProgramVersion);
        sys.post();
    } catch (const std::exception&) {
        // The log is a courtesy: a failure leaves the record as it was, unreported.
        TdmMain::SuppressCancelQuestion quiet(*dm_);
        try {
            sys.cancel();
        } catch (const std::exception&) {
        }
    }
}

void TFormMain::CheckSector()
{
    if (IsValidSectorId(SectorId()))
        return;
    ActionSelectSectorExecute();
    if (!IsValidSectorId(SectorId()))
        WriteSectorId(dm_->cdsSys, 0);
}

void TFormMain::OpenFormFolder21Click()
{
    if (!dm_)
        return;
    if (!dm_->CurrentFormFolder.isEmpty() && !SaveAndCloseFolder())
        return;
    if (!FormSelectFolder || FormSelectFolder->exec() != QDialog::Accepted || FormSelectFolder->SelectedFolder.isEmpty())
        return;
    dm_->ProcessFormFolder(FormSelectFolder->SelectedFolder, ffOpen);
    ActionSetEditModeExecute();
}

void TFormMain::ActionSaveAllExecute()
{
    if (dm_)
        dm_->ProcessFormFolder(dm_->CurrentFormFolder, ffSaveAll);
}

void TFormMain::ActionSaveAndCloseAllExecute()
{
    if (!dm_ || dm_->CurrentFormFolder.isEmpty())
        return;
    SaveAndCloseFolder();
}

void TFormMain::ActionQuitExecute() { close(); }

bool TFormMain::FormCloseQuery()
{
    if (ActionSaveAndCloseAll->isEnabled())
        ActionSaveAndCloseAllExecute();
    return !ActionSaveAndCloseAll->isEnabled();
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    bool canClose = false;
    try {
        canClose = FormCloseQuery();
    } catch (const std::exception& e) {
        ShowPlainMessage(QString::fromUtf8(e.what()));
    }
    if (canClose)
        event->accept();
    else
        event->ignore();
}

void TFormMain::ActionSelectSectorExecute()
{
    if (FormSelectSector)
        FormSelectSector->exec();
}

void TFormMain::Sobre1Click()
{
    if (!FormAbout)
        return;
    FormAbout->btnOK->setVisible(true);
    FormAbout->exec();
}

// ---- editors ----

EditorWindow* TFormMain::EditorForPageCode(int pageCode) const
{
    const QString name = EditorFormName(EditorKindOfPageCode(pageCode), SectorId());
    const auto it = Editors.find(name);
    return it == Editors.end() ? nullptr : it->second;
}

void TFormMain::RunEditorChain(EditorWindow* first)
{
    struct ShowAtEnd {
        TFormMain* self;
        ~ShowAtEnd()
        {
            if (!self->isVisible())
                self->show();
        }
    } showAtEnd{this};
    const auto m3a = Editors.find(QStringLiteral("FormFillM3A"));
    for (EditorWindow* editor = first; editor;) {
        if (isVisible())
            hide();
        editor->ShowEditorModal();
        if (m3a != Editors.end() && editor == m3a->second)
            QCoreApplication::processEvents();
        editor = EditorForPageCode(editor->NextFormCode());
    }
}

void TFormMain::OpenEditorByPageCode(int pageCode)
{
    if (EditorWindow* editor = EditorForPageCode(pageCode))
        RunEditorChain(editor);
}

void TFormMain::ActionFillM1Execute() { OpenEditorByPageCode(1011); }
void TFormMain::ActionFillAnexoAExecute() { OpenEditorByPageCode(2011); }
void TFormMain::ActionFillAnexoBExecute() { OpenEditorByPageCode(3011); }
void TFormMain::ActionFillM3Execute() { OpenEditorByPageCode(4011); }
void TFormMain::ActionFillM3AExecute() { OpenEditorByPageCode(5011); }
void TFormMain::ActionFillM4Execute() { OpenEditorByPageCode(6011); }
