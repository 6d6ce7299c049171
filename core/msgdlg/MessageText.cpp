#include "core/msgdlg/MessageText.h"

#include "core/util/TrimBlanks.h"

#include <QRegularExpression>
#include <QUrl>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Blanks, control characters and line breaks at both ends go.
void trimLines(QStringList& lines) { lines = MemoLines(TrimBlanks(lines.join(kCrLf))); }

QByteArray encoded(const QString& piece)
{
    QString text = piece;
    text.replace(QLatin1Char('"'), QLatin1Char('\''));
    return QUrl::toPercentEncoding(text);
}

}  // namespace

QString ComposeMessageText(const QString& text, const QString& code)
{
    return text + kCrLf + kCrLf + QLatin1Char('[') + code + QLatin1Char(']');
}

QStringList MemoLines(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(lineBreak);
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList BuildMessagePrintLines(const QString& memoChinese, const QString& memoPortugues,
                                   const QString& memoEnglish)
{
    QStringList lines = MemoLines(memoChinese);
    trimLines(lines);
    lines << QString();
    lines << MemoLines(memoPortugues);
    trimLines(lines);
    lines << QString();
    lines << MemoLines(memoEnglish);
    trimLines(lines);
    return lines;
}

QByteArray BuildMessageMailLink(const QString& address, const QString& title, const QDateTime& now,
                                const QString& memoChinese, const QString& memoPortugues,
                                const QString& memoEnglish)
{
    static const QByteArray separator("%0D%0A-------------------%0D%0A");
    const QString subject = title + QStringLiteral(" -  Message (")
                            + now.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")) + QLatin1Char(')');
    QByteArray link("mailto:");
    link += QUrl::toPercentEncoding(address, "@");
    link += "?subject=" + encoded(subject);
    link += "&body=" + encoded(memoChinese) + separator + encoded(memoPortugues) + separator + encoded(memoEnglish);
    return link;
}
