#include "ui/editors/TypeColumnLine.h"

#include "core/check/StoredText.h"
#include "platform/widgets/ScreenFonts.h"

#include <QRegularExpression>
#include <QTextLayout>
#include <QTextOption>

namespace {

constexpr int kColumnWidthPx = 215;
constexpr int kFontHeightPx = 12;

}  // namespace

QString TypeColumnFirstLine(const QString& text)
{
    const qsizetype lineEnd = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    const QString paragraph = lineEnd < 0 ? text : text.left(lineEnd);
    if (paragraph.isEmpty())
        return {};
    static const QFont font = DesignFontPixels(QStringLiteral("Courier New"), kFontHeightPx);
    QTextLayout layout(paragraph, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(kColumnWidthPx);
    layout.endLayout();
    QString first = paragraph.mid(line.textStart(), line.textLength());
    while (!first.isEmpty() && first.back().isSpace())
        first.chop(1);
    return first;
}

void SetTypeFromRate(qx::Field& field, const QString& text)
{
    SetTextCut(field, TypeColumnFirstLine(text));
}
