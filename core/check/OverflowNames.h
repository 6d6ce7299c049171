#pragma once
// The field names of a page's overflow list ("/" + name + "/" for each calculated field whose
// value did not fit), read for reporting.

#include <QString>
#include <QStringList>

// Every name once (letter case ignored, as field names are), in the order of first mention. Any text is accepted: empty pieces are
// skipped, and a last name without its closing "/" still counts, so that no overflow goes
// unreported.
QStringList OverflowFieldNames(const QString& overflowFields);
