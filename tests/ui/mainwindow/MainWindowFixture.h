#pragma once
// The real program's forms, offscreen, with the folder chooser and the message dialog scripted:
// the chooser answers `chosenFolder` and records each call; questions are answered Yes unless
// scripted otherwise; modal windows are answered by `modals`.

#include "core/module/TdmMain.h"
#include "core/util/Clock.h"
#include "core/util/Registry.h"
#include "support/ModalScript.h"
#include "support/ScriptedMessages.h"
#include "ui/mainwindow/BrowseForFolder.h"
#include "ui/mainwindow/ProgramForms.h"
#include "ui/mainwindow/TFormMain.h"

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class MainWindowFixture : public ::testing::Test {
protected:
    struct Browse {
        QString title;
        QString startFolder;
        QString openFolderAtThatTime;
    };

    virtual QString ProgramVersion() const { return QStringLiteral("1.2.1.1"); }

    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        WriteRegString(QString(), QStringLiteral("DefaultFormFolder"), QString());
        forms = std::make_unique<ProgramForms>(ProgramVersion());
        forms->CreateAll();
        messages = std::make_unique<ScriptedMessages>();
        SetBeepHandler([this] { ++beeps; });
        SetFolderBrowser([this](QWidget*, const QString& title, const QString& start) {
            browsed.push_back({title, start, dm().CurrentFormFolder});
            return chosenFolder;
        });
    }

    void TearDown() override
    {
        SetFolderBrowser(nullptr);
        SetBeepHandler(nullptr);
        SetFixedNow(QDateTime());
        messages.reset();
        forms.reset();
    }

    TFormMain& main() { return *forms->FormMain; }
    TdmMain& dm() { return *forms->dmMain; }

    // A new folder under the test's root (not made on disk unless `create`).
    QString folderPath(const QString& name, bool create = true)
    {
        const QString path = root.path() + QLatin1Char('/') + name;
        if (create)
            QDir().mkpath(path);
        return path;
    }

    // A folder saved with the given sector and program version, closed again.
    QString savedFolder(const QString& name, int sectorId, const QString& version = QStringLiteral("1.2.1.1"))
    {
        const QString path = folderPath(name);
        EXPECT_EQ(dm().ProcessFormFolder(path, ffOpen), TFolderResult::frDone);
        dm().cdsSys.edit();
        dm().cdsSys.fieldByName(u"Sector_ID").setAsInteger(sectorId);
        dm().cdsSys.fieldByName(u"App_Version").setAsString(version);
        dm().cdsSys.post();
        EXPECT_EQ(dm().ProcessFormFolder(dm().CurrentFormFolder, ffSaveAll), TFolderResult::frDone);
        EXPECT_EQ(dm().ProcessFormFolder(dm().CurrentFormFolder, ffClose), TFolderResult::frDone);
        messages->clear();
        return path;
    }

    // Shows the main window without its automatic Open.
    void showMain()
    {
        main().FirstPaint = false;
        main().show();
    }

    // Opens the folder through the Open action.
    void open(const QString& folder)
    {
        chosenFolder = folder;
        main().ActionSelectFolder->trigger();
    }

    int sectorId() { return dm().cdsSys.fieldByName(u"Sector_ID").asInteger(); }

    QTemporaryDir root;
    std::unique_ptr<ProgramForms> forms;
    std::unique_ptr<ScriptedMessages> messages;
    ModalScript modals;
    QString chosenFolder;
    std::vector<Browse> browsed;
    int beeps = 0;
};
