#pragma once
// The program's forms and its data module: each made once at start-up, in a fixed order, and
// alive until exit. The about box stands as the splash while the others are made. The order is
// a list of names; a form this build does not have yet is skipped.

#include <QString>
#include <memory>
#include <vector>

class EditorWindow;
class MultiLangMsgDlgPresenter;
class TdmMain;
class TFormAbout;
class TFormDBEditCalendar;
class TFormMain;
class TFormMultiLangMsgDlg;
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

    std::unique_ptr<TdmMain> dmMain;
    TFormMain* FormMain = nullptr;  // owns every form below
    TFormAbout* FormAbout = nullptr;
    TFormMultiLangMsgDlg* FormMultiLangMsgDlg = nullptr;
    TFormSelectFolder* FormSelectFolder = nullptr;
    TFormSelectSector* FormSelectSector = nullptr;
    TFormDBEditCalendar* FormDBEditCalendar = nullptr;
    TFormSelectTaxas* FormSelectTaxas = nullptr;

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

    QString programVersion_;
    std::unique_ptr<TFormMain> mainWindow_;
    std::unique_ptr<MultiLangMsgDlgPresenter> presenter_;
    std::vector<Made> made_;
};
