#pragma once
// Text building of the message dialog, free of widgets: the message with its code line, the
// lines of a memo, the printout's lines and the e-mail link to the support desk.

#include <QDateTime>
#include <QString>
#include <QStringList>

// text + CR LF CR LF + "[" + code + "]"; an empty text still gets the code line.
QString ComposeMessageText(const QString& text, const QString& code);

// The lines of a memo's text: split at CR LF, LF or CR; a final line break ends the last line
// rather than starting an empty one.
QStringList MemoLines(const QString& text);

// The printout: the Chinese memo's lines, trimmed; an empty line; the Portuguese memo's lines,
// all trimmed again; an empty line; the English memo's lines, trimmed again. Trimming removes
// blanks and line breaks at both ends of the whole text.
QStringList BuildMessagePrintLines(const QString& memoChinese, const QString& memoPortugues,
                                   const QString& memoEnglish);

// The "mailto:" link of the e-mail button, fully percent-encoded (UTF-8): subject
// title + " -  Message (dd/mm/yyyy hh:nn:ss)", body the three memo texts separated by dashed
// lines. Double quotes become single quotes.
QByteArray BuildMessageMailLink(const QString& address, const QString& title, const QDateTime& now,
                                const QString& memoChinese, const QString& memoPortugues,
                                const QString& memoEnglish);
