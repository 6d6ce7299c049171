// The folder picker starts at the open folder, else the remembered one; Open takes a folder only.
#include "core/util/Clock.h"
#include "core/util/Registry.h"
#include "support/DmFixture.h"
#include "ui/dialogs/TFormSelectFolder.h"

#include <QDir>
#include <QLabel>
#include <QToolButton>

namespace {

class FolderPicker : public DmFixture {
protected:
    bool OpensFolder() const override { return false; }
    void SetUp() override
    {
        DmFixture::SetUp();
        SetBeepHandler([this] { ++beeps; });
        WriteRegString(QString(), QStringLiteral("DefaultFormFolder"), QString());
    }
    void TearDown() override
    {
        SetBeepHandler(nullptr);
        DmFixture::TearDown();
    }
    int beeps = 0;
};

TEST_F(FolderPicker, StartsAtTheOpenFolderElseTheRememberedOne)
{
    const QString remembered = dir.path() + QStringLiteral("/remembered");
    const QString open = dir.path() + QStringLiteral("/open");
    QDir().mkpath(remembered);
    QDir().mkpath(open);
    WriteRegString(QString(), QStringLiteral("DefaultFormFolder"), remembered + QLatin1Char('/'));
    TFormSelectFolder picker;
    picker.show();
    EXPECT_EQ(picker.TreePath(), remembered);
    picker.hide();
    dm->CurrentFormFolder = open + QLatin1Char('/');
    picker.show();
    EXPECT_EQ(picker.TreePath(), open);
    EXPECT_EQ(picker.StatusBar->text(), open);
    picker.btnOpen->click();
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.SelectedFolder, open);
    EXPECT_EQ(beeps, 0);
}

TEST_F(FolderPicker, DeletedRememberedFolderOpensAtTheDefaultAndOpenWithNothingSelectedBeeps)
{
    WriteRegString(QString(), QStringLiteral("DefaultFormFolder"), dir.path() + QStringLiteral("/gone/"));
    TFormSelectFolder picker;
    picker.SelectedFolder = QStringLiteral("/kept");
    picker.show();
    EXPECT_TRUE(picker.TreePath().isEmpty());
    picker.btnOpen->click();
    EXPECT_EQ(beeps, 1);
    EXPECT_TRUE(picker.isVisible());
    EXPECT_EQ(picker.SelectedFolder, QStringLiteral("/kept"));
}

}  // namespace
