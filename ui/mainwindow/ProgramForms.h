#pragma once
// The program's forms and its data module: each made once at start-up, in a fixed order, and
// alive until exit. The about box stands as the splash while the others are made. The order is
// a list of names; a form this build does not have yet is skipped. A form that needs the data
// module and comes before it in the order is made right after it; the single-page report forms
// are one set, made with the first of them.
// Here the editors' ports are filled in once: the calendar, the print dialog with its report
// binding, the list editors' rate-table picker, and the main window's editor windows.

#include <QString>
#include <map>
#include <memory>
#include <vector>

class EditorWindow;
class MultiLangMsgDlgPresenter;
class PrintDialogPort;
class PrintService;
class RateTablePicker;
class ReportForms;
class ReportPages;
class TdmMain;
class TFormAbout;
class TFormAutoMap;
class TFormDBEditCalendar;
class TFormFill;
class TFormMain;
class TFormMultiLangMsgDlg;
class TFormPrnSetup;
class TFormSelectFolder;
class TFormSelectSector;
class TFormSelectTaxas;

class ProgramForms {
public:
    // `programVersion`: the version of the program's file.
    explicit ProgramForms(QString programVersion);
    ~ProgramForms();
    ProgramForms(const ProgramForms&) = delete;
    ProgramForms& operator=(const ProgramForms&) = delete;

    // Makes every form in start-up order, with the splash shown between the first forms and the
    // rest; the splash is hidden at the end. The main window is not shown here.
    void CreateAll();

    // The names in start-up order, and those of them this build makes.
    static const std::vector<QString>& StartupOrder();
    static bool IsBuilt(const QString& formName);

    // What was made, in order, and whether the splash was up as it was made.
    struct Made {
        QString name;
        bool splashShown = false;
    };
    const std::vector<Made>& MadeForms() const { return made_; }

    // The editor made under `formName` ("FormFillM1", "FormFillAnexoBSeg", ...), or nullptr.
    TFormFill* Editor(const QString& formName) const;

    std::unique_ptr<TdmMain> dmMain;
    TFormMain* FormMain = nullptr;  // owns every form below
    TFormAbout* FormAbout = nullptr;
    TFormMultiLangMsgDlg* FormMultiLangMsgDlg = nullptr;
    TFormSelectFolder* FormSelectFolder = nullptr;
    TFormSelectSector* FormSelectSector = nullptr;
    TFormDBEditCalendar* FormDBEditCalendar = nullptr;
    TFormSelectTaxas* FormSelectTaxas = nullptr;
    TFormPrnSetup* FormPrnSetup = nullptr;
    TFormAutoMap* FormAutoMap = nullptr;
    std::unique_ptr<ReportForms> Reports;  // every FormRpt_...

private:
    struct Maker;
    static const Maker* FindMaker(const QString& name);
    void Make(const QString& name);
    void MakeFormMain();
    void MakeFormAbout();
    void MakeFormMultiLangMsgDlg();
    void MakeFormSelectFolder();
    void MakeDataModule();
    void MakeFormSelectSector();
    void MakeFormDBEditCalendar();
    void MakeFormSelectTaxas();
    void MakeReportForms();
    void MakeFormPrnSetup();
    void MakeFormAutoMap();
    template <class Editor> void MakeEditor(const QString& name);
    void MakeAnnexEditor(const QString& name);
    void AddEditor(const QString& name, TFormFill* editor);

    QString programVersion_;
    std::unique_ptr<TFormMain> mainWindow_;
    std::unique_ptr<MultiLangMsgDlgPresenter> presenter_;
    std::unique_ptr<PrintService> printService_;
    std::unique_ptr<ReportPages> reportPages_;
    std::unique_ptr<PrintDialogPort> printPort_;
    std::unique_ptr<RateTablePicker> ratePicker_;
    std::map<QString, TFormFill*> editors_;
    std::vector<std::unique_ptr<EditorWindow>> editorWindows_;
    std::vector<QString> waitingForDataModule_;
    std::vector<Made> made_;
};
