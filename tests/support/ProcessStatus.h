#pragma once
// A figure of this process from the kernel's status file, in kB: "VmHWM" (peak resident memory),
// "VmRSS" (resident memory), "VmSize" (address space in use); -1 when it cannot be read. And
// whether the address sanitizer, which reserves and keeps memory of its own, is built in.

#include <QByteArray>
#include <QFile>

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kAddressSanitizer = true;
#else
inline constexpr bool kAddressSanitizer = false;
#endif
#else
inline constexpr bool kAddressSanitizer = false;
#endif

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

// Starts the peak resident memory ("VmHWM") afresh from the memory in use now; false where the
// kernel does not allow it.
inline bool ResetPeakResident()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}
