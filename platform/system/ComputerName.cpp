#include "platform/system/ComputerName.h"

#include <QSysInfo>

namespace qx {

QString computerName() { return QSysInfo::machineHostName().left(255); }

}  // namespace qx
