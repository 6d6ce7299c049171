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
constexpr char kHeaderStaging[] = "Quendrix save journal staging 1";
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

QByteArray encodedName(const QString& name) { return QUrl::toPercentEncoding(name); }

// The journal's text: `body` (its header and lines) and its "end" line.
QByteArray withEnd(const QByteArray& body, std::size_t count)
{
    return body + "end " + QByteArray::number(qsizetype(count)) + ' ' + StagedFile::digestOf(body) + '\n';
}

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
            + ' ' + QByteArray::number(p.old.size) + ' ' + p.old.digest + ' ' + encodedName(p.temp) + ' '
            + encodedName(p.target) + '\n';
    return withEnd(text, pairs.size());
}

QByteArray stagingText(const QStringList& temps, const QStringList& targets)
{
    QByteArray text = QByteArray(kHeaderStaging) + '\n';
    for (qsizetype i = 0; i < temps.size(); ++i)
        text += "staged " + encodedName(temps[i]) + ' ' + encodedName(targets[i]) + '\n';
    return withEnd(text, std::size_t(temps.size()));
}

// Flushes the entries of a save's folder: 0, or the system's error.
int flushFolder(int folder)
{
    SaveTestHooks::step();
    if (const int injected = SaveTestHooks::folderFlushFault())
        return injected;
    return RegularFile::syncFolder(folder);
}

// Puts `text` in place as the folder's journal, over the one there, and flushes the folder.
// Throws DataPacketError: the journal is then the one before, or `text` not yet flushed.
void putJournal(int folder, const QString& folderPath, const QByteArray& text)
{
    StagedFile(folder, folderPath + fileName(), text).replace();
    if (const int error = flushFolder(folder))
        fail(QStringLiteral("The folder \"%1\" cannot be flushed to disk: %2").arg(folderPath, SystemReason(error)));
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

// A journal read: the staging journal of a save that has replaced nothing yet (its pairs name
// only the temporaries and targets), or the full journal of a version.
struct Journal {
    bool staging = false;
    int version = 2;
    std::vector<Pair> pairs;
};

// The numbers of a "pair" line `f` of a full journal of `version` into `p`; false when they are
// not such numbers.
bool parseBytes(const QList<QByteArray>& f, int version, Pair& p)
{
    if (f[1] != "0" && f[1] != "1")
        return false;
    p.had = f[1] == "1";
    const std::optional<Bytes> fresh = bytesOf(f[2], f[3]);
    if (!fresh)
        return false;
    p.fresh = *fresh;
    if (version == 1)
        return true;
    const std::optional<Bytes> old = bytesOf(f[4], f[5]);
    if (p.had && !old)
        return false;
    if (!p.had && (f[4] != "0" || f[5] != "-"))
        return false;
    if (old)
        p.old = *old;
    return true;
}

// One line of `journal` whose target is one of `targets`; nothing when it is not one.
std::optional<Pair> parsePair(const QByteArray& line, const Journal& journal, const QStringList& targets)
{
    const QList<QByteArray> f = line.split(' ');
    const qsizetype names = journal.staging ? 1 : journal.version == 1 ? 4 : 6;
    if (f.size() != names + 2 || f[0] != (journal.staging ? "staged" : "pair"))
        return std::nullopt;
    Pair p;
    if (!journal.staging && !parseBytes(f, journal.version, p))
        return std::nullopt;
    p.temp = QString::fromUtf8(QByteArray::fromPercentEncoding(f[names]));
    p.target = QString::fromUtf8(QByteArray::fromPercentEncoding(f[names + 1]));
    if (!targets.contains(p.target) || !StagedFile::isTemporaryOf(p.temp, p.target))
        return std::nullopt;
    return p;
}

// A whole journal; nothing for one cut short, altered, or naming other files.
std::optional<Journal> parseJournal(const QByteArray& text, const QStringList& targets)
{
    if (!text.endsWith('\n'))
        return std::nullopt;
    const qsizetype endLine = text.lastIndexOf('\n', text.size() - 2) + 1;
    const QByteArray body = text.left(endLine);
    const QList<QByteArray> end = text.mid(endLine).chopped(1).split(' ');
    if (end.size() != 3 || end[0] != "end" || end[2] != StagedFile::digestOf(body))
        return std::nullopt;
    const QList<QByteArray> lines = body.split('\n');  // the last one empty
    Journal journal;
    const QByteArray header = lines.value(0);
    journal.staging = header == kHeaderStaging;
    journal.version = header == kHeader1 ? 1 : header == kHeader2 || journal.staging ? 2 : 0;
    if (lines.size() < 2 || journal.version == 0)
        return std::nullopt;
    QSet<QString> seenTargets;
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        std::optional<Pair> p = parsePair(lines[i], journal, targets);
        if (!p || seenTargets.contains(p->target))
            return std::nullopt;
        seenTargets.insert(p->target);
        journal.pairs.push_back(std::move(*p));
    }
    if (end[1] != QByteArray::number(qsizetype(journal.pairs.size())))
        return std::nullopt;
    return journal;
}

