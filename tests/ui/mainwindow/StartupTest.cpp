// The program's forms are made once, in their fixed order, the about box standing as the splash
// while the forms after the first ones are made.
#include "MainWindowFixture.h"
#include "ui/mainwindow/TFormAbout.h"

#include <QLabel>
#include <QPushButton>

namespace {

class Startup : public MainWindowFixture {};

TEST_F(Startup, MakesTheFormsItHasInTheirOrderWithTheSplashUpAfterTheFirstOnes)
{
    // The two forms ahead of the data module that need it come right after it.
    const QStringList needDataModule = {QStringLiteral("FormRpt_M1"), QStringLiteral("FormPrnSetup")};
    std::vector<QString> expected;
    for (const QString& name : ProgramForms::StartupOrder()) {
        if (ProgramForms::IsBuilt(name) && !needDataModule.contains(name))
            expected.push_back(name);
        if (name == u"dmMain")
            expected.insert(expected.end(), needDataModule.begin(), needDataModule.end());
    }
    std::vector<QString> made;
    for (const auto& m : forms->MadeForms()) {
        made.push_back(m.name);
        const bool beforeSplash = m.name == u"FormMain" || m.name == u"FormAbout";
        EXPECT_EQ(m.splashShown, !beforeSplash) << m.name.toStdString();
    }
    EXPECT_EQ(QStringList(made.begin(), made.end()).join(u' ').toStdString(),
              QStringList(expected.begin(), expected.end()).join(u' ').toStdString());
    EXPECT_EQ(made.front(), u"FormMain");
    EXPECT_FALSE(forms->FormAbout->isVisible()) << "the splash is hidden at the end";
    EXPECT_FALSE(forms->FormAbout->btnOK->isVisible());
    EXPECT_EQ(ProgramForms::StartupOrder().size(), 32u);
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

}  // namespace
