#include "SaveTestHooks.h"

#include <QByteArray>
#include <QList>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <optional>

namespace qx::SaveTestHooks {

namespace {

bool counting = false;
bool stepping = false;   // a save is between its start and its burst
int stepsDone = 0;
bool afterBurst = false;  // a burst has ended; no flush of the folder failed since
int renamesDone = 0;     // in the burst, for the kills
int processRenames = 0;  // in every burst of the process, for the faults
int bursts = 0;
int putBacksTried = 0;

QByteArray environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? QByteArray(value) : QByteArray();
}

std::optional<int> killAfter()
{
    bool ok = false;
    const int k = environment("QUENDRIX_TEST_KILL_AFTER_RENAMES").toInt(&ok);
    return ok ? std::optional<int>(k) : std::nullopt;
}

// The value of WORD=VALUE, or "" for a bare WORD, among the faults asked for.
std::optional<QByteArray> fault(const char* word)
{
    for (const QByteArray& item : environment("QUENDRIX_TEST_FAULTS").split(',')) {
        const qsizetype equals = item.indexOf('=');
        if ((equals < 0 ? item : item.left(equals)) == word)
            return equals < 0 ? QByteArray() : item.mid(equals + 1);
    }
    return std::nullopt;
}

void killNow() { ::raise(SIGKILL); }

std::optional<int> killAfterSteps()
{
    bool ok = false;
    const int n = environment("QUENDRIX_TEST_KILL_AFTER_STEPS").toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

}  // namespace

void startSave()
{
    stepping = true;
    stepsDone = 0;
}

void step()
{
    if (!stepping)
        return;
    if (killAfterSteps() == stepsDone)
        killNow();
    ++stepsDone;
}

void startBurst()
{
    stepping = false;
    counting = true;
    renamesDone = 0;
    ++bursts;
    if (killAfter() == 0)
        killNow();
}

void endBurst()
{
    counting = false;
    afterBurst = true;
}

int renameFault()
{
    if (!counting)
        return 0;
    // Every try at that moment of the burst fails, and no later burst meets it again.
    static int failedInBurst = 0;
    const std::optional<QByteArray> at = fault("rename-fails");
    if (!at || at->toInt() != processRenames || (failedInBurst != 0 && failedInBurst != bursts))
        return 0;
    failedInBurst = bursts;
    return EIO;
}

void renamed()
{
    if (!counting)
        return;
    ++renamesDone;
    ++processRenames;
    if (killAfter() == renamesDone)
        killNow();
}

bool noExchange() { return fault("no-exchange").has_value(); }

int putBackFault()
{
    const std::optional<QByteArray> which = fault("putback-fails");
    const int tried = putBacksTried++;
    return which && (which->isEmpty() || which->toInt() == tried) ? EIO : 0;
}

int journalRemovalFault() { return fault("journal-removal-fails") ? EIO : 0; }

int discardFault() { return fault("discard-fails") ? EIO : 0; }

int journalReadFault() { return fault("journal-read-fails") ? EIO : 0; }

int folderFlushFault()
{
    if (!afterBurst || !fault("flush-after-renames-fails"))
        return 0;
    afterBurst = false;
    return EIO;
}

void beforeJournal()
{
    if (killAfter() == -1)
        killNow();
}

void afterLastRename()
{
    const std::optional<int> k = killAfter();
    if (k && *k > renamesDone)
        killNow();
}

void afterDiscard()
{
    if (environment("QUENDRIX_TEST_KILL_AFTER_RENAMES") == "discarded")
        killNow();
}

}  // namespace qx::SaveTestHooks
