#pragma once
// A file replaced in two steps: its new bytes are written and flushed to a temporary file beside
// it, then the temporary is renamed over it. Until the rename the old file is untouched, so files
// staged together and renamed together change a folder all at once but for the short burst of
// renames (SaveJournal makes that burst recoverable). The file is never written through a
// symbolic link: a link, or anything else that is not a regular file, in its place is refused.
// The new file keeps the permissions of the one it replaces.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace qx {

class StagedFile {
public:
    // Writes the temporary beside the file `path` names in the open folder `folder`, which stays
    // open while this object lives; every step is taken in that folder, `path` only names the file
    // in messages. Throws DataPacketError with the system's reason; nothing stays behind.
    StagedFile(int folder, const QString& path, const QByteArray& bytes);
    // The same under a temporary name chosen beforehand (newTemporaryName), made only where no
    // entry has that name: where one has, it fails and touches nothing.
    StagedFile(int folder, const QString& path, const QByteArray& bytes, const QString& temporaryName);
    // Removes the temporary: the new bytes when never committed, else what it may still hold
    // of the old file.
    ~StagedFile();
    StagedFile(StagedFile&& other) noexcept;
    StagedFile& operator=(StagedFile&&) = delete;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // How commit() put the new bytes in place, which decides how it is undone.
    enum class Placed {
        Exchanged,  // the two entries swapped: the temporary now holds the old bytes
        Created,    // there was no file: the temporary's name is gone
        Replaced,   // a file system that cannot swap: the old file was first renamed aside, then the
                    // temporary over its name; the old bytes are under the aside name
    };
    // Puts the new bytes in place, by one exchange of two entries or, where the file system cannot
    // exchange, by two renames. Throws DataPacketError; nothing changed then and the temporary
    // still holds the new bytes, unless oldSetAside(): the second rename failed and the old file
    // could not go back from its aside name.
    Placed commit();
    bool oldSetAside() const { return aside_; }
    // Puts the new bytes in place by one rename over whatever file has the name, whose bytes are
    // gone then: for a file nothing ever needs to put back. Throws DataPacketError; nothing changed
    // then.
    void replace();
    // Undoes commit() (the old bytes back in place, the new ones under the temporary's name again);
    // false when it cannot. Whatever it could not do, every new byte is still at hand.
    bool putBack(Placed how);
    // Removes the temporary and the aside name now (the new bytes before commit(), the old ones
    // after); false when something of them stays.
    bool discard();
    // Leaves the temporary and the aside name on disk for the next open to find (see SaveJournal).
    void keep() { present_ = aside_ = false; }

    const QString& path() const { return path_; }
    // The temporary's path (whatever it holds now), and its name in the folder.
    QString temporaryPath() const;
    QString temporaryName() const;
    // The size and digest (hex) of the new bytes, which tell them from any other version of the file.
    qint64 size() const { return size_; }
    const QByteArray& digest() const { return digest_; }
    // The digest of any bytes, computed as for the new bytes.
    static QByteArray digestOf(const QByteArray& bytes);

    // Whether `name` (a file name without folder) is exactly the name of a temporary the program
    // makes for the file `of`: `of`, ".qxtmp." and six letters or digits.
    static bool isTemporaryOf(const QString& name, const QString& of);
    // Such a name for a temporary of the file `of`, under which nothing stands now in the open
    // folder `folder`; empty when none is found.
    static QString newTemporaryName(int folder, const QString& of);
    // The name under which a file system that cannot swap keeps the old bytes of the temporary
    // `temporaryName`'s file: ".qxold." in place of ".qxtmp.".
    static QString asideOf(const QString& temporaryName);
    // Whether `name` is exactly such an aside name of the file `of`.
    static bool isAsideOf(const QString& name, const QString& of);
    // Why the entry `name` of the open folder `folder` may not be replaced (a link, a directory, a
    // device); empty when it may.
    static QString placeFault(int folder, const QByteArray& name);

private:
    QByteArray asideName() const;  // the aside name of this file's temporary
    void write(const QByteArray& bytes, const QByteArray& chosenName);

    int folder_ = -1;       // the open folder, not ours to close
    QString path_;
    QByteArray name_;       // the file's name in the folder
    QByteArray temp_;       // the temporary's name in the folder
    bool present_ = false;  // something of ours is under that name, removed by the destructor
    bool aside_ = false;    // the old bytes are under the aside name, removed by the destructor
    qint64 size_ = 0;
    QByteArray digest_;
};

}  // namespace qx
