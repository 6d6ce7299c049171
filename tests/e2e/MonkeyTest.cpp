// A seeded monkey over a filled folder: random keys, clicks and wheel turns in the main window,
// the editors and the dialogs, the message dialog answered at random. Nothing may crash, nothing
// a person could not cause may reach the last-resort handler, every window closes at the end
// (one that keeps refusing fails the test with its name), and the folder must save, open again
// and hold only values its fields take.
//   One run per seed of kSeeds with its number of events (QX_MONKEY_EVENTS gives every run that
//   many); QX_MONKEY_SEED runs that seed alone.
#include "Monkey.h"
#include "ProgramRun.h"
#include "support/ScriptedMessages.h"
#include "ui/editors/SampleValues.h"
#include "ui/mainwindow/BrowseForFolder.h"

#include <QAction>
#include <QDialog>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <iterator>
#include <string>
#include <vector>
#include <gtest/gtest.h>

namespace {

int EnvInt(const char* name, int fallback)
{
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok ? v : fallback;
}

struct SeedRun {
    unsigned seed;
    int events;
};

// Seed 4242 typed a year before 1 into the calendar after some 195,000 events: the folder could
// then be neither saved nor closed.
const SeedRun kSeeds[] = {{21, 3000}, {505, 3000}, {3, 3000}, {4242, 200000}};

void PrintTo(const SeedRun& run, std::ostream* out) { *out << "seed " << run.seed << ", " << run.events << " events"; }

std::vector<SeedRun> Seeds()
{
    bool given = false;
    const int seed = qEnvironmentVariableIntValue("QX_MONKEY_SEED", &given);
    if (!given)
        return std::vector<SeedRun>(std::begin(kSeeds), std::end(kSeeds));
    for (const SeedRun& run : kSeeds)
        if (run.seed == unsigned(seed))
            return {run};
    return {{unsigned(seed), 3000}};
}

class MonkeyRun : public testing::TestWithParam<SeedRun> {};

TEST_P(MonkeyRun, RandomKeysClicksAndWheelOverAFilledFolder)
{
    const int events = EnvInt("QX_MONKEY_EVENTS", GetParam().events);
    const unsigned seed = GetParam().seed;
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString folder = root.path() + QStringLiteral("/filled");
    QDir().mkpath(folder);
    SetFolderBrowser([&](QWidget*, const QString&, const QString&) { return folder; });
    {
        ScriptedMessages messages;
        ProgramRun run(&messages);
        OpenNewFolder(run);
        ASSERT_FALSE(run.dm().CurrentFormFolder.isEmpty());
        FillPages(run.dm());
        run.main().ActionSaveAndCloseAll->trigger();
    }

    QElapsedTimer clock;
    clock.start();
    {
        ProgramRun run;
        Monkey monkey(seed, run.main());
        run.main().FirstPaint = false;
        run.main().show();
        run.main().ActionSelectFolder->trigger();
        monkey.Run(events);
        // The person ends the day: the folder (opened again if the monkey closed it) is saved.
        if (run.dm().CurrentFormFolder.isEmpty())
            run.main().ActionSelectFolder->trigger();
        ASSERT_FALSE(run.dm().CurrentFormFolder.isEmpty());
        run.main().ActionSaveAndCloseAll->trigger();
        EXPECT_TRUE(run.dm().CurrentFormFolder.isEmpty()) << "the folder did not save and close";

        std::cout << "monkey: seed " << seed << ", " << events << " events in " << clock.elapsed() << " ms;";
        for (const auto& [kind, n] : monkey.eventsByKind)
            std::cout << " " << kind.toStdString() << " " << n << ";";
        for (const auto& [window, n] : monkey.windows)
            std::cout << " " << window.toStdString() << " " << n << ";";
        std::cout << " refused inputs " << monkey.refusedInputs << "; messages";
        for (const auto& [code, n] : monkey.messageCodes)
            std::cout << " " << code.toStdString() << "×" << n;
        std::cout << std::endl;
        for (const auto& [text, n] : monkey.lastResortErrors)
            ADD_FAILURE() << "reached the last-resort handler " << n << " times: " << text.toStdString();
        for (const auto& [window, n] : monkey.refusedToClose)
            ADD_FAILURE() << window.toStdString() << " refused to close " << n << " times in a row";
    }

    ScriptedMessages messages;
    ProgramRun again(&messages);
    again.main().FirstPaint = false;
    again.main().ActionSelectFolder->trigger();
    ASSERT_FALSE(again.dm().CurrentFormFolder.isEmpty()) << "the folder does not open again";
    const QStringList faults = InvalidStoredValues(again.dm());
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
    SetFolderBrowser(nullptr);
}

// The closing at the end of a run never hangs: a window that refuses every close is named and
// put away, and the run ends.
TEST(MonkeyClosing, AWindowThatKeepsRefusingIsNamedAndTheRunEnds)
{
    class Stubborn final : public QDialog {
    public:
        void done(int) override {}
    };
    QWidget home;
    home.show();
    Stubborn stubborn;
    stubborn.setObjectName(QStringLiteral("Stubborn"));
    stubborn.setWindowModality(Qt::ApplicationModal);
    stubborn.show();
    Monkey monkey(1, home);
    monkey.Run(0);
    EXPECT_EQ(monkey.refusedToClose, (std::map<QString, int>{{QStringLiteral("Stubborn"), Monkey::kCloseTries}}));
    EXPECT_FALSE(stubborn.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Seeds, MonkeyRun, testing::ValuesIn(Seeds()),
                         [](const testing::TestParamInfo<SeedRun>& info) { return "seed" + std::to_string(info.param.seed); });

}  // namespace
