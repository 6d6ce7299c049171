#include "SaveJournal.h"

#include "DataPacket.h"
#include "RegularFile.h"
#include "SaveTestHooks.h"
#include "StagedFile.h"
#include "SystemReason.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSet>
#include <QUrl>
#include <cerrno>
#include <unistd.h>
#include <vector>

namespace qx::SaveJournal {

namespace {

constexpr char kHeader1[] = "Quendrix save journal 1";
constexpr char kHeader2[] = "Quendrix save journal 2";
constexpr qint64 kMaxJournalBytes = 1 << 16;  // far more than the pairs of any folder

using Why = UnusableJournal::Why;

// Bytes told apart by their size and digest; no digest: not known (a journal of version 1).
struct Bytes {
    qint64 size = 0;
    QByteArray digest;
};

struct Pair {
    bool had = false;  // a file stood at the target before the save
    Bytes fresh;       // the new bytes
    Bytes old;         // the bytes the save replaced
    QString temp;      // names in the folder
    QString target;
};

[[noreturn]] void fail(const QString& text) { throw DataPacketError(text.toStdString()); }

QByteArray encoded(const QString& name) { return QFile::encodeName(name); }

// The size and digest of what the open file holds from its current place: 0, or the system's error.
int readBytesOf(int fd, Bytes* bytes)
{
    QCryptographicHash hash(QCryptographicHash::Blake2b_256);
    qint64 size = 0;
    const int error = RegularFile::readPieces(fd, [&](QByteArrayView piece) {
        hash.addData(piece);
        size += piece.size();
        return 0;
    });
    if (error == 0)
        *bytes = {size, hash.result().toHex()};
    return error;
}

// ---- Writing

// The pair of a staged file: its new bytes, and the old ones read from its target in the folder.
Pair pairOf(int folder, const StagedFile& file)
{
    Pair p{false, {file.size(), file.digest()}, {0, QByteArray("-")}, file.temporaryName(),
           QFileInfo(file.path()).fileName()};
    const RegularFile::Opened old = RegularFile::open(folder, encoded(p.target), O_RDONLY);
    int error = old.fd ? readBytesOf(old.fd.get(), &p.old) : old.error;
    if (old.fd && error == 0)
        p.had = true;
    else if (error == ENOENT)
        error = 0;
    if (error != 0)
        fail(QStringLiteral("The file \"%1\" cannot be read: %2").arg(file.path(), SystemReason(error)));
    return p;
}

QByteArray journalText(const std::vector<Pair>& pairs)
{
    QByteArray text = QByteArray(kHeader2) + '\n';
    for (const Pair& p : pairs)
        text += "pair " + QByteArray(p.had ? "1" : "0") + ' ' + QByteArray::number(p.fresh.size) + ' ' + p.fresh.digest
            + ' ' + QByteArray::number(p.old.size) + ' ' + p.old.digest + ' ' + QUrl::toPercentEncoding(p.temp) + ' '
            + QUrl::toPercentEncoding(p.target) + '\n';
    return text + "end " + QByteArray::number(qsizetype(pairs.size())) + ' ' + StagedFile::digestOf(text) + '\n';
}

// ---- Reading

bool isDigest(const QByteArray& text)
{
    if (text.size() != 64)
        return false;
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

std::optional<Bytes> bytesOf(const QByteArray& size, const QByteArray& digest)
{
    bool ok = false;
    const qint64 n = size.toLongLong(&ok);
    if (!ok || n < 0 || !isDigest(digest))
        return std::nullopt;
    return Bytes{n, digest};
}

// One "pair" line of a journal of `version` whose target is one of `targets`; nothing when it is not one.
std::optional<Pair> parsePair(const QByteArray& line, int version, const QStringList& targets)
{
    const QList<QByteArray> f = line.split(' ');
    const qsizetype names = version == 1 ? 4 : 6;
    if (f.size() != names + 2 || f[0] != "pair" || (f[1] != "0" && f[1] != "1"))
        return std::nullopt;
    Pair p;
    p.had = f[1] == "1";
    const std::optional<Bytes> fresh = bytesOf(f[2], f[3]);
    if (!fresh)
        return std::nullopt;
    p.fresh = *fresh;
    if (version == 2) {
        const std::optional<Bytes> old = bytesOf(f[4], f[5]);
        if (p.had && !old)
            return std::nullopt;
        if (!p.had && (f[4] != "0" || f[5] != "-"))
            return std::nullopt;
        if (old)
            p.old = *old;
    }
    p.temp = QString::fromUtf8(QByteArray::fromPercentEncoding(f[names]));
    p.target = QString::fromUtf8(QByteArray::fromPercentEncoding(f[names + 1]));
    if (!targets.contains(p.target) || !StagedFile::isTemporaryOf(p.temp, p.target))
        return std::nullopt;
    return p;
}

// The pairs of a whole journal; nothing for one cut short, altered, or naming other files.
std::optional<std::vector<Pair>> parseJournal(const QByteArray& text, const QStringList& targets)
{
    if (!text.endsWith('\n'))
        return std::nullopt;
    const qsizetype endLine = text.lastIndexOf('\n', text.size() - 2) + 1;
    const QByteArray body = text.left(endLine);
    const QList<QByteArray> end = text.mid(endLine).chopped(1).split(' ');
    if (end.size() != 3 || end[0] != "end" || end[2] != StagedFile::digestOf(body))
        return std::nullopt;
    const QList<QByteArray> lines = body.split('\n');  // the last one empty
    const int version = lines.value(0) == kHeader1 ? 1 : lines.value(0) == kHeader2 ? 2 : 0;
    if (lines.size() < 2 || version == 0)
        return std::nullopt;
    std::vector<Pair> pairs;
    QSet<QString> seenTargets;
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        std::optional<Pair> p = parsePair(lines[i], version, targets);
        if (!p || seenTargets.contains(p->target))
            return std::nullopt;
        seenTargets.insert(p->target);
        pairs.push_back(std::move(*p));
    }
    if (end[1] != QByteArray::number(qsizetype(pairs.size())))
        return std::nullopt;
    return pairs;
}

std::vector<Pair> readJournal(int folder, const QString& path, const QStringList& targets)
{
    const RegularFile::Opened file = RegularFile::open(folder, encoded(fileName()), O_RDONLY);
    if (file.irregular)
        throw UnusableJournal(Why::NotARegularFile, path);
    if (!file.fd)
        throw UnusableJournal(Why::Unreadable, path, file.error);
    if (file.size > kMaxJournalBytes)
        throw UnusableJournal(Why::Damaged, path);
    QByteArray text;
    int error = SaveTestHooks::journalReadFault();
    if (error == 0)
        error = RegularFile::readAll(file.fd.get(), kMaxJournalBytes, &text);
    if (error == EFBIG)
        throw UnusableJournal(Why::Damaged, path);
    if (error != 0)
        throw UnusableJournal(Why::Unreadable, path, error);
    std::optional<std::vector<Pair>> pairs = parseJournal(text, targets);
    if (!pairs)
        throw UnusableJournal(Why::Damaged, path);
    return std::move(*pairs);
}

// ---- Recovering

// What stands under a name the journal gives: nothing, or a regular file holding the pair's new
// bytes, its old ones, or other bytes.
struct Seen {
    bool present = false;
    bool isNew = false;
    bool isOld = false;
};

// `readable`: what may still be read to tell the files apart, less what this file takes.
Seen seen(int folder, const QString& folderPath, const QString& name, const Pair& p, qint64& readable)
{
    Seen s;
    const RegularFile::Opened file = RegularFile::open(folder, encoded(name), O_RDONLY);
    if (!file.fd) {
        if (file.irregular)
            throw UnusableJournal(Why::NotARegularFile, folderPath + name);
        if (file.error != ENOENT)
            throw UnusableJournal(Why::Unreadable, folderPath + name, file.error);
        return s;
    }
    s.present = true;
    // No save writes more than a packet may hold, and a whole declaration is far smaller: a file
    // beyond what is left to read (a sparse one costs no disk) is refused unread.
    if (file.size > readable)
        throw UnusableJournal(Why::Damaged, folderPath + name);
    const bool oldKnown = p.had && !p.old.digest.isEmpty();
    if (file.size == p.fresh.size || (oldKnown && file.size == p.old.size)) {
        readable -= file.size;
        Bytes bytes;
        if (const int error = readBytesOf(file.fd.get(), &bytes))
            throw UnusableJournal(Why::Unreadable, folderPath + name, error);
        s.isNew = bytes.size == p.fresh.size && bytes.digest == p.fresh.digest;
        s.isOld = oldKnown && bytes.size == p.old.size && bytes.digest == p.old.digest;
    }
    return s;
}

struct PairState {
    Seen target, temp, aside;
};

QString asideOf(const Pair& p) { return StagedFile::asideOf(p.temp); }

// The regular files among `names` that are temporaries or aside names the program makes for `of`.
QStringList leftoversOf(int folder, const QStringList& names, const QString& of)
{
    QStringList own;
    for (const QString& name : names)
        // Every such name holds ".qxtmp." or ".qxold."; the files of the declaration, most of a
        // folder, are passed over without comparing them with each name the program could make.
        if (name.contains(QLatin1String(".qx")) && (StagedFile::isTemporaryOf(name, of) || StagedFile::isAsideOf(name, of))
            && RegularFile::entryOf(folder, encoded(name)) == RegularFile::Entry::Regular)
            own << name;
    return own;
}

// Settles what a save left without its journal (never written, or lost since: a copy without
// hidden files). How far it came cannot be told, so nothing that may be the only copy of a
// version of a file is removed: a missing file whose old bytes the save had set aside gets them
// back, and every other leftover of a file stays. The journal's own leftovers hold nothing of
// the declaration and go.
Recovery settleUnrecorded(int folder, const QStringList& targets, Leftovers& found)
{
    QStringList names;
    for (const QByteArray& name : RegularFile::namesIn(folder))
        names << QFile::decodeName(name);
    bool removed = false;
    for (const QString& name : leftoversOf(folder, names, fileName()))
        removed = RegularFile::removeIn(folder, encoded(name)) == 0 || removed;
    for (const QString& target : targets) {
        QStringList own = leftoversOf(folder, names, target);
        QStringList asides;
        for (const QString& name : own)
            if (StagedFile::isAsideOf(name, target))
                asides << name;
        if (asides.size() == 1 && RegularFile::entryOf(folder, encoded(target)) == RegularFile::Entry::Missing
            && RegularFile::renameIn(folder, encoded(asides[0]), encoded(target)) == 0) {
            found.putBack << target;
            own.removeOne(asides[0]);
        }
        found.kept << own;
    }
    RegularFile::syncFolder(folder);
    if (!found.putBack.isEmpty() || !found.kept.isEmpty())
        return Recovery::Unrecorded;
    return removed ? Recovery::Undone : Recovery::None;
}

void renameOrFail(int folder, const QString& folderPath, const QString& from, const QString& to, const char* what)
{
    if (const int error = RegularFile::renameIn(folder, encoded(from), encoded(to)))
        fail(QStringLiteral("An interrupted save cannot be %1: \"%2\" cannot be renamed to \"%3\": %4")
                 .arg(QLatin1String(what), folderPath + from, folderPath + to, SystemReason(error)));
}

// One step of an undo: the old bytes back under the target (from the temporary or the aside
// name), or the file the save created removed.
struct UndoStep {
    const Pair* pair;
    enum { Nothing, FromTemporary, FromAside, RemoveTarget } action;
};

UndoStep undoStepOf(const Pair& p, const PairState& s, const QString& folderPath)
{
    const bool targetIsOld = p.had ? s.target.isOld : !s.target.present;
    if (targetIsOld)
        return {&p, UndoStep::Nothing};
    if (!p.had && s.target.isNew)
        return {&p, UndoStep::RemoveTarget};
    if (p.had && s.temp.isOld)
        return {&p, UndoStep::FromTemporary};
    if (p.had && s.aside.isOld)
        return {&p, UndoStep::FromAside};
    if (p.had)
        fail(QStringLiteral("An interrupted save can be neither finished nor undone: the old bytes of \"%1\" "
                            "are gone and the new bytes of another file are incomplete")
                 .arg(folderPath + p.target));
    fail(QStringLiteral("An interrupted save can be neither finished nor undone: \"%1\" holds neither what it "
                        "held before the save nor what the save wrote")
             .arg(folderPath + p.target));
}

// What the journal names besides the targets, then the journal, go: the folder is then as one
// save left it.
void tidyUp(int folder, const QString& folderPath, const std::vector<Pair>& pairs)
{
    RegularFile::syncFolder(folder);
    for (const Pair& p : pairs) {
        RegularFile::removeIn(folder, encoded(p.temp));
        RegularFile::removeIn(folder, encoded(asideOf(p)));
    }
    RegularFile::removeIn(folder, encoded(fileName()));
    RegularFile::syncFolder(folder);
}

// Finishes the save the journal at `journalPath` describes when the new bytes of every file are
// at hand, else undoes it; None when nothing it names is in the folder (the journal goes then).
Recovery settle(int at, const QString& folderPath, const std::vector<Pair>& pairs, const QString& journalPath)
{
    std::vector<PairState> states;
    bool matches = false;   // the journal describes something in this folder
    bool complete = true;   // the new bytes of every file are at hand
    qint64 readable = DataPacket::kMaxPacketBytes;
    for (const Pair& p : pairs) {
        const PairState s{seen(at, folderPath, p.target, p, readable), seen(at, folderPath, p.temp, p, readable),
                          seen(at, folderPath, asideOf(p), p, readable)};
        matches = matches || s.target.isNew || s.temp.present || s.aside.present;
        complete = complete && (s.target.isNew || s.temp.isNew);
        states.push_back(s);
    }
    if (!matches) {
        // Not the journal of a save of this folder (no file it names is there): it changed nothing.
        RegularFile::removeIn(at, encoded(fileName()));
        RegularFile::syncFolder(at);
        return Recovery::None;
    }

    if (complete) {
        for (std::size_t i = 0; i < pairs.size(); ++i)
            if (!states[i].target.isNew)
                renameOrFail(at, folderPath, pairs[i].temp, pairs[i].target, "finished");
        tidyUp(at, folderPath, pairs);
        return Recovery::Finished;
    }
    // A journal of version 1 did not record the old bytes: nothing vouches for what it would put back.
    for (const Pair& p : pairs)
        if (p.had && p.old.digest.isEmpty())
            throw UnusableJournal(Why::Damaged, journalPath);
    // Some new bytes are lost: the files already renamed go back. Every step is known possible
    // before the first is taken, so a save that can be neither finished nor undone changes nothing.
    std::vector<UndoStep> steps;
    for (std::size_t i = 0; i < pairs.size(); ++i)
        steps.push_back(undoStepOf(pairs[i], states[i], folderPath));
    for (const UndoStep& step : steps) {
        const Pair& p = *step.pair;
        switch (step.action) {
        case UndoStep::Nothing: break;
        case UndoStep::FromTemporary: renameOrFail(at, folderPath, p.temp, p.target, "undone"); break;
        case UndoStep::FromAside: renameOrFail(at, folderPath, asideOf(p), p.target, "undone"); break;
        case UndoStep::RemoveTarget: RegularFile::removeIn(at, encoded(p.target)); break;
        }
    }
    tidyUp(at, folderPath, pairs);
    return Recovery::Undone;
}

// Removes the journal of a save that is over: 0, or the system's error.
int removeJournal(int folder)
{
    if (const int injected = SaveTestHooks::journalRemovalFault())
        return injected;
    return RegularFile::removeIn(folder, encoded(fileName()));
}

QString withDelimiter(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString whyText(Why why, const QString& path, int error)
{
    switch (why) {
    case Why::Unreadable: return QStringLiteral("\"%1\" cannot be read: %2").arg(path, SystemReason(error));
    case Why::NotARegularFile: return QStringLiteral("\"%1\" is not a regular file").arg(path);
    case Why::Damaged: return QStringLiteral("the save journal \"%1\" is damaged").arg(path);
    }
    return {};
}

// Reads the journal in the folder, which may name only `targets`, and settles the save it
// describes.
Recovery settleJournal(int at, const QString& folderPath, const QStringList& targets)
{
    const QString journal = folderPath + fileName();
    return settle(at, folderPath, readJournal(at, journal, targets), journal);
}

}  // namespace

UnusableJournal::UnusableJournal(Why why, QString path, int error)
    : std::runtime_error(whyText(why, path, error).toStdString())
    , why(why)
    , path(std::move(path))
    , error(error)
{
}

QString fileName() { return QStringLiteral(".quendrix.journal"); }

bool isPending(int folder) { return RegularFile::entryOf(folder, encoded(fileName())) != RegularFile::Entry::Missing; }

std::optional<Failure> commitTogether(int folder, const QString& folderPath, const QStringList& targets,
                                      std::span<StagedFile* const> files)
{
    // A journal an earlier save of this program left when it failed (the next open was to finish
    // it) is settled before this save writes its own over it; this save's temporaries stay.
    if (isPending(folder))
        settleJournal(folder, withDelimiter(folderPath), targets);
    std::vector<Pair> pairs;
    for (const StagedFile* f : files)
        pairs.push_back(pairOf(folder, *f));
    SaveTestHooks::beforeJournal();
    {
        StagedFile text(folder, withDelimiter(folderPath) + fileName(), journalText(pairs));
        text.commit();
    }
    RegularFile::syncFolder(folder);  // the journal is on disk before anything is renamed

    SaveTestHooks::startBurst();
    std::vector<StagedFile::Placed> placed;
    for (std::size_t i = 0; i < files.size(); ++i) {
        try {
            placed.push_back(files[i]->commit());
        } catch (const std::exception& e) {
            bool restored = !files[i]->oldSetAside();
            for (std::size_t j = placed.size(); j-- > 0;)
                restored = files[j]->putBack(placed[j]) && restored;
            SaveTestHooks::endBurst();
            RegularFile::syncFolder(folder);
            // Put back, the save is over: its journal goes, so that no open ever finishes it. A
            // journal that stays is finished by the next open, which needs every new byte.
            restored = restored && removeJournal(folder) == 0;
            if (restored) {
                RegularFile::syncFolder(folder);
            } else {
                for (StagedFile* f : files)
                    f->keep();
            }
            return Failure{i, QString::fromUtf8(e.what()), !restored};
        }
    }
    SaveTestHooks::afterLastRename();
    SaveTestHooks::endBurst();
    RegularFile::syncFolder(folder);
    // The old bytes first, the journal last: old bytes that cannot be removed stay named by it, and
    // the next open, finding every new byte in place, removes them; without it they would be the
    // leftovers of an unknown save.
    bool discarded = true;
    for (StagedFile* f : files)
        discarded = f->discard() && discarded;
    SaveTestHooks::afterDiscard();
    if (discarded)
        removeJournal(folder);
    return std::nullopt;
}

Recovery recover(int at, const QString& folder, const QStringList& targets, Leftovers* found)
{
    const QString folderPath = withDelimiter(folder);
    Leftovers unused;
    Leftovers& leftovers = found ? *found : unused;
    if (!isPending(at))
        return settleUnrecorded(at, targets, leftovers);
    const Recovery settled = settleJournal(at, folderPath, targets);
    return settled == Recovery::None ? settleUnrecorded(at, targets, leftovers) : settled;
}

}  // namespace qx::SaveJournal
