#pragma once

#include <QString>

namespace qx {

// This computer's network name (at most 255 characters); "" when the system gives none.
QString computerName();

}  // namespace qx
