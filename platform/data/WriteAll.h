#pragma once
// Writes the whole of `bytes` to the open file `fd`, again after an interrupted or partial write.
// Returns 0, or the system's error number (ENOSPC where the system took no more bytes).

#include <QByteArray>

namespace qx {

int WriteAll(int fd, const QByteArray& bytes);

}  // namespace qx
