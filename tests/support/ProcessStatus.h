#pragma once
// A figure of this process from the kernel's status file, in kB: "VmHWM" (peak resident memory),
// "VmSize" (address space in use); -1 when it cannot be read.

#include <QByteArray>
#include <QFile>

inline qint64 ProcessStatusKb(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').first().toLongLong();
    return -1;
}
