#pragma once
// Texts of an alert row.

#include <QString>

// "A-" and the message number in three digits ("A-005"); empty for 0.
QString AlertMsgCode(int msgNo);