Journal readJournal(int folder, const QString& path, const QStringList& targets)
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
    std::optional<Journal> journal = parseJournal(text, targets);
    if (!journal)
        throw UnusableJournal(Why::Damaged, path);
    return std::move(*journal);
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

// Whether the journal vouches for the bytes under a name it gives: those of either version, or any
// for a journal of version 1, which is finished as it was written.
bool vouchedFor(const Journal& journal, const Seen& s) { return s.present && (s.isNew || s.isOld || journal.version == 1); }

// Whether the target holds what it held before the save: its old bytes, or nothing when it had none.
bool holdsOld(const Pair& p, const Seen& target) { return p.had ? target.isOld : !target.present; }

// Whether finishing may put the new bytes under the target: nothing stands there (its old bytes
// are set aside), or what it held before the save (any bytes, where the journal did not record them).
bool mayFinishOver(const Pair& p, const Seen& target)
{
    return !target.present || holdsOld(p, target) || (p.had && p.old.digest.isEmpty());
}

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

// Removes the regular files among `names` that the program makes for `of`: true when none stays.
bool removeLeftoversOf(int folder, const QStringList& names, const QString& of)
{
    bool removed = true;
    for (const QString& name : leftoversOf(folder, names, of))
        removed = RegularFile::removeIn(folder, encoded(name)) == 0 && removed;
    return removed;
}

// The journal's own temporaries, which hold nothing of the declaration, then the journal go, once
// what was done before is on disk; else the journal stays for the next open.
void removeJournalOnceFlushed(int folder)
{
    if (RegularFile::syncFolder(folder) != 0)
        return;
    removeLeftoversOf(folder, entryNames(folder), fileName());
    RegularFile::removeIn(folder, encoded(fileName()));
    RegularFile::syncFolder(folder);
}

// Settles what a save left without its journal (lost since: a copy without hidden files). How far
// it came cannot be told, so nothing that may be the only copy of a version of a file is removed:
// a missing file whose old bytes the save had set aside gets them back, and every other leftover
// of a file stays. The journal's own leftovers, and those of the files the open never reads, hold
// nothing of the declaration and go.
Recovery settleUnrecorded(int folder, const QStringList& targets, const QStringList& neverRead, Leftovers& found)
{
    const QStringList names = entryNames(folder);
    removeLeftoversOf(folder, names, fileName());
    for (const QString& target : targets) {
        if (neverRead.contains(target)) {
            removeLeftoversOf(folder, names, target);
            continue;
        }
        QStringList own = leftoversOf(folder, names, target);
        const QStringList asides = setAsideCopiesOf(folder, own, target);
        // Of several set-aside copies none is known to be the one before the save.
        if (asides.size() == 1 && RegularFile::entryOf(folder, encoded(target)) == RegularFile::Entry::Missing
            && RegularFile::renameIn(folder, encoded(asides[0]), encoded(target)) == 0) {
            found.putBack << target;
            own.removeOne(asides[0]);
        }
        found.kept << own;
    }
    RegularFile::syncFolder(folder);
    return found.putBack.isEmpty() && found.kept.isEmpty() ? Recovery::None : Recovery::Unrecorded;
}

// Settles a save that stopped before its first rename, as its staging journal proves: nothing was
// replaced, and the temporaries it names (each a regular file, or nothing) go, then the journal.
// A temporary that cannot be removed keeps the journal for the next open.
Recovery settleStaging(int at, const QString& folderPath, const Journal& journal)
{
    for (const Pair& p : journal.pairs)
        if (RegularFile::entryOf(at, encoded(p.temp)) == RegularFile::Entry::Other)
            throw UnusableJournal(Why::NotARegularFile, folderPath + p.temp);
    bool removed = true;
    for (const Pair& p : journal.pairs) {
        const int error = RegularFile::removeIn(at, encoded(p.temp));
        removed = (error == 0 || error == ENOENT) && removed;
    }
    if (removed)
        removeJournalOnceFlushed(at);
    return Recovery::NotFinished;
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
    if (holdsOld(p, s.target))
        return {&p, UndoStep::Nothing};
    // Only the new bytes, or nothing, are replaced: a page of other bytes is no page of this save.
    if (s.target.present && !s.target.isNew)
        throw UnusableJournal(Why::Damaged, folderPath + p.target);
    if (!p.had)
        return {&p, UndoStep::RemoveTarget};
    if (s.temp.isOld)
        return {&p, UndoStep::FromTemporary};
    if (s.aside.isOld)
        return {&p, UndoStep::FromAside};
    fail(QStringLiteral("An interrupted save can be neither finished nor undone: the old bytes of \"%1\" "
                        "are gone and the new bytes of another file are incomplete")
             .arg(folderPath + p.target));
}

