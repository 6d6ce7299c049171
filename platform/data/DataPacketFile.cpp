// Data packets of a dataset in a file: loading into it, and atomic saving.
#include "DataPacket.h"

#include "ClientDataSet.h"
#include "PacketReader.h"
#include "RegularFile.h"
#include "SystemReason.h"

#include <cerrno>
#include <sys/stat.h>
#include <utility>

#include <QFile>
#include <QFileInfo>

namespace qx::DataPacket {

namespace {

[[noreturn]] void fail(const QString& message)
{
    throw DataPacketError(message.toStdString());
}

QString reasonOf(const std::exception& e)
{
    return QString::fromStdString(e.what());
}

}  // namespace

QByteArray serialize(const ClientDataSet& dataSet)
{
    return serialize(dataSet.fieldDefs(), dataSet.dataRows());
}

void load(ClientDataSet& dataSet, const QString& path, const PacketShape& shape)
{
    const RegularFile::Opened file = RegularFile::open(AT_FDCWD, QFile::encodeName(path), O_RDONLY);
    if (!file.fd)
        fail(QStringLiteral("Cannot open the file \"%1\": %2")
                 .arg(path, file.irregular ? QStringLiteral("it is not a regular file") : SystemReason(file.error)));
    load(dataSet, file.fd.get(), path, shape);
}

void load(ClientDataSet& dataSet, int fd, const QString& path, const PacketShape& shape)
{
    struct stat st {};
    if (::fstat(fd, &st) == 0 && st.st_size > kMaxPacketBytes)
        fail(QStringLiteral("The file \"%1\" is too large for a data packet (%2 bytes)").arg(path).arg(st.st_size));
    QByteArray bytes;
    const int error = RegularFile::readAll(fd, kMaxPacketBytes, &bytes);
    if (error == EFBIG)
        fail(QStringLiteral("The file \"%1\" is too large for a data packet").arg(path));
    if (error != 0)
        fail(QStringLiteral("Cannot read the file \"%1\": %2").arg(path, SystemReason(error)));
    // Empty rows stay empty: the dataset gives them all one row of nulls.
    std::vector<std::vector<Value>> rows = parsePacketRows(std::move(bytes), dataSet.fieldDefs(), path, shape);
    try {
        dataSet.loadRows(std::move(rows));
    } catch (const std::exception& e) {
        fail(QStringLiteral("Cannot load the file \"%1\": %2").arg(path, reasonOf(e)));
    }
}

StagedFile stage(const ClientDataSet& dataSet, int folder, const QString& path, const QString& temporaryName)
{
    QByteArray bytes;
    try {
        bytes = serialize(dataSet);
    } catch (const DataPacketError& e) {
        fail(QStringLiteral("Cannot write the file \"%1\": %2").arg(path, reasonOf(e)));
    }
    return temporaryName.isEmpty() ? StagedFile(folder, path, bytes) : StagedFile(folder, path, bytes, temporaryName);
}

void save(const ClientDataSet& dataSet, const QString& path)
{
    const QFileInfo info(path);
    int error = 0;
    const Descriptor folder = RegularFile::openFolder(info.path(), &error);
    if (!folder)
        fail(QStringLiteral("Cannot write the file \"%1\": %2").arg(path, SystemReason(error)));
    stage(dataSet, folder.get(), path).commit();
}

}  // namespace qx::DataPacket
