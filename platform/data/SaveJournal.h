#pragma once
// A burst of renames that a crash cannot leave half done. Before the first rename a journal in
// the folder names every temporary and its target with the size and digest of the new bytes; it
// is flushed, with the folder's entries, before anything is renamed, and removed after the last
// rename once the old bytes are gone. The next open of a folder that still holds a journal
// finishes the renames when the new bytes of every file are still whole (the save had
// committed), and otherwise puts the old files back; temporaries without a journal come from a
// save that never committed and are removed. Either way the folder is then entirely as one save
// left it.
//
// The journal is text: the line "Quendrix save journal 1"; one line per file
// "pair HAD SIZE DIGEST TEMPORARY TARGET" (HAD 1 when a file stood at the target before the save,
// SIZE and DIGEST those of the new bytes, the two names percent-encoded and without folder); and
// the line "end COUNT DIGEST" with the number of pairs and the digest of every line before it.
// A journal without that last line, or whose digest disagrees, was never flushed whole, so no
// rename had begun. Digests are BLAKE2b-256 in hex (StagedFile::digestOf).

#include <QString>
#include <cstddef>
#include <optional>
#include <span>

namespace qx {

class StagedFile;

namespace SaveJournal {

// The journal's file name in a folder; it is no file of the declaration.
QString fileName();

// Which staged file could not be put in place, and why.
struct Failure {
    std::size_t index = 0;
    QString reason;
};

// Puts every staged file (all in `folder`) in place. Throws DataPacketError when the journal
// cannot be written: nothing changed then. A rename that fails puts the files renamed before it
// back, so the folder stays as it was, and is returned; should a file not go back, the journal and
// the temporaries stay for the next open to finish the save.
std::optional<Failure> commitTogether(const QString& folder, std::span<StagedFile* const> files);

// What an open found of a save that was interrupted.
enum class Recovery {
    None,      // nothing: no journal, no temporary
    Finished,  // the save had committed: its renames were finished, the folder is as it wrote it
    Undone,    // it had not: its temporaries are gone (and files put back), the folder is as before it
};
// Finishes or undoes an interrupted save in `folder`. Throws DataPacketError naming what stands
// in the way when it can do neither; the journal then stays for a later try.
Recovery recover(const QString& folder);
// Whether `folder` holds the journal of an interrupted save.
bool isPending(const QString& folder);

}  // namespace SaveJournal
}  // namespace qx
