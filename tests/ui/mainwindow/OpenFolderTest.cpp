// Opening, saving and closing form folders through the main window: the two states, the
// automatic Open after the first paint, the chooser's start folder, the version log, the sector
// check with the icon set, and quitting.
#include "MainWindowFixture.h"
#include "ui/dialogs/TFormSelectFolder.h"
#include "ui/dialogs/TFormSelectSector.h"
#include "ui/mainwindow/OpenFolderSteps.h"
#include "support/ReadOnlyFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

class OpenFolder : public MainWindowFixture {
protected:
    std::vector<QAction*> folderActions()
    {
        TFormMain& m = main();
        return {m.ActionSaveAll, m.ActionSaveAndCloseAll, m.ActionFillM1, m.ActionFillAnexoA,
                m.ActionFillAnexoB, m.ActionFillM3, m.ActionFillM3A, m.ActionFillM4};
    }
    void expectState(bool folderOpen)
    {
        for (QAction* a : folderActions())
            EXPECT_EQ(a->isEnabled(), folderOpen) << a->objectName().toStdString();
        EXPECT_EQ(main().miFillForm->isEnabled(), folderOpen);
        for (QAction* a : {main().ActionSelectFolder, main().ActionQuit, main().Sobre1})
            EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
        EXPECT_EQ(main().StatusPanels[3]->text(), dm().CurrentFormFolder);
        EXPECT_EQ(dm().CurrentFormFolder.isEmpty(), !folderOpen);
    }
    // Runs the event loop for `ms` milliseconds.
    static void wait(int ms)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
};

TEST_F(OpenFolder, TwoStatesFollowTheOpenFolder)
{
    showMain();
    expectState(false);
    const QString folder = savedFolder(QStringLiteral("a"), 0);
    open(folder);
    expectState(true);
    EXPECT_EQ(main().StatusPanels[3]->text(), folder + QLatin1Char('/'));
    EXPECT_EQ(main().StatusPanels[1]->text(), QStringLiteral("1.2.1.1 / 1.0"));
    main().ActionSaveAndCloseAll->trigger();
    expectState(false);
}

// Starts a clock at the first paint of the watched widget.
class FirstPaintClock : public QObject {
public:
    QElapsedTimer clock;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !clock.isValid())
            clock.start();
        return false;
    }
};

