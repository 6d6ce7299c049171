#include "platform/system/SettingsFile.h"

#include "platform/data/RegularFile.h"
#include "platform/data/WriteAll.h"
#include "platform/system/Registry.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace qx::SettingsFile {

Contents read(int folder, const QByteArray& name, const QString& file)
{
    Contents contents;
    const RegularFile::Opened opened = RegularFile::open(folder, name, O_RDONLY | O_NOCTTY);
    if (opened.irregular)
        throw RegistryError(RegistryFault::NotARegularFile, 0, file);
    if (!opened.fd) {
        if (opened.error == ENOENT)
            return contents;
        throw RegistryError(RegistryFault::Unreadable, opened.error, file);
    }
    if (opened.size > kMaxBytes)
        throw RegistryError(RegistryFault::TooLarge, 0, file);
    const int error = RegularFile::readAll(opened.fd.get(), kMaxBytes, &contents.bytes);
    if (error == EFBIG)
        throw RegistryError(RegistryFault::TooLarge, 0, file);
    if (error != 0)
        throw RegistryError(RegistryFault::Unreadable, error, file);
    struct stat st {};
    if (::fstat(opened.fd.get(), &st) == 0)
        contents.mode = st.st_mode & 07777;
    contents.exists = true;
    return contents;
}

void replace(int folder, const QByteArray& name, const QByteArray& bytes, mode_t mode, const QString& file)
{
    const QByteArray temporary = name + '.' + RegularFile::temporarySuffix();
    Descriptor fd(::openat(folder, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!fd)
        throw RegistryError(RegistryFault::NotWritten, errno, file);
    int error = ::fchmod(fd.get(), mode) == 0 ? WriteAll(fd.get(), bytes) : errno;
    if (error == 0 && ::fsync(fd.get()) != 0)
        error = errno;
    if (error == 0 && ::close(fd.release()) != 0)
        error = errno;
    if (error == 0)
        error = RegularFile::renameIn(folder, temporary, name);
    if (error != 0) {
        RegularFile::removeIn(folder, temporary);
        throw RegistryError(RegistryFault::NotWritten, error, file);
    }
    RegularFile::syncFolder(folder);
}

}  // namespace qx::SettingsFile
