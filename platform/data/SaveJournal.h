#pragma once
// A save of several files of a folder that a crash cannot leave half done. Each step is on disk
// before the next begins; a journal is written whole under a name of its own, flushed, renamed to
// its name, and the folder's entries flushed.
//
// 1. Before any temporary is made, a staging journal in the folder names every temporary the save
//    is about to write and its target.
// 2. The temporaries are written and flushed under exactly those names, each made only where
//    nothing stood (StagedFile).
// 3. The full journal, which records the size and digest of the new bytes and of the old ones,
//    replaces the staging one.
// 4. The burst of renames puts the new files in place; a rename only ever happens under a full
//    journal. The old bytes, then the journal, are removed.
//
// The next open of a folder that still holds a journal settles the save it describes. A staging
// journal proves that no file was replaced: the temporaries it names, the journal's own
// temporaries and the journal go, and the folder is as before that save. A full journal is
// finished when the new bytes of every file are still whole (the save had committed), and
// otherwise undone; either way the folder is then entirely as one save left it. A save that fails
// puts back what it had renamed and removes its journal, so it is never finished later; a journal
// that stays all the same is finished by the next open, or by the next save before it writes its
// own. Leftovers found without a journal come from a save whose journal was lost (a copy without
// hidden files), perhaps after it had replaced files: a missing file gets back the old bytes the
// save had set aside, and no leftover that may be the only copy of a version of a file is removed,
// but for those of the files the open never reads and of the journal itself.
//
// A journal comes with the folder, which may have been received from anyone: it may name only
// the files of the declaration and temporaries of exactly the form the program makes, every name
// is taken inside the folder without following a link and must be a regular file, nothing is put
// in place that does not match the journal's size and digest, no page is replaced or put back
// that holds neither version the journal records, and no file is removed whose bytes it does not
// vouch for (but the temporaries of a staging journal, which no rename took). A journal that is
// there but cannot be read or trusted is never taken for none: nothing is changed and the open is
// refused.
//
// The journal is text. A staging journal: the line "Quendrix save journal staging 1"; one line
// per file "staged TEMPORARY TARGET". A full journal: the line "Quendrix save journal 2"; one line
// per file "pair HAD SIZE DIGEST OLD_SIZE OLD_DIGEST TEMPORARY TARGET" (HAD 1 when a file stood at
// the target before the save, SIZE and DIGEST those of the new bytes, OLD_SIZE and OLD_DIGEST
// those of the old ones, 0 and "-" when there were none). Names are percent-encoded and without
// folder. Both end with the line "end COUNT DIGEST": the number of files and the digest of every
// line before it. Journals of version 1 have no OLD_SIZE and OLD_DIGEST; they are finished, never
// undone. Digests are BLAKE2b-256 in hex (StagedFile::digestOf). Where the file system cannot
// exchange two entries, the old file is renamed aside first (StagedFile::asideOf the temporary's
// name).

#include "StagedFile.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <vector>

namespace qx::SaveJournal {

// The journal's file name in a folder; it is no file of the declaration.
QString fileName();

// Which staged file could not be put in place, why, and what the folder holds then.
struct Failure {
    std::size_t index = 0;
    QString reason;
    // What the folder holds: every file as it was and nothing of the save; or the journal, and the
    // bytes it needs, stay for the next open to finish the save, with every file as it was (the
    // journal could not be removed), with files renamed that could not all go back, or with every
    // file in place but the folder's entries not flushed.
    enum class Left { AsBefore, JournalLeft, PartlyPut, NotFlushed };
    Left left = Left::AsBefore;
};

// One save of files of the open folder `folder`.
class Save {
public:
    // Begins a save of the files `names` (names in the folder, each one of the declaration's files
    // `targets`), whose path `folderPath` names the folder in messages: a journal an earlier failed
    // save left there is settled, a temporary name is chosen for each file and the staging journal
    // put in place. Throws DataPacketError, or UnusableJournal for an earlier journal: nothing
    // changed then.
    Save(int folder, const QString& folderPath, const QStringList& targets, const QStringList& names);
    // A save not committed: its temporaries go, then its journal.
    ~Save();
    Save(const Save&) = delete;
    Save& operator=(const Save&) = delete;

    // The name of the temporary of `names[i]`.
    const QString& temporaryName(std::size_t i) const { return temps_[i]; }
    // The staged file of the next of `names`, written under its temporaryName().
    void add(StagedFile file);
    // Puts every file added in place. Throws DataPacketError when the full journal cannot be
    // written: nothing changed then. A rename that fails puts the files renamed before it back and
    // is returned; so is a flush of the folder that fails after the renames.
    std::optional<Failure> commit();

private:
    Failure::Left putBack(std::size_t failed, const std::vector<StagedFile::Placed>& placed);

    int folder_;
    QString folderPath_;  // with its trailing delimiter
    QStringList temps_;  // the temporaries' names, in the order of the files
    std::vector<StagedFile> files_;
    bool ownsJournal_ = false;  // the journal in the folder is this save's, to remove with it
};

// What an open found of a save that was interrupted.
enum class Recovery {
    None,         // nothing: no journal, no temporary (or a journal that names nothing in the folder)
    NotFinished,  // it had replaced no file: what it wrote is gone, the folder is as before it
    Finished,     // the save had committed: its renames were finished, the folder is as it wrote it
    Undone,       // it had not: its temporaries are gone (and files put back), the folder is as before it
    Unrecorded,   // leftovers without a journal: how far the save came cannot be told (see Leftovers)
};

// What an open found of a save whose journal is missing (names without folder).
struct Leftovers {
    QStringList putBack;  // files that were missing, put back from the old bytes the save had set aside
    QStringList kept;     // its temporaries and aside names, each perhaps the only copy of a version of a file
};

// A journal that is there but cannot be read or trusted: whether a save was interrupted, and how
// far it came, cannot be told. Nothing was changed.
class UnusableJournal : public std::runtime_error {
public:
    enum class Why {
        Unreadable,       // the journal or a file it names cannot be read: `error` says why
        NotARegularFile,  // a directory, a link, a pipe ... stands under the journal's name or a name it gives
        Damaged,          // cut short, altered, naming files that are not the program's own, or a
                          // page that holds neither version it records
    };
    UnusableJournal(Why why, QString path, int error = 0);
    Why why;
    QString path;  // the journal, or the entry it names that stands in the way
    int error;     // the system's error number
};

// Settles an interrupted save in the open folder `folder` (named `folderPath` in messages), whose
// declaration's files are `targets` (names without folder), of which the open never reads
// `neverRead`: their leftovers hold nothing to keep. What it found without a journal goes to
// `found`. Throws UnusableJournal as described there, and DataPacketError naming what stands in
// the way when it can do neither; the folder is then as it was.
Recovery recover(int folder, const QString& folderPath, const QStringList& targets, const QStringList& neverRead,
                 Leftovers* found = nullptr);
// Whether the open folder `folder` holds the journal of an interrupted save.
bool isPending(int folder);
// The names of the entries of the open folder `folder`.
QStringList entryNames(int folder);
// The regular files among `names`, entries of the open folder `folder`, that hold the earlier
// bytes of the file `target` a save set aside (StagedFile::isAsideOf).
QStringList setAsideCopiesOf(int folder, const QStringList& names, const QString& target);
// Whether that journal is a staging journal, whose save replaced no file; it is only read. Throws
// UnusableJournal as recover() does.
bool replacedNothing(int folder, const QString& folderPath, const QStringList& targets);

}  // namespace qx::SaveJournal