TEST_F(OpenFolder, AutomaticOpenRunsOnceHalfASecondAfterTheFirstPaint)
{
    FirstPaintClock firstPaint;
    main().centralWidget()->installEventFilter(&firstPaint);
    qint64 openedAfter = -1;
    SetFolderBrowser([&](QWidget*, const QString& title, const QString& start) {
        openedAfter = firstPaint.clock.elapsed();
        browsed.push_back({title, start, QString()});
        return QString();
    });
    main().show();
    QElapsedTimer waited;
    waited.start();
    while (browsed.empty() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    ASSERT_EQ(browsed.size(), 1u);
    EXPECT_GE(openedAfter, 500);
    EXPECT_EQ(browsed[0].title, QStringLiteral("開啟表格資料夾 &Abrir a Pasta do Modelo"));
    main().hide();
    main().show();
    main().repaint();
    wait(800);
    EXPECT_EQ(browsed.size(), 1u) << "once per run";
}

TEST_F(OpenFolder, StartFolderIsTheOpenOneElseTheRememberedOneElseFormsBesideTheProgram)
{
    open(QString());  // cancelled: nothing remembered yet
    ASSERT_EQ(browsed.size(), 1u);
    // "Forms" beside the program's folder does not exist on a first run: the chooser starts in
    // the nearest folder above it that does.
    const QString forms = DefaultFormsFolder(QCoreApplication::applicationFilePath());
    ASSERT_FALSE(QFileInfo::exists(forms));
    EXPECT_TRUE(QFileInfo(browsed[0].startFolder).isDir()) << browsed[0].startFolder.toStdString();
    EXPECT_TRUE(forms.startsWith(browsed[0].startFolder)) << browsed[0].startFolder.toStdString();

    const QString first = savedFolder(QStringLiteral("first"), 0);
    const QString second = savedFolder(QStringLiteral("second"), 0);
    open(first);
    ASSERT_EQ(dm().CurrentFormFolder, first + QLatin1Char('/'));
    open(second);
    ASSERT_EQ(browsed.size(), 3u);
    EXPECT_EQ(browsed[2].startFolder, first + QLatin1Char('/'));
    EXPECT_TRUE(browsed[2].openFolderAtThatTime.isEmpty()) << "saved and closed before the chooser";

    main().ActionSaveAndCloseAll->trigger();
    open(QString());
    EXPECT_EQ(browsed.back().startFolder, second + QLatin1Char('/')) << "the registry's folder";

    // The remembered folder deleted since: the chooser starts in the folder that held it.
    ASSERT_TRUE(QDir(second).removeRecursively());
    open(QString());
    EXPECT_EQ(browsed.back().startFolder, QFileInfo(second).absolutePath());
}

TEST_F(OpenFolder, DefaultFormsFolderIsBesideTheProgramsFolderAndTheChooserStartsWhereAFolderIs)
{
    EXPECT_EQ(DefaultFormsFolder(QStringLiteral("/opt/app/bin/quendrix")), QStringLiteral("/opt/app/Forms"));
    EXPECT_EQ(DefaultFormsFolder(QStringLiteral("/quendrix")), QStringLiteral("/Forms"));

    QTemporaryDir top;
    ASSERT_TRUE(QDir(top.path()).mkpath(QStringLiteral("app/bin")));
    const QString app = top.path() + QStringLiteral("/app");
    const struct {
        QString path, start;
    } cases[] = {
        {app, app},
        {app + QStringLiteral("/Forms"), app},
        {app + QStringLiteral("/Forms/2008/decl"), app},
        {QStringLiteral("/no-such-folder-qx/Forms"), QStringLiteral("/")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NearestExistingFolder(c.path), c.start) << c.path.toStdString();
    EXPECT_EQ(OpenStartFolder(QString(), QString(), app + QStringLiteral("/bin/quendrix")), app)
        << "no Forms beside bin yet";
}

TEST_F(OpenFolder, CancelledChooserLeavesNoFolderOpenAfterTheOldOneWasClosed)
{
    open(savedFolder(QStringLiteral("a"), 0));
    open(QString());
    expectState(false);
}

TEST_F(OpenFolder, VersionChangeIsLoggedOncePerOpenWithAnotherVersion)
{
    const QString folder = savedFolder(QStringLiteral("old"), 0, QStringLiteral("1.2.0.0"));
    SetFixedNow(QDateTime(QDate(2008, 3, 5), QTime(14, 3, 7)));
    open(folder);
    const QString entry = QStringLiteral("\r\n[20080305 14:03:07]\r\nApp_Version=1.2.0.0 -> 1.2.1.1");
    EXPECT_EQ(dm().cdsSys.fieldByName(u"App_Log").asString(), entry);
    EXPECT_EQ(dm().cdsSys.fieldByName(u"App_Version").asString(), QStringLiteral("1.2.1.1"));
    main().ActionSaveAndCloseAll->trigger();
    open(folder);
    EXPECT_EQ(dm().cdsSys.fieldByName(u"App_Log").asString(), entry) << "the same version adds nothing";
}

TEST_F(OpenFolder, FolderWithoutValidSectorShowsTheSectorDialogUnderTheHourglass)
{
    struct Case {
        int stored;
        bool chooseBank;
        int expected;
    };
    for (const Case c : {Case{-1, false, 0}, Case{5, true, 21}}) {
        const QString folder = savedFolder(QStringLiteral("s%1").arg(c.stored), c.stored);
        bool hourglass = false;
        modals.then([&](QWidget& w) {
            auto& dialog = static_cast<TFormSelectSector&>(w);
            hourglass = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            EXPECT_TRUE(dialog.RadioButtonGeral->isChecked());
            if (c.chooseBank) {
                dialog.RadioButtonBank->setChecked(true);
                dialog.BitBtn1->click();
            } else {
                dialog.BitBtn2->click();
            }
        });
        open(folder);
        EXPECT_TRUE(modals.done());
        EXPECT_TRUE(hourglass);
        EXPECT_EQ(sectorId(), c.expected);
        expectState(true);
    }
    EXPECT_EQ(modals.seen, (QStringList{QStringLiteral("FormSelectSector"), QStringLiteral("FormSelectSector")}));
    EXPECT_EQ(main().ActionImages(), &main().ImageList24x24Bank);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(OpenFolder, IconSetFollowsTheSectorOfTheFolderLastOpenedAndSurvivesItsClose)
{
    EXPECT_EQ(main().ActionImages(), &main().ImageList24x24Geral);
    open(savedFolder(QStringLiteral("seg"), 11));
    EXPECT_EQ(main().ActionImages(), &main().ImageList24x24Seg);
    main().ActionSaveAndCloseAll->trigger();
    EXPECT_EQ(main().ActionImages(), &main().ImageList24x24Seg);
    open(savedFolder(QStringLiteral("geral"), 0));
    EXPECT_EQ(main().ActionImages(), &main().ImageList24x24Geral);
}

TEST_F(OpenFolder, HiddenSecondOpenTakesThePickersFolderWithoutVersionLogOrSectorCheck)
{
    const QString folder = savedFolder(QStringLiteral("second"), -1, QStringLiteral("1.2.0.0"));
    modals.then([&](QWidget& w) {
        auto& picker = static_cast<TFormSelectFolder&>(w);
        ASSERT_TRUE(picker.SetTreePath(folder));
        picker.btnOpen->click();
    });
    main().OpenFormFolder21->trigger();
    EXPECT_EQ(modals.seen, QStringList{QStringLiteral("FormSelectFolder")});
    expectState(true);
    EXPECT_EQ(sectorId(), -1);
    EXPECT_TRUE(dm().cdsSys.fieldByName(u"App_Log").isNull());
    EXPECT_TRUE(browsed.empty());
}

TEST_F(OpenFolder, RefusedOpenStaysInTheNoFolderState)
{
    messages->answer(QStringLiteral("DM-008"), mrNo);
    open(folderPath(QStringLiteral("empty")));
    EXPECT_EQ(messages->codes(), QStringList{QStringLiteral("DM-008")});
    expectState(false);
}

TEST_F(OpenFolder, AFolderNobodyCanSaveIntoOpensAfterANoticeWithSaveOffSayingWhy)
{
    const QString folder = savedFolder(QStringLiteral("ro"), 0);
    showMain();
    qxtest::ReadOnlyFolder readOnly(folder);
    if (!readOnly.made())
        GTEST_SKIP() << "running as root without chattr: a read-only folder cannot be produced";
    open(folder);
    EXPECT_EQ(messages->codes(), QStringList{QStringLiteral("DM-021")});
    QAction* save = main().ActionSaveAll;
    EXPECT_FALSE(save->isEnabled());
    EXPECT_TRUE(save->statusTip().contains(QStringLiteral("唯讀")) && save->statusTip().contains(QStringLiteral("só de leitura")))
        << qPrintable(save->statusTip());
    EXPECT_EQ(save->toolTip(), save->statusTip());
    for (QAction* a : {main().ActionSaveAndCloseAll, main().ActionFillM1, main().ActionFillM3})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString() << ": the folder is there to read and print";
    EXPECT_FALSE(main().ActionSaveAndCloseAll->statusTip().isEmpty());

    main().ActionSaveAndCloseAll->trigger();
    expectState(false);
    readOnly.release();
    open(folder);
    expectState(true);
    EXPECT_TRUE(save->statusTip().isEmpty());
    main().ActionSaveAndCloseAll->trigger();
}

TEST_F(OpenFolder, QuittingAsksToSaveThenClosesTheFolderAlsoWhenTheAnswerIsNo)
{
    for (const int answer : {mrYes, mrNo}) {
        const QString folder = savedFolder(QStringLiteral("q%1").arg(answer), 0);
        showMain();
        open(folder);
        dm().cdsM1P1.edit();
        dm().cdsM1P1.fieldByName(u"Nome_Contribuinte_1").setAsString(QStringLiteral("Lda. %1").arg(answer));
        dm().cdsM1P1.post();
        messages->clear();
        messages->answer(QStringLiteral("DM-010"), answer);
        main().ActionQuit->trigger();
        EXPECT_EQ(messages->codes(), QStringList{QStringLiteral("DM-010")});
        EXPECT_FALSE(main().isVisible()) << "the window closed";
        expectState(false);
        // What was saved is what the folder holds now.
        open(folder);
        EXPECT_EQ(dm().cdsM1P1.fieldByName(u"Nome_Contribuinte_1").asString(),
                  answer == mrYes ? QStringLiteral("Lda. 6") : QString());
        main().ActionSaveAndCloseAll->trigger();
    }
}

TEST_F(OpenFolder, FailedSaveKeepsTheFolderOpenAndTheWindowUp)
{
    const QString folder = savedFolder(QStringLiteral("full"), 0);
    showMain();
    open(folder);
    dm().cdsM1P1.edit();
    dm().cdsM1P1.fieldByName(u"Nome_Contribuinte_1").setAsString(QStringLiteral("Kept"));
    dm().cdsM1P1.post();
    // The file's place is taken by a folder: it cannot be written.
    ASSERT_TRUE(QFile::remove(folder + QStringLiteral("/M1P1.xml")));
    ASSERT_TRUE(QDir().mkdir(folder + QStringLiteral("/M1P1.xml")));
    messages->clear();
    browsed.clear();

    for (QAction* command : {main().ActionQuit, main().ActionSaveAndCloseAll, main().ActionSelectFolder}) {
        command->trigger();
        EXPECT_TRUE(messages->codes().contains(QStringLiteral("DM-005"))) << command->objectName().toStdString();
        EXPECT_TRUE(main().isVisible());
        expectState(true);
        EXPECT_EQ(dm().cdsM1P1.fieldByName(u"Nome_Contribuinte_1").asString(), QStringLiteral("Kept"));
        messages->clear();
    }
    EXPECT_EQ(browsed.size(), 0u) << "Open stopped before the chooser";
    // Once the file can be written again, quitting saves and ends.
    ASSERT_TRUE(QDir().rmdir(folder + QStringLiteral("/M1P1.xml")));
    main().ActionQuit->trigger();
    EXPECT_FALSE(main().isVisible());
    expectState(false);
}

}  // namespace
