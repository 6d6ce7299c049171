#pragma once
// A file replaced in two steps: its new bytes are written and flushed to a temporary file beside
// it, then the temporary is renamed over it. Until the rename the old file is untouched, so files
// staged together and renamed together change a folder all at once but for the short burst of
// renames. The file is never written through a symbolic link: a link, or anything else that is
// not a regular file, in its place is refused.

#include <QByteArray>
#include <QString>

namespace qx {

class StagedFile {
public:
    // Writes the temporary. Throws DataPacketError with the system's reason; nothing stays behind.
    StagedFile(const QString& path, const QByteArray& bytes);
    // Removes the temporary: the new bytes when never committed, else what it may still hold
    // of the old file.
    ~StagedFile();
    StagedFile(StagedFile&& other) noexcept;
    StagedFile& operator=(StagedFile&&) = delete;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Puts the new bytes in place by one rename. Throws DataPacketError; the temporary is then removed.
    void commit();
    const QString& path() const { return path_; }

    // Flushes the folder's entries after a burst of renames, so they survive a power cut.
    static void syncFolder(const QString& folder);
    // Removes the temporaries a killed program left behind in `folder`.
    static void removeLeftovers(const QString& folder);
    // Why `path` may not be replaced (a link, a directory, a device); empty when it may.
    static QString placeFault(const QString& path);

private:
    QString path_;
    QByteArray temp_;  // the temporary's name; empty once nothing is left under it
};

}  // namespace qx
