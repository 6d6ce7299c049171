// Data packets of a dataset in a file: loading into it, and atomic saving.
#include "DataPacket.h"

#include "ClientDataSet.h"
#include "PacketReader.h"

#include <algorithm>
#include <utility>

#include <QFile>

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("Cannot open the file \"%1\": %2").arg(path, file.errorString()));
    if (file.size() > kMaxPacketBytes)
        fail(QStringLiteral("The file \"%1\" is too large for a data packet (%2 bytes)").arg(path).arg(file.size()));
    // Read what the file holds (one byte more shows a file that grew past the limit): reading
    // the limit itself would reserve the whole limit in memory for every file.
    QByteArray bytes = file.read(std::min(file.size(), kMaxPacketBytes) + 1);
    if (file.error() != QFileDevice::NoError)
        fail(QStringLiteral("Cannot read the file \"%1\": %2").arg(path, file.errorString()));
    if (bytes.size() > kMaxPacketBytes)
        fail(QStringLiteral("The file \"%1\" is too large for a data packet").arg(path));
    // Empty rows stay empty: the dataset gives them all one row of nulls.
    std::vector<std::vector<Value>> rows = parsePacketRows(std::move(bytes), dataSet.fieldDefs(), path, shape);
    try {
        dataSet.loadRows(std::move(rows));
    } catch (const std::exception& e) {
        fail(QStringLiteral("Cannot load the file \"%1\": %2").arg(path, reasonOf(e)));
    }
}

StagedFile stage(const ClientDataSet& dataSet, const QString& path)
{
    QByteArray bytes;
    try {
        bytes = serialize(dataSet);
    } catch (const DataPacketError& e) {
        fail(QStringLiteral("Cannot write the file \"%1\": %2").arg(path, reasonOf(e)));
    }
    return StagedFile(path, bytes);
}

void save(const ClientDataSet& dataSet, const QString& path)
{
    stage(dataSet, path).commit();
}

}  // namespace qx::DataPacket
