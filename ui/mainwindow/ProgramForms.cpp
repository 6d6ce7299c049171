#include "ui/mainwindow/ProgramForms.h"

#include "core/module/TdmMain.h"
#include "core/msgdlg/MultiLangMsgDlgPresenter.h"
#include "core/msgdlg/TFormMultiLangMsgDlg.h"
#include "ui/dialogs/TFormDBEditCalendar.h"
#include "ui/dialogs/TFormSelectFolder.h"
#include "ui/dialogs/TFormSelectSector.h"
#include "ui/dialogs/TFormSelectTaxas.h"
#include "ui/framework/TFormFill.h"
#include "ui/mainwindow/TFormAbout.h"
#include "ui/mainwindow/TFormMain.h"

#include <algorithm>

namespace {

// Before the splash: the main window, the about box and the A3 report of M/1.
const std::vector<QString> kBeforeSplash = {QStringLiteral("FormMain"), QStringLiteral("FormAbout"),
                                            QStringLiteral("FormRpt_M1")};

// While the splash is up.
const std::vector<QString> kUnderSplash = {
    QStringLiteral("FormMultiLangMsgDlg"), QStringLiteral("FormSelectFolder"),  QStringLiteral("FormDBEditCalendar"),
    QStringLiteral("FormPrnSetup"),        QStringLiteral("dmMain"),            QStringLiteral("FormRpt_M1_A4"),
    QStringLiteral("FormRpt_AnexoA"),      QStringLiteral("FormAutoMap"),       QStringLiteral("FormRpt_AnexoB"),
    QStringLiteral("FormRpt_AnexoASeg"),   QStringLiteral("FormRpt_AnexoBSeg"), QStringLiteral("FormRpt_AnexoABank"),
    QStringLiteral("FormRpt_AnexoBBank"),  QStringLiteral("FormRpt_M3A"),       QStringLiteral("FormRpt_M4"),
    QStringLiteral("FormFillM1"),          QStringLiteral("FormFillM4"),        QStringLiteral("FormFillAnexoBBank"),
    QStringLiteral("FormSelectSector"),    QStringLiteral("FormFillAnexoA"),    QStringLiteral("FormFillAnexoB"),
    QStringLiteral("FormFillM3A"),         QStringLiteral("FormFillAnexoBSeg"), QStringLiteral("FormFillAnexoASeg"),
    QStringLiteral("FormSelectTaxas"),     QStringLiteral("FormFillM3"),        QStringLiteral("FormFillAnexoABank"),
    QStringLiteral("FormRpt_M3Cont"),      QStringLiteral("FormRpt_M3"),
};

}  // namespace

// The forms this build has, by name.
struct ProgramForms::Maker {
    const char16_t* name;
    void (ProgramForms::*make)();
};

ProgramForms::ProgramForms(QString programVersion) : programVersion_(std::move(programVersion)) {}

ProgramForms::~ProgramForms()
{
    if (CurrentMessagePresenter() == presenter_.get())
        SetMessagePresenter(nullptr);
    if (FormDBEditCalendar)
        TFormFill::SetCalendar(nullptr);
    mainWindow_.reset();  // the forms, bound to the data module, go first
    if (::dmMain == dmMain.get())
        ::dmMain = nullptr;
}

const std::vector<QString>& ProgramForms::StartupOrder()
{
    static const std::vector<QString> order = [] {
        std::vector<QString> all = kBeforeSplash;
        all.insert(all.end(), kUnderSplash.begin(), kUnderSplash.end());
        return all;
    }();
    return order;
}

bool ProgramForms::IsBuilt(const QString& formName) { return FindMaker(formName) != nullptr; }

void ProgramForms::CreateAll()
{
    for (const QString& name : kBeforeSplash)
        Make(name);
    if (FormAbout)
        FormAbout->ShowSplash();
    for (const QString& name : kUnderSplash)
        Make(name);
    if (FormAbout)
        FormAbout->hide();
}

void ProgramForms::Make(const QString& name)
{
    const Maker* maker = FindMaker(name);
    if (!maker)
        return;
    (this->*maker->make)();
    made_.push_back({name, FormAbout && FormAbout->isVisible()});
}

void ProgramForms::MakeFormMain()
{
    mainWindow_ = std::make_unique<TFormMain>(programVersion_);
    FormMain = mainWindow_.get();
}

void ProgramForms::MakeFormAbout()
{
    FormAbout = new TFormAbout(programVersion_, FormMain);
    FormMain->FormAbout = FormAbout;
}

void ProgramForms::MakeFormMultiLangMsgDlg()
{
    FormMultiLangMsgDlg = new TFormMultiLangMsgDlg(FormMain);
    presenter_ = std::make_unique<MultiLangMsgDlgPresenter>(*FormMultiLangMsgDlg);
    SetMessagePresenter(presenter_.get());
}

void ProgramForms::MakeFormSelectFolder()
{
    FormSelectFolder = new TFormSelectFolder(FormMain);
    FormMain->FormSelectFolder = FormSelectFolder;
}

void ProgramForms::MakeFormDBEditCalendar()
{
    FormDBEditCalendar = new TFormDBEditCalendar(FormMain);
    TFormFill::SetCalendar(FormDBEditCalendar);
}

void ProgramForms::MakeFormSelectTaxas() { FormSelectTaxas = new TFormSelectTaxas(*dmMain, FormMain); }

void ProgramForms::MakeDataModule()
{
    dmMain = std::make_unique<TdmMain>();
    ::dmMain = dmMain.get();
    FormMain->BindDataModule(*dmMain);
}

void ProgramForms::MakeFormSelectSector()
{
    FormSelectSector = new TFormSelectSector(dmMain->cdsSys, FormMain);
    FormMain->FormSelectSector = FormSelectSector;
}

const ProgramForms::Maker* ProgramForms::FindMaker(const QString& name)
{
    static const Maker makers[] = {
        {u"FormMain", &ProgramForms::MakeFormMain},
        {u"FormAbout", &ProgramForms::MakeFormAbout},
        {u"FormMultiLangMsgDlg", &ProgramForms::MakeFormMultiLangMsgDlg},
        {u"FormSelectFolder", &ProgramForms::MakeFormSelectFolder},
        {u"FormDBEditCalendar", &ProgramForms::MakeFormDBEditCalendar},
        {u"dmMain", &ProgramForms::MakeDataModule},
        {u"FormSelectSector", &ProgramForms::MakeFormSelectSector},
        {u"FormSelectTaxas", &ProgramForms::MakeFormSelectTaxas},
    };
    const auto it = std::find_if(std::begin(makers), std::end(makers),
                                 [&](const Maker& m) { return name == QStringView(m.name); });
    return it == std::end(makers) ? nullptr : &*it;
}
