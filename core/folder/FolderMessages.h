#pragma once
// The questions and failure reports of the form folder, as the user reads them.

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdint>

namespace qx {
enum class RegistryFault;
}

struct FolderMessage {
    QString code;  // "DM-003" ...
    std::uint8_t dlgType = 0;
    QString chn;
    QString por;
};

// Shows the message, with no English text, and returns the button pressed.
int ShowFolderMessage(const FolderMessage& message);

// A file that cannot be read or created.
FolderMessage CannotOpenFileMsg(const QString& titleChn, const QString& fileName, const QString& error);
// The blank record of an empty page that cannot be posted.
FolderMessage CannotInitFileMsg(const QString& titleChn, const QString& titlePor, const QString& fileName,
                                const QString& error);
// Where a save failed: posting the pending edit, or writing the file.
enum class SaveStep { Memory, Disk };
// What the failed save left in the folder (said after the error): every file as it was; or the
// save stays for the next open of the folder to complete, with no file changed (its journal could
// not be removed), with files changed that could not be put back, or with every file in place but
// not known to be on the disk.
enum class SaveLeft { AsBefore, NothingChangedFinishedLater, PartlyChangedFinishedLater, NotFlushedFinishedLater };
FolderMessage CannotSaveFileMsg(const QString& titleChn, const QString& fileName, SaveStep step,
                                const QString& error, SaveLeft left = SaveLeft::AsBefore);
FolderMessage CannotCloseFileMsg(const QString& titleChn, const QString& fileName, const QString& error);
FolderMessage CloseOtherFolderMsg();
// A missing file whose earlier bytes an interrupted save left under set-aside names (`copies`,
// names without folder) in a folder nobody can save into, where no open can put them back.
struct SetAsideCopies {
    QString titleChn, titlePor;
    QStringList copies;
};
// `folder` with its trailing delimiter; the lists begin with CR LF before each title.
FolderMessage NoFilesInFolderMsg(const QString& folder);
FolderMessage MissingFilesMsg(const QString& folder, const QString& titlesChn, const QString& titlesPor,
                              const QList<SetAsideCopies>& setAside = {});
FolderMessage SaveAllFilesMsg(const QString& folder);
// Another program holds the folder open: the one on the computer and the process its lock names,
// or one not known (computer empty, process 0).
FolderMessage FolderInUseMsg(const QString& folder, const QString& computer, qint64 processId);
// Why a path cannot be opened as a form folder.
enum class FolderPathFault { NotAFolder, NameNotInSystemEncoding };
FolderMessage FolderNotUsableMsg(const QString& folder, FolderPathFault fault);
// A file of the folder that is a symbolic link or no regular file: writing it could change
// something outside the folder.
FolderMessage NotARegularFileMsg(const QString& titleChn, const QString& fileName);
// The lock file cannot be written (`error`: the system's error number), so the folder is not opened.
FolderMessage CannotLockFolderMsg(const QString& folder, int error);
// Nobody can save into the folder: it opens for reading and printing only.
FolderMessage ReadOnlyFolderMsg(const QString& folder);
// The folder opens, but the settings that remember it for the next start cannot be written:
// `fault`, and the system's error number behind it (0: none).
FolderMessage FolderNotRememberedMsg(const QString& folder, qx::RegistryFault fault, int error);
// The folder exists but cannot be listed or entered.
FolderMessage FolderUnreadableMsg(const QString& folder, int error);
// What the open did with a save that was interrupted: finished it, or undone it (one line each).
FolderMessage InterruptedSaveFinishedMsg(const QString& folder);
FolderMessage InterruptedSaveUndoneMsg(const QString& folder);
// A save that was interrupted before it replaced any file: what it had written is gone.
FolderMessage UnfinishedSaveMsg(const QString& folder);
// An interrupted save that can be neither finished nor undone: the folder is read-only (`error`
// empty), or the reason.
FolderMessage InterruptedSaveStuckMsg(const QString& folder, const QString& error);
// Files an interrupted save left, found without its journal: how far it came cannot be told, so
// the declaration may be partly from it. `putBack`: files that were missing, put back from the old
// bytes the save had set aside; `kept`: its leftovers, each perhaps the only copy of a version of
// a file (names without folder).
FolderMessage UnrecordedSaveMsg(const QString& folder, const QStringList& putBack, const QStringList& kept);
// A lock whose holder cannot be judged (another computer, or a lock that cannot be read: the
// holder's computer empty): how to release the folder.
FolderMessage FolderLockUndecidedMsg(const QString& folder, const QString& computer, qint64 processId,
                                     const QString& lockPath);
// What has the lock file's name is no plain file (a link, a pipe, a folder): it is neither read
// nor followed, and the folder is not opened.
FolderMessage LockNotARegularFileMsg(const QString& lockPath);
// The save journal cannot be written: no file was changed.
FolderMessage CannotWriteSaveJournalMsg(const QString& folder, const QString& error);
// The save journal is there but cannot be read or trusted, so whether the last save finished
// cannot be told: the folder is not opened and nothing in it was changed. `entry` is the journal
// or the file it names that stands in the way; `error` the system's error number (Unreadable).
enum class JournalFault { Unreadable, NotARegularFile, Damaged };
FolderMessage UnusableSaveJournalMsg(const QString& journal, const QString& entry, JournalFault fault, int error);
