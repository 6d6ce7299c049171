#pragma once
// A burst of renames that a crash cannot leave half done. Before the first rename a journal in
// the folder names every temporary and its target with the size and digest of the new bytes and
// of the old ones; it is written whole under a name of its own, flushed, and only then renamed to
// its name, with the folder's entries flushed before anything else is renamed. It is removed after
// the last rename once the old bytes are gone. The next open of a folder that still holds a
// journal finishes the renames when the new bytes of every file are still whole (the save had
// committed), and otherwise puts the old files back; either way the folder is then entirely as
// one save left it. A save that fails puts back what it had renamed and removes its journal, so
// it is never finished later; a journal that stays all the same is finished by the next open, or
// by the next save before it writes its own. Leftovers found without a journal may come from a
// save that never committed or from one whose journal was lost (a copy without hidden files): a
// missing file gets back the old bytes the save had set aside, and no leftover that may be the
// only copy of a version of a file is removed.
//
// A journal comes with the folder, which may have been received from anyone: it may name only
// the files of the declaration and temporaries of exactly the form the program makes, every name
// is taken inside the folder without following a link and must be a regular file, and nothing is
// put in place that does not match the journal's size and digest. A journal that is there but
// cannot be read or trusted is never taken for none: nothing is changed and the open is refused.
//
// The journal is text: the line "Quendrix save journal 2"; one line per file
// "pair HAD SIZE DIGEST OLD_SIZE OLD_DIGEST TEMPORARY TARGET" (HAD 1 when a file stood at the
// target before the save, SIZE and DIGEST those of the new bytes, OLD_SIZE and OLD_DIGEST those of
// the old ones, 0 and "-" when there were none, the two names percent-encoded and without
// folder); and the line "end COUNT DIGEST" with the number of pairs and the digest of every line
// before it. Journals of version 1 have no OLD_SIZE and OLD_DIGEST. Digests are BLAKE2b-256 in
// hex (StagedFile::digestOf). Where the file system cannot exchange two entries, the old file is
// renamed aside first (StagedFile::asideOf the temporary's name).

#include <QString>
#include <QStringList>
#include <cstddef>
#include <optional>
#include <span>
#include <stdexcept>

namespace qx {

class StagedFile;

namespace SaveJournal {

// The journal's file name in a folder; it is no file of the declaration.
QString fileName();

// Which staged file could not be put in place, and why.
struct Failure {
    std::size_t index = 0;
    QString reason;
    // The files renamed before it could not all go back: the journal and the temporaries stay,
    // and the next open finishes the save. Otherwise the folder is as it was.
    bool finishedAtNextOpen = false;
};

// Puts every staged file (all in the open folder `folder`, whose path `folderPath` names it in
// messages) in place; a journal an earlier failed save left there, which may name any of the
// declaration's files `targets`, is settled first. Throws DataPacketError when the journal cannot
// be written: nothing changed then. A rename that fails puts the files renamed before it back and
// is returned.
std::optional<Failure> commitTogether(int folder, const QString& folderPath, const QStringList& targets,
                                      std::span<StagedFile* const> files);

// What an open found of a save that was interrupted.
enum class Recovery {
    None,        // nothing: no journal, no temporary (or a journal that names nothing in the folder)
    Finished,    // the save had committed: its renames were finished, the folder is as it wrote it
    Undone,      // it had not: its temporaries are gone (and files put back), the folder is as before it
    Unrecorded,  // leftovers without a journal: how far the save came cannot be told (see Leftovers)
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
        Damaged,          // cut short, altered, or naming files that are not the program's own
    };
    UnusableJournal(Why why, QString path, int error = 0);
    Why why;
    QString path;  // the journal, or the entry it names that stands in the way
    int error;     // the system's error number
};

// Finishes or undoes an interrupted save in the open folder `folder` (named `folderPath` in
// messages), whose declaration's files are `targets` (names without folder); what it found
// without a journal goes to `found`. Throws UnusableJournal as described there, and
// DataPacketError naming what stands in the way when it can do neither; the folder is then as it
// was.
Recovery recover(int folder, const QString& folderPath, const QStringList& targets, Leftovers* found = nullptr);
// Whether the open folder `folder` holds the journal of an interrupted save.
bool isPending(int folder);

}  // namespace SaveJournal
}  // namespace qx
