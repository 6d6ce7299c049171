#include "ui/mainwindow/ProgramForms.h"

#include "core/module/TdmMain.h"
#include "core/msgdlg/MultiLangMsgDlgPresenter.h"
#include "core/msgdlg/TFormMultiLangMsgDlg.h"
#include "print/binding/BindReportFields.h"
#include "print/binding/TFormAutoMap.h"
#include "print/dialog/PrintService.h"
#include "print/dialog/TFormPrnSetup.h"
#include "print/forms/ReportFormPages.h"
#include "print/forms/ReportForms.h"
#include "ui/dialogs/TFormDBEditCalendar.h"
#include "ui/dialogs/TFormSelectFolder.h"
#include "ui/dialogs/TFormSelectSector.h"
#include "ui/dialogs/TFormSelectTaxas.h"
#include "ui/editors/AnnexVariants.h"
#include "ui/editors/LayoutBoxNames.h"
#include "ui/editors/RateTablePicker.h"
#include "ui/editors/TFormFillAnexo.h"
#include "ui/editors/TFormFillM1.h"
#include "ui/editors/TFormFillM3.h"
#include "ui/editors/TFormFillM3A.h"
#include "ui/editors/TFormFillM4.h"
#include "ui/editors/TListGridPage.h"
#include "ui/mainwindow/FillEditorWindow.h"
#include "ui/mainwindow/PrnSetupPort.h"
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
    void (*make)(ProgramForms& forms, const QString& name);
    bool needsDataModule;
};

ProgramForms::ProgramForms(QString programVersion) : programVersion_(std::move(programVersion)) {}

