#pragma once
// Files of a folder that someone else may have filled (a folder received by mail, unpacked from
// an archive): opened without following a symbolic link, without waiting on a pipe or a device,
// and only when they are regular files; named relative to the open folder, so that a plain name
// reaches nothing outside it.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>
#include <fcntl.h>
#include <functional>
#include <sys/types.h>

namespace qx {

// An open descriptor, closed with the object; -1 when none.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor();
    Descriptor(Descriptor&& other) noexcept;
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // Gives the descriptor up to the caller, who closes it.
    int release();
    // Closes the descriptor held, if any, and holds `fd`.
    void reset(int fd = -1) { *this = Descriptor(fd); }

private:
    int fd_ = -1;
};

namespace RegularFile {

// What an open found.
struct Opened {
    Descriptor fd;           // open, blocking as usual; none on failure
    int error = 0;           // the system's error number when there is no descriptor
    bool irregular = false;  // a link, a directory, a pipe, a device or a socket stands there
    qint64 size = 0;         // of the file opened
};

// Opens `name`, a plain name inside the folder `folder` (or a path, with AT_FDCWD), with `flags`
// (O_RDONLY, O_WRONLY | O_CREAT | O_EXCL ..., `mode` for a new file). A symbolic link in the
// name's last part and anything that is not a regular file are refused (`irregular`), and the
// open never waits for the other end of a pipe.
Opened open(int folder, const QByteArray& name, int flags, mode_t mode = 0);

// The folder, opened for naming its entries (the path itself may lead through links); none and
// `*error` set when it cannot be opened.
Descriptor openFolder(const QString& path, int* error = nullptr);

// The names of the entries of the open folder `folder` ("." and ".." left out), listed through a
// descriptor of its own so that `folder` itself is not moved on; none when it cannot be listed.
QList<QByteArray> namesIn(int folder);

// Flushes the folder's entries, so that renames and removals in it survive a power cut: 0, or
// the system's error number.
int syncFolder(int folder);

// What stands under `name` in `folder`, the entry itself and not what a link leads to.
enum class Entry { Missing, Regular, Other };
Entry entryOf(int folder, const QByteArray& name);

// Renames and removals of entries of one folder: 0, or the system's error number. A link is
// renamed or removed itself, never followed.
int renameIn(int folder, const QByteArray& from, const QByteArray& to);
int removeIn(int folder, const QByteArray& name);

// The program names its temporaries by a fixed prefix and six random letters or digits (as
// mkstemp does for "XXXXXX"); whether `name` is exactly such a name after `prefix`.
constexpr qsizetype kTemporarySuffixLength = 6;
bool isTemporaryName(QStringView name, QStringView prefix);
// Six random letters or digits for the name of a new temporary.
QByteArray temporarySuffix();

// Reads the open file from its current place to its end, handing each piece read to `take`,
// which may end the read with an error number of its own: 0, or the error.
int readPieces(int fd, const std::function<int(QByteArrayView)>& take);

// Reads the open file from its current place to its end, at most `max` bytes: 0, or the
// system's error number (EFBIG when there are more).
int readAll(int fd, qint64 max, QByteArray* bytes);

}  // namespace RegularFile
}  // namespace qx
