#pragma once
// The questions and failure reports of the form folder, as the user reads them.

#include <QString>
#include <QtGlobal>
#include <cstdint>

struct FolderMessage {
    QString code;  // "DM-003" ...
    std::uint8_t dlgType = 0;
    QString chn;
    QString por;
};

// Shows the message (no English text) and returns the button pressed.
int ShowFolderMessage(const FolderMessage& message);

// A file that cannot be read or created.
FolderMessage CannotOpenFileMsg(const QString& titleChn, const QString& fileName, const QString& error);
// The blank record of an empty page that cannot be posted.
FolderMessage CannotInitFileMsg(const QString& titleChn, const QString& titlePor, const QString& fileName,
                                const QString& error);
// Where a save failed: posting the pending edit, or writing the file.
enum class SaveStep { Memory, Disk };
FolderMessage CannotSaveFileMsg(const QString& titleChn, const QString& fileName, SaveStep step,
                                const QString& error);
FolderMessage CannotCloseFileMsg(const QString& titleChn, const QString& fileName, const QString& error);
FolderMessage CloseOtherFolderMsg();
// `folder` with its trailing delimiter; the lists begin with CR LF before each title.
FolderMessage NoFilesInFolderMsg(const QString& folder);
FolderMessage MissingFilesMsg(const QString& folder, const QString& titlesChn, const QString& titlesPor);
FolderMessage SaveAllFilesMsg(const QString& folder);
// Another program holds the folder open (its lock names the computer and the process).
FolderMessage FolderInUseMsg(const QString& folder, const QString& computer, qint64 processId);
// Why a path cannot be opened as a form folder.
enum class FolderPathFault { NotAFolder, NameNotInSystemEncoding };
FolderMessage FolderNotUsableMsg(const QString& folder, FolderPathFault fault);
// A file of the folder that is a symbolic link or no regular file: writing it could change
// something outside the folder.
FolderMessage NotARegularFileMsg(const QString& titleChn, const QString& fileName);