// What the journal names besides the targets goes where it holds bytes the journal vouches for (a
// file of other bytes stays: it may be the only copy of something), then the journal: the folder
// is then as one save left it. `states` are those seen before the renames.
void tidyUp(int folder, const Journal& journal, const std::vector<PairState>& states)
{
    if (RegularFile::syncFolder(folder) != 0)
        return;  // the renames may not be on disk yet: the journal stays for the next open
    for (std::size_t i = 0; i < journal.pairs.size(); ++i) {
        if (vouchedFor(journal, states[i].temp))
            RegularFile::removeIn(folder, encoded(journal.pairs[i].temp));
        if (vouchedFor(journal, states[i].aside))
            RegularFile::removeIn(folder, encoded(asideOf(journal.pairs[i])));
    }
    removeJournalOnceFlushed(folder);
}

// Finishes the save the full journal at `journalPath` describes when the new bytes of every file
// are at hand, else undoes it; None when nothing it names is in the folder (the journal goes
// then). Either refuses a page that holds neither version the journal records.
Recovery settle(int at, const QString& folderPath, const Journal& journal, const QString& journalPath)
{
    const std::vector<Pair>& pairs = journal.pairs;
    std::vector<PairState> states;
    bool matches = false;   // the journal describes something in this folder
    bool complete = true;   // the new bytes of every file are at hand
    qint64 readable = DataPacket::kMaxPacketBytes;
    for (const Pair& p : pairs) {
        const PairState s{seen(at, folderPath, p.target, p, readable), seen(at, folderPath, p.temp, p, readable),
                          seen(at, folderPath, asideOf(p), p, readable)};
        // A page whose new bytes are its old ones tells nothing of the save.
        matches = matches || (s.target.isNew && !s.target.isOld) || s.temp.present || s.aside.present;
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
        // Every page to be replaced must still hold what it held before the save.
        for (std::size_t i = 0; i < pairs.size(); ++i)
            if (!states[i].target.isNew && !mayFinishOver(pairs[i], states[i].target))
                throw UnusableJournal(Why::Damaged, folderPath + pairs[i].target);
        for (std::size_t i = 0; i < pairs.size(); ++i)
            if (!states[i].target.isNew)
                renameOrFail(at, folderPath, pairs[i].temp, pairs[i].target, "finished");
        tidyUp(at, journal, states);
        return Recovery::Finished;
    }
    // A journal of version 1 did not record the old bytes: nothing vouches for what an undo would
    // leave, so it is never undone.
    if (journal.version == 1)
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
    tidyUp(at, journal, states);
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
    const QString path = folderPath + fileName();
    const Journal journal = readJournal(at, path, targets);
    return journal.staging ? settleStaging(at, folderPath, journal) : settle(at, folderPath, journal, path);
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

Save::Save(int folder, const QString& folderPath, const QStringList& targets, const QStringList& names)
    : folder_(folder)
    , folderPath_(withDelimiter(folderPath))
{
    SaveTestHooks::startSave();
    // A journal an earlier save of this program left when it failed (the next open was to finish
    // it) is settled before this save writes its own over it.
    if (isPending(folder))
        settleJournal(folder, folderPath_, targets);
    for (const QString& name : names) {
        const QString temp = StagedFile::newTemporaryName(folder, name);
        if (temp.isEmpty())
            fail(QStringLiteral("No name is free for a temporary beside \"%1\"").arg(folderPath_ + name));
        temps_ << temp;
    }
    try {
        putJournal(folder, folderPath_, stagingText(temps_, names));
    } catch (const DataPacketError&) {
        // No temporary is made yet: the journal, if it is in place, names nothing.
        RegularFile::removeIn(folder, encoded(fileName()));
        throw;
    }
    ownsJournal_ = true;
}

Save::~Save()
{
    if (!ownsJournal_)
        return;
    // The temporaries first: a journal that stays without them names nothing left to settle.
    bool removed = true;
    for (StagedFile& file : files_)
        removed = file.discard() && removed;
    if (removed && RegularFile::syncFolder(folder_) == 0 && RegularFile::removeIn(folder_, encoded(fileName())) == 0)
        RegularFile::syncFolder(folder_);
}

void Save::add(StagedFile file)
{
    if (files_.size() >= std::size_t(temps_.size()) || file.temporaryName() != temps_[qsizetype(files_.size())])
        fail(QStringLiteral("\"%1\" is no temporary the save journal names").arg(file.temporaryPath()));
    files_.push_back(std::move(file));
}

std::optional<Failure> Save::commit()
{
    if (files_.size() != std::size_t(temps_.size()))
        fail(QStringLiteral("A save in \"%1\" is put in place before all its files are written").arg(folderPath_));
    std::vector<Pair> pairs;
    for (const StagedFile& file : files_)
        pairs.push_back(pairOf(folder_, file));
    SaveTestHooks::beforeJournal();
    putJournal(folder_, folderPath_, journalText(pairs));

    SaveTestHooks::startBurst();
    std::vector<StagedFile::Placed> placed;
    for (std::size_t i = 0; i < files_.size(); ++i) {
        try {
            placed.push_back(files_[i].commit());
        } catch (const std::exception& e) {
            const Failure::Left left = putBack(i, placed);
            return Failure{i, QString::fromUtf8(e.what()), left};
        }
    }
    SaveTestHooks::afterLastRename();
    SaveTestHooks::endBurst();
    ownsJournal_ = false;  // removed below, or left for the next open, which finds every new byte in place
    if (const int error = flushFolder(folder_)) {
        // The renames may not survive a power cut: the journal and the old bytes stay, so that
        // whatever the disk keeps of them, the next open finishes the save.
        for (StagedFile& file : files_)
            file.keep();
        return Failure{0, QStringLiteral("The folder \"%1\" cannot be flushed to disk: %2").arg(folderPath_, SystemReason(error)),
                       Failure::Left::NotFlushed};
    }
    // The old bytes first, the journal last: old bytes that cannot be removed stay named by it, and
    // the next open, finding every new byte in place, removes them; without it they would be the
    // leftovers of an unknown save.
    bool discarded = true;
    for (StagedFile& file : files_)
        discarded = file.discard() && discarded;
    SaveTestHooks::afterDiscard();
    if (discarded)
        removeJournal(folder_);
    return std::nullopt;
}

Failure::Left Save::putBack(std::size_t failed, const std::vector<StagedFile::Placed>& placed)
{
    bool back = !files_[failed].oldSetAside();
    for (std::size_t j = placed.size(); j-- > 0;)
        back = files_[j].putBack(placed[j]) && back;
    SaveTestHooks::endBurst();
    ownsJournal_ = false;
    // Put back and on disk, the save is over: its new bytes, then its journal, go, so that no open
    // ever finishes it (a journal that stays is finished by the next open, which needs every new
    // byte). A journal left without them names nothing, and the next open drops it unsaid.
    if (back && flushFolder(folder_) == 0) {
        bool discarded = true;
        for (StagedFile& file : files_)
            discarded = file.discard() && discarded;
        SaveTestHooks::afterDiscard();
        if (removeJournal(folder_) == 0 || discarded) {
            flushFolder(folder_);
            return Failure::Left::AsBefore;
        }
    }
    for (StagedFile& file : files_)
        file.keep();
    return back ? Failure::Left::JournalLeft : Failure::Left::PartlyPut;
}

QStringList entryNames(int folder)
{
    QStringList names;
    for (const QByteArray& name : RegularFile::namesIn(folder))
        names << QFile::decodeName(name);
    return names;
}

QStringList setAsideCopiesOf(int folder, const QStringList& names, const QString& target)
{
    QStringList copies;
    for (const QString& name : names)
        if (StagedFile::isAsideOf(name, target) && RegularFile::entryOf(folder, encoded(name)) == RegularFile::Entry::Regular)
            copies << name;
    return copies;
}

bool replacedNothing(int at, const QString& folder, const QStringList& targets)
{
    const QString folderPath = withDelimiter(folder);
    return readJournal(at, folderPath + fileName(), targets).staging;
}

Recovery recover(int at, const QString& folder, const QStringList& targets, const QStringList& neverRead,
                 Leftovers* found)
{
    const QString folderPath = withDelimiter(folder);
    Leftovers unused;
    Leftovers& leftovers = found ? *found : unused;
    if (!isPending(at))
        return settleUnrecorded(at, targets, neverRead, leftovers);
    const Recovery settled = settleJournal(at, folderPath, targets);
    return settled == Recovery::None ? settleUnrecorded(at, targets, neverRead, leftovers) : settled;
}

}  // namespace qx::SaveJournal
