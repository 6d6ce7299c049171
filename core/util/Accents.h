#pragma once
// The accent mark-up in which the program's Portuguese texts are written ("n" + AC("a~") + "o"
// gives "não"), and accent stripping.

#include <QChar>
#include <QString>

// A letter followed by a mark: "/" acute, "\" grave, "^" circumflex, "~" tilde, "," cedilla,
// "-" or "_" ordinal (a and o only). A pair the letter does not take gives the letter itself.
QChar ComposeAccentChar(QChar letter, QChar mark);

// Composes S pair by pair (half its length). An odd length shows
// "AC('" + S + "'): Invalid parameter length" in a plain message box and returns S unchanged.
QString AC(const QString& s);

// Replaces the 36 accented vowels and c-cedillas of Portuguese with their plain letters; every
// other character, and the length, stays.
QString StripAccents(const QString& s);