ProgramForms::~ProgramForms()
{
    if (CurrentMessagePresenter() == presenter_.get())
        SetMessagePresenter(nullptr);
    if (FormDBEditCalendar)
        TFormFill::SetCalendar(nullptr);
    if (ratePicker_)
        TListGridPage::SetRatePicker(nullptr);
    if (printPort_) {
        TFormFill::SetPrintDialog(nullptr);
        SetAutoMapPresenter({});
    }
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

TFormFill* ProgramForms::Editor(const QString& formName) const
{
    const auto it = editors_.find(formName);
    return it == editors_.end() ? nullptr : it->second;
}

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
    if (maker->needsDataModule && !dmMain) {
        waitingForDataModule_.push_back(name);
        return;
    }
    maker->make(*this, name);
    made_.push_back({name, FormAbout && FormAbout->isVisible()});
    if (name == u"dmMain")
        for (const QString& waiting : std::exchange(waitingForDataModule_, {}))
            Make(waiting);
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

void ProgramForms::MakeFormSelectTaxas()
{
    FormSelectTaxas = new TFormSelectTaxas(*dmMain, FormMain);
    ratePicker_ = std::make_unique<FormSelectTaxasPicker>(*FormSelectTaxas);
    TListGridPage::SetRatePicker(ratePicker_.get());
}

void ProgramForms::MakeDataModule()
{
    dmMain = std::make_unique<TdmMain>();
    ::dmMain = dmMain.get();
    FormMain->BindDataModule(*dmMain);
}

void ProgramForms::MakeFormSelectSector()
{
    FormSelectSector = new TFormSelectSector(*dmMain, FormMain);
    FormMain->FormSelectSector = FormSelectSector;
}

void ProgramForms::MakeReportForms()
{
    if (!Reports)
        Reports = std::make_unique<ReportForms>(*dmMain);
}

void ProgramForms::MakeFormPrnSetup()
{
    MakeReportForms();
    printService_ = std::make_unique<SystemPrintService>();
    // The print dialog's messages name a box as its editor page does.
    reportPages_ = std::make_unique<ReportFormPages>(*Reports, LayoutBoxName);
    FormPrnSetup = new TFormPrnSetup(*dmMain, *reportPages_, *printService_, FormMain);
    FormPrnSetup->setObjectName(QStringLiteral("FormPrnSetup"));
    printPort_ = std::make_unique<PrnSetupPort>(*FormPrnSetup, *Reports);
    TFormFill::SetPrintDialog(printPort_.get());
}

void ProgramForms::MakeFormAutoMap()
{
    FormAutoMap = new TFormAutoMap(*dmMain, FormMain);
    SetAutoMapPresenter([form = FormAutoMap] { form->ShowModal(); });
}

template <class Editor> void ProgramForms::MakeEditor(const QString& name)
{
    AddEditor(name, new Editor(*dmMain, FormMain));
}

void ProgramForms::MakeAnnexEditor(const QString& name)
{
    AddEditor(name, new TFormFillAnexo(AnnexVariantOf(QLatin1Char('T') + name), *dmMain, FormMain));
}

void ProgramForms::AddEditor(const QString& name, TFormFill* editor)
{
    editors_[name] = editor;
    editorWindows_.push_back(std::make_unique<FillEditorWindow>(*editor));
    FormMain->Editors[name] = editorWindows_.back().get();
}

const ProgramForms::Maker* ProgramForms::FindMaker(const QString& name)
{
    using P = ProgramForms;
    static const Maker makers[] = {
        {u"FormMain", [](P& p, const QString&) { p.MakeFormMain(); }, false},
        {u"FormAbout", [](P& p, const QString&) { p.MakeFormAbout(); }, false},
        {u"FormMultiLangMsgDlg", [](P& p, const QString&) { p.MakeFormMultiLangMsgDlg(); }, false},
        {u"FormSelectFolder", [](P& p, const QString&) { p.MakeFormSelectFolder(); }, false},
        {u"FormDBEditCalendar", [](P& p, const QString&) { p.MakeFormDBEditCalendar(); }, false},
        {u"FormPrnSetup", [](P& p, const QString&) { p.MakeFormPrnSetup(); }, true},
        {u"dmMain", [](P& p, const QString&) { p.MakeDataModule(); }, false},
        {u"FormAutoMap", [](P& p, const QString&) { p.MakeFormAutoMap(); }, true},
        {u"FormSelectSector", [](P& p, const QString&) { p.MakeFormSelectSector(); }, true},
        {u"FormSelectTaxas", [](P& p, const QString&) { p.MakeFormSelectTaxas(); }, true},
        {u"FormRpt_M1", [](P& p, const QString&) { p.MakeReportForms(); }, true},
        {u"FormRpt_M1_A4", [](P& p, const QString&) { p.MakeReportForms(); }, true},
        {u"FormRpt_AnexoA", [](P& p, const QString&) { p.MakeReportForms(); }, true},
        {u"FormRpt_AnexoASeg", [](P& p, const QString&) { p.MakeReportForms(); }, true},
        {u"FormRpt_AnexoABank", [](P& p, const QString&) { p.MakeReportForms(); }, true},
        {u"FormRpt_AnexoB", [](P& p, const QString&) { p.MakeReportForms(); }, true},
        {u"FormRpt_AnexoBSeg", [](P& p, const QString&) { p.MakeReportForms(); }, true},
        {u"FormRpt_AnexoBBank", [](P& p, const QString&) { p.MakeReportForms(); }, true},
        {u"FormRpt_M4", [](P& p, const QString&) { p.MakeReportForms(); }, true},
        {u"FormRpt_M3", [](P& p, const QString&) { p.MakeReportForms(); }, true},
        {u"FormRpt_M3Cont", [](P& p, const QString&) { p.MakeReportForms(); }, true},
        {u"FormRpt_M3A", [](P& p, const QString&) { p.MakeReportForms(); }, true},
        {u"FormFillM1", [](P& p, const QString& n) { p.MakeEditor<TFormFillM1>(n); }, true},
        {u"FormFillM4", [](P& p, const QString& n) { p.MakeEditor<TFormFillM4>(n); }, true},
        {u"FormFillM3", [](P& p, const QString& n) { p.MakeEditor<TFormFillM3>(n); }, true},
        {u"FormFillM3A", [](P& p, const QString& n) { p.MakeEditor<TFormFillM3A>(n); }, true},
        {u"FormFillAnexoA", [](P& p, const QString& n) { p.MakeAnnexEditor(n); }, true},
        {u"FormFillAnexoASeg", [](P& p, const QString& n) { p.MakeAnnexEditor(n); }, true},
        {u"FormFillAnexoABank", [](P& p, const QString& n) { p.MakeAnnexEditor(n); }, true},
        {u"FormFillAnexoB", [](P& p, const QString& n) { p.MakeAnnexEditor(n); }, true},
        {u"FormFillAnexoBSeg", [](P& p, const QString& n) { p.MakeAnnexEditor(n); }, true},
        {u"FormFillAnexoBBank", [](P& p, const QString& n) { p.MakeAnnexEditor(n); }, true},
    };
    const auto it = std::find_if(std::begin(makers), std::end(makers),
                                 [&](const Maker& m) { return name == QStringView(m.name); });
    return it == std::end(makers) ? nullptr : &*it;
}
