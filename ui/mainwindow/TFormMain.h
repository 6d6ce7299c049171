#pragma once
// The main window: who the open declaration belongs to, the folder commands (open, save, close,
// quit), the six editor commands, the automatic Open half a second after the first paint, the
// version log and the sector check of an opened folder, and the chain of editors that ask for
// each other. It reaches the folder's data only through ProcessFormFolder and cdsSys, cdsM1P1.

#include "core/module/TdmMain.h"
#include "ui/mainwindow/ProgramPictures.h"

#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <map>

class DataSource;
class DataText;
class EditorWindow;
class MouseWheelToKeys;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class TFormAbout;
class TFormSelectFolder;
class TFormSelectSector;

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    // `programVersion`: the version of the program's file, logged into each folder it opens.
    explicit TFormMain(const QString& programVersion, QWidget* parent = nullptr);
    ~TFormMain() override;

    // Binds the data sources of cdsM1P1 and cdsSys (the data module is made after the window).
    void BindDataModule(TdmMain& dm);

    // The forms it shows, set as they are made at start-up.
    TFormAbout* FormAbout = nullptr;
    TFormSelectSector* FormSelectSector = nullptr;
    TFormSelectFolder* FormSelectFolder = nullptr;
    // The editors by form name ("FormFillM1", "FormFillAnexoBSeg", ...); those not made are absent.
    std::map<QString, EditorWindow*> Editors;

    QString ProgramVersion;

    // ---- actions, in the order of their images ----
    QAction* ActionSelectFolder = nullptr;
    QAction* ActionSaveAll = nullptr;
    QAction* ActionSaveAndCloseAll = nullptr;
    QAction* ActionQuit = nullptr;
    QAction* ActionFillM1 = nullptr;
    QAction* ActionFillAnexoA = nullptr;
    QAction* ActionFillAnexoB = nullptr;
    QAction* ActionFillM3 = nullptr;
    QAction* ActionFillM3A = nullptr;
    QAction* ActionFillM4 = nullptr;
    QAction* ActionSelectSector = nullptr;
    QAction* ActionSetEditMode = nullptr;
    QAction* OpenFormFolder21 = nullptr;
    QAction* Sobre1 = nullptr;
    QMenu* File1 = nullptr;
    QMenu* miFillForm = nullptr;
    QMenu* N5 = nullptr;
    QLabel* StatusPanels[4] = {};
    QTimer TimerAutoOpen;
    bool FirstPaint = true;

    // ---- heading band ----
    QFrame* Panel17 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* LabelZaloq_por = nullptr;
    QLabel* LabelVarnholm_Por = nullptr;
    QLabel* LabelCorvel_Por = nullptr;
    QLabel* LabelNum_Cont_Por = nullptr;
    QLabel* LabelAno_Exec_Por = nullptr;
    QLabel* ImageBackground = nullptr;
    DataSource* DataSourceM1P1 = nullptr;
    DataSource* DataSourceSys = nullptr;

    ImageList24x24 ImageList24x24Geral;
    ImageList24x24 ImageList24x24Seg;
    ImageList24x24 ImageList24x24Bank;
    // The image list the actions and menus show.
    const ImageList24x24* ActionImages() const { return actionImages_; }

    // ---- handlers ----
    void FormShow();
    void FormPaint();
    void FormResize();
    // True when the window may close: the open folder was offered for saving and closed.
    bool FormCloseQuery();
    void TimerAutoOpenTimer();
    void ActionSetEditModeExecute();
    void ActionSelectFolderExecute();
    void OpenFormFolder21Click();
    void ActionSaveAllExecute();
    void ActionSaveAndCloseAllExecute();
    void ActionQuitExecute();
    void ActionFillM1Execute();
    void ActionFillAnexoAExecute();
    void ActionFillAnexoBExecute();
    void ActionFillM3Execute();
    void ActionFillM3AExecute();
    void ActionFillM4Execute();
    void ActionSelectSectorExecute();
    void Sobre1Click();
    void DataSourceSysDataChange();
    // Runs the editor action that serves the page code; any other code opens nothing.
    void OpenEditorByPageCode(int pageCode);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateStatusBar();
    void BuildHeadingBand(QWidget* central);  // MainWindowBand.cpp
    void ApplyIconSet(const ImageList24x24& images);
    // Saves and closes the open folder before another is opened; false when it stays open.
    // Saves and closes the open folder, the editors' pictures let go; false when it stays open.
    bool SaveAndCloseFolder();
    void LogVersionChange();
    void CheckSector();
    int SectorId() const;
    // Opens the editor, then each editor the previous one asked for, until one asks for none;
    // the main window is hidden meanwhile and shown again at the end.
    void RunEditorChain(EditorWindow* first);
    EditorWindow* EditorForPageCode(int pageCode) const;

    TdmMain* dm_ = nullptr;
    const ImageList24x24* actionImages_ = nullptr;
    MouseWheelToKeys* ApplicationEvents1 = nullptr;
    std::map<QString, DataText*> dataTexts_;  // the band's data texts by field name
};
