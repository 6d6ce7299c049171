#include "SaveJournal.h"

#include "DataPacket.h"
#include "StagedFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QUrl>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace qx::SaveJournal {

namespace {

constexpr char kHeader[] = "Quendrix save journal 1";
constexpr qint64 kMaxJournalBytes = 1 << 16;  // far more than the pairs of any folder

struct Pair {
    bool had = false;  // a file stood at the target before the save
    qint64 size = 0;   // of the new bytes
    QByteArray digest;
    QString temp;  // names in the folder
    QString target;
};

[[noreturn]] void fail(const QString& text) { throw DataPacketError(text.toStdString()); }

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QByteArray encoded(const QString& path) { return QFile::encodeName(path); }

bool entryExists(const QString& path)
{
    struct stat st {};
    return ::lstat(encoded(path).constData(), &st) == 0;
}

bool isRegularFile(const QString& path)
{
    struct stat st {};
    return ::lstat(encoded(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

// Whether the entry holds the pair's new bytes: a regular file of their size and digest.
bool holdsNewBytes(const QString& path, const Pair& pair)
{
    struct stat st {};
    if (::lstat(encoded(path).constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size != pair.size)
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && StagedFile::digestOf(file.readAll()) == pair.digest;
}

bool isPlainName(const QString& name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(QLatin1Char('/'))
        && !name.contains(QChar(0));
}

QByteArray journalText(const std::vector<Pair>& pairs)
{
    QByteArray text = QByteArray(kHeader) + '\n';
    for (const Pair& p : pairs)
        text += "pair " + QByteArray(p.had ? "1" : "0") + ' ' + QByteArray::number(p.size) + ' ' + p.digest + ' '
            + QUrl::toPercentEncoding(p.temp) + ' ' + QUrl::toPercentEncoding(p.target) + '\n';
    return text + "end " + QByteArray::number(qsizetype(pairs.size())) + ' ' + StagedFile::digestOf(text) + '\n';
}

// The pairs of a whole journal; nothing for one cut short or damaged.
std::optional<std::vector<Pair>> parseJournal(const QByteArray& text)
{
    if (!text.endsWith('\n'))
        return std::nullopt;
    const qsizetype endLine = text.lastIndexOf('\n', text.size() - 2) + 1;
    const QByteArray body = text.left(endLine);
    const QList<QByteArray> end = text.mid(endLine).chopped(1).split(' ');
    if (end.size() != 3 || end[0] != "end" || end[2] != StagedFile::digestOf(body))
        return std::nullopt;
    const QList<QByteArray> lines = body.split('\n');  // the last one empty
    if (lines.size() < 2 || lines[0] != kHeader)
        return std::nullopt;
    std::vector<Pair> pairs;
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const QList<QByteArray> f = lines[i].split(' ');
        if (f.size() != 6 || f[0] != "pair" || (f[1] != "0" && f[1] != "1") || f[3].size() != 64)
            return std::nullopt;
        Pair p;
        bool ok = false;
        p.had = f[1] == "1";
        p.size = f[2].toLongLong(&ok);
        p.digest = f[3];
        p.temp = QString::fromUtf8(QByteArray::fromPercentEncoding(f[4]));
        p.target = QString::fromUtf8(QByteArray::fromPercentEncoding(f[5]));
        if (!ok || p.size < 0 || !isPlainName(p.target) || !StagedFile::isTemporaryOf(p.temp, p.target))
            return std::nullopt;
        pairs.push_back(std::move(p));
    }
    if (end[1] != QByteArray::number(qsizetype(pairs.size())))
        return std::nullopt;
    return pairs;
}

std::optional<std::vector<Pair>> readJournal(const QString& path)
{
    const int fd = ::open(encoded(path).constData(), O_RDONLY | O_NOFOLLOW);
    if (fd < 0)
        return std::nullopt;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    if (file.size() > kMaxJournalBytes)
        return std::nullopt;
    return parseJournal(file.readAll());
}

// For tests of a crash in the burst: QUENDRIX_TEST_KILL_AFTER_RENAMES=K ends the process at once,
// with no chance to tidy up, after K renames (-1: before the journal is written; K at least the
// number of files: after the last rename, before the journal is removed).
void killForTest(int renamesDone, bool last)
{
    static const std::optional<int> at = []() -> std::optional<int> {
        bool ok = false;
        const int k = qEnvironmentVariableIntValue("QUENDRIX_TEST_KILL_AFTER_RENAMES", &ok);
        return ok ? std::optional<int>(k) : std::nullopt;
    }();
    if (at && (*at == renamesDone || (last && *at > renamesDone)))
        ::raise(SIGKILL);
}

// The leftovers and the journal go; the folder is then as one save left it.
void tidyUp(const QString& folder, const QString& journal)
{
    StagedFile::syncFolder(folder);
    StagedFile::removeLeftovers(folder);
    ::unlink(encoded(journal).constData());
    StagedFile::syncFolder(folder);
}

void renameInFolder(const QString& from, const QString& to, const char* what)
{
    if (::rename(encoded(from).constData(), encoded(to).constData()) != 0)
        fail(QStringLiteral("An interrupted save cannot be %1: \"%2\" cannot be renamed to \"%3\": %4")
                 .arg(QLatin1String(what), from, to, systemReason(errno)));
}

}  // namespace

QString fileName() { return QStringLiteral(".quendrix.journal"); }

bool isPending(const QString& folder) { return entryExists(QDir(folder).filePath(fileName())); }

std::optional<Failure> commitTogether(const QString& folder, std::span<StagedFile* const> files)
{
    const QString journal = QDir(folder).filePath(fileName());
    std::vector<Pair> pairs;
    for (const StagedFile* f : files)
        pairs.push_back({entryExists(f->path()), f->size(), f->digest(), QFileInfo(f->temporaryPath()).fileName(),
                         QFileInfo(f->path()).fileName()});
    killForTest(-1, false);
    {
        StagedFile text(journal, journalText(pairs));
        text.commit();
    }
    StagedFile::syncFolder(folder);  // the journal is on disk before anything is renamed

    std::vector<StagedFile::Placed> placed;
    for (std::size_t i = 0; i < files.size(); ++i) {
        killForTest(int(i), false);
        try {
            placed.push_back(files[i]->commit());
        } catch (const std::exception& e) {
            bool restored = true;
            for (std::size_t j = placed.size(); j-- > 0;)
                restored = files[j]->putBack(placed[j]) && restored;
            StagedFile::syncFolder(folder);
            if (restored) {
                ::unlink(encoded(journal).constData());
            } else {
                for (StagedFile* f : files)
                    f->keep();
            }
            return Failure{i, QString::fromUtf8(e.what())};
        }
    }
    killForTest(int(files.size()), true);
    StagedFile::syncFolder(folder);
    // The old bytes first: temporaries found without a journal always mean "never committed".
    for (StagedFile* f : files)
        f->discard();
    ::unlink(encoded(journal).constData());
    return std::nullopt;
}

Recovery recover(const QString& folder)
{
    const QDir dir(folder);
    const QString journal = dir.filePath(fileName());
    if (!entryExists(journal)) {
        const QStringList left = StagedFile::leftovers(folder);
        if (left.isEmpty())
            return Recovery::None;
        StagedFile::removeLeftovers(folder);
        return Recovery::Undone;
    }
    const std::optional<std::vector<Pair>> pairs = readJournal(journal);
    if (!pairs) {
        tidyUp(folder, journal);  // never flushed whole: no rename had begun
        return Recovery::Undone;
    }

    std::vector<bool> renamed, waiting;  // new bytes at the target, or still in the temporary
    for (const Pair& p : *pairs) {
        renamed.push_back(holdsNewBytes(dir.filePath(p.target), p));
        waiting.push_back(!renamed.back() && holdsNewBytes(dir.filePath(p.temp), p));
    }
    bool whole = true;
    for (std::size_t i = 0; i < pairs->size(); ++i)
        whole = whole && (renamed[i] || waiting[i]);

    if (whole) {
        for (std::size_t i = 0; i < pairs->size(); ++i)
            if (waiting[i])
                renameInFolder(dir.filePath((*pairs)[i].temp), dir.filePath((*pairs)[i].target), "finished");
        tidyUp(folder, journal);
        return Recovery::Finished;
    }
    // Some new bytes are lost: the files already renamed go back, each temporary holding its old bytes.
    for (std::size_t i = 0; i < pairs->size(); ++i) {
        const Pair& p = (*pairs)[i];
        if (renamed[i] && p.had && !isRegularFile(dir.filePath(p.temp)))
            fail(QStringLiteral("An interrupted save can be neither finished nor undone: the old bytes of \"%1\" "
                                "are gone and the new bytes of another file are incomplete")
                     .arg(dir.filePath(p.target)));
    }
    for (std::size_t i = 0; i < pairs->size(); ++i) {
        const Pair& p = (*pairs)[i];
        if (!renamed[i])
            continue;
        if (p.had)
            renameInFolder(dir.filePath(p.temp), dir.filePath(p.target), "undone");
        else
            ::unlink(encoded(dir.filePath(p.target)).constData());  // the save made it
    }
    tidyUp(folder, journal);
    return Recovery::Undone;
}

}  // namespace qx::SaveJournal
