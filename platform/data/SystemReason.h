#pragma once
// The system's words for an error number, as messages quote them.

#include <QString>
#include <cstring>

namespace qx {

inline QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

}  // namespace qx
