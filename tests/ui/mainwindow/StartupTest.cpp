// The program's forms are made once, in their fixed order, the about box standing as the splash
// while the forms after the first ones are made; Qt's stock dialogs speak Chinese.
#include "MainWindowFixture.h"
#include "ui/mainwindow/QtDialogsTranslation.h"
#include "ui/mainwindow/TFormAbout.h"

#include <QAbstractFileIconProvider>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

class Startup : public MainWindowFixture {};

// The start-up order: three forms before the splash, the rest while it is up.
const char* const kStartupOrder[] = {
    "FormMain",           "FormAbout",          "FormRpt_M1",          "FormMultiLangMsgDlg", "FormSelectFolder",
    "FormDBEditCalendar", "FormPrnSetup",       "dmMain",              "FormRpt_M1_A4",       "FormRpt_AnexoA",
    "FormAutoMap",        "FormRpt_AnexoB",     "FormRpt_AnexoASeg",   "FormRpt_AnexoBSeg",   "FormRpt_AnexoABank",
    "FormRpt_AnexoBBank", "FormRpt_M3A",        "FormRpt_M4",          "FormFillM1",          "FormFillM4",
    "FormFillAnexoBBank", "FormSelectSector",   "FormFillAnexoA",      "FormFillAnexoB",      "FormFillM3A",
    "FormFillAnexoBSeg",  "FormFillAnexoASeg",  "FormSelectTaxas",     "FormFillM3",          "FormFillAnexoABank",
    "FormRpt_M3Cont",     "FormRpt_M3",
};

TEST_F(Startup, MakesEveryFormInItsOrderWithTheSplashUpAfterTheFirstOnes)
{
    // The two forms ahead of the data module that need it come right after it.
    const QStringList needDataModule = {QStringLiteral("FormRpt_M1"), QStringLiteral("FormPrnSetup")};
    QStringList expected;
    for (const char* name : kStartupOrder) {
        if (!needDataModule.contains(QLatin1String(name)))
            expected << QLatin1String(name);
        if (qstrcmp(name, "dmMain") == 0)
            expected << needDataModule;
    }
    QStringList made;
    for (const auto& m : forms->MadeForms()) {
        made << m.name;
        const bool beforeSplash = m.name == u"FormMain" || m.name == u"FormAbout";
        EXPECT_EQ(m.splashShown, !beforeSplash) << m.name.toStdString();
    }
    EXPECT_EQ(made.join(u' ').toStdString(), expected.join(u' ').toStdString());
    EXPECT_FALSE(forms->FormAbout->isVisible()) << "the splash is hidden at the end";
    EXPECT_FALSE(forms->FormAbout->btnOK->isVisible());
    EXPECT_EQ(dmMain, forms->dmMain.get());
}

TEST_F(Startup, AboutBoxShowsTheVersionAndGainsItsOkButtonWhenOpenedFromTheMenu)
{
    EXPECT_EQ(forms->FormAbout->LabelVersion->text(), QStringLiteral("版本編號 Ver. 1.2.1.1"));
    modals.then([](QWidget& w) {
        auto& about = static_cast<TFormAbout&>(w);
        EXPECT_TRUE(about.btnOK->isVisible());
        about.btnOK->click();
    });
    main().Sobre1->trigger();
    EXPECT_TRUE(modals.done());
    EXPECT_EQ(modals.seen, QStringList{QStringLiteral("FormAbout")});
}

// The folder chooser's buttons and its folders' type read in Chinese once Qt's translation is
// installed from Qt's translations folder; from a folder without it nothing is installed and they
// stay English.
TEST(QtDialogsTranslation, TheFolderChooserReadsInChineseWhereTheTranslationIs)
{
    const QTemporaryDir empty;
    const struct {
        QString folder;
        bool installed;
        const char* choose;
        const char* cancel;
        const char* folderType;
    } cases[] = {
        {empty.path(), false, "&Choose", "Cancel", "Folder"},
        {QLibraryInfo::path(QLibraryInfo::TranslationsPath), true, "選擇(&C)", "取消", "資料夾"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InstallQtDialogsTranslation(*qApp, c.folder), c.installed) << c.folder.toStdString();
        QFileDialog chooser;
        chooser.setOption(QFileDialog::DontUseNativeDialog);
        chooser.setFileMode(QFileDialog::Directory);
        const auto* buttons = chooser.findChild<QDialogButtonBox*>();
        ASSERT_TRUE(buttons);
        EXPECT_EQ(buttons->button(QDialogButtonBox::Open)->text().toStdString(), c.choose);
        EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text().toStdString(), c.cancel);
        EXPECT_EQ(QAbstractFileIconProvider().type(QFileInfo(empty.path())).toStdString(), c.folderType);
    }
}

}  // namespace
