#pragma once

#include <QString>

// The text without blanks and control characters (code points up to the space) at either end;
// other white space, such as the ideographic space, is text.
QString TrimBlanks(const QString& text);
