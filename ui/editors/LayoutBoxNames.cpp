#include "ui/editors/LayoutBoxNames.h"

#include "platform/layout/PageLayout.h"
#include "ui/framework/BoxNames.h"

#include <QStringList>
#include <algorithm>

namespace {

// A text's base line lies on the box's line when it falls within the box's height, give or
// take half a millimetre.
bool onLineOf(const qx::Mark& mark, const QRectF& box)
{
    return mark.mm.y() >= box.top() - 0.5 && mark.mm.y() <= box.bottom() + 0.5;
}

bool names(const qx::Mark& mark) { return mark.kind != qx::MarkKind::Heading; }

QString joined(const QString& a, const QString& b)
{
    return a.isEmpty() ? b : b.isEmpty() ? a : a + QLatin1Char(' ') + b;
}

// The label above the box that starts within its width, below the section's heading.
const qx::Mark* columnHeading(const qx::PageLayout& layout, const QRectF& box)
{
    const qx::Mark* best = nullptr;
    double sectionTop = -1;
    for (const qx::Mark& m : layout.marks)
        if (m.kind == qx::MarkKind::Heading && m.mm.y() < box.top() && m.mm.y() > sectionTop)
            sectionTop = m.mm.y();
    for (const qx::Mark& m : layout.marks) {
        if (m.kind != qx::MarkKind::Label || m.mm.y() >= box.top() || m.mm.y() <= sectionTop)
            continue;
        if (m.mm.x() < box.left() - 1.0 || m.mm.x() > box.right())
            continue;
        if (!best || m.mm.y() > best->mm.y())
            best = &m;
    }
    return best;
}

bool hasLetters(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// A label of marks only ("(2)", the second line of a name or an address) goes with the words of
// the label it continues: the one before it on its line, else the one above it.
QString continuedLabel(const qx::PageLayout& layout, const qx::Mark& label)
{
    const qx::Mark* words = nullptr;
    for (const qx::Mark& m : layout.marks) {
        if (m.kind != qx::MarkKind::Label || !hasLetters(m.text))
            continue;
        const bool before = qAbs(m.mm.y() - label.mm.y()) < 0.5 && m.mm.x() < label.mm.x();
        const bool above = qAbs(m.mm.x() - label.mm.x()) < 0.5 && m.mm.y() < label.mm.y();
        if ((before || above) && (!words || m.mm.y() > words->mm.y() || (m.mm.y() == words->mm.y() && m.mm.x() > words->mm.x())))
            words = &m;
    }
    if (!words)
        return label.text;
    QStringList kept = words->text.split(u' ', Qt::SkipEmptyParts);
    while (!kept.isEmpty() && !hasLetters(kept.last()))
        kept.removeLast();
    return kept.join(u' ') + QLatin1Char(' ') + label.text;
}

}  // namespace

BoxName LayoutBoxName(const qx::PageLayout& layout, const qx::Box& box)
{
    // A numbered line is named by its number, whatever text (a formula, a source) stands
    // between the number and its boxes; other boxes by the nearest label before them.
    const qx::Mark* line = nullptr;
    const qx::Mark* number = nullptr;
    for (const qx::Mark& m : layout.marks) {
        if (!names(m) || !onLineOf(m, box.mm) || m.mm.x() >= box.mm.left())
            continue;
        if (!line || m.mm.x() > line->mm.x())
            line = &m;
        if (m.kind == qx::MarkKind::Number && (!number || m.mm.x() > number->mm.x()))
            number = &m;
    }
    if (number)
        line = number;
    BoxName name;
    if (line && line->kind == qx::MarkKind::Number)
        name = {QStringLiteral("第 %1 行").arg(line->text), QStringLiteral("linha %1").arg(line->text)};
    else if (line)
        name = SplitBilingual(hasLetters(line->text) ? line->text : continuedLabel(layout, *line));
    // A numbered line's boxes stand in columns: the column's heading tells them apart.
    if (!line || line->kind == qx::MarkKind::Number)
        if (const qx::Mark* column = columnHeading(layout, box.mm)) {
            const BoxName c = SplitBilingual(column->text);
            name = {joined(name.chn, c.chn), joined(name.por, c.por)};
        }
    return name;
}

std::map<QString, BoxName> HeadingColumnNames(const qx::PageLayout& heading)
{
    std::map<QString, BoxName> out;
    for (const qx::Box& box : heading.boxes) {
        if (box.kind != qx::BoxKind::Column)
            continue;
        QStringList words;
        for (const qx::Mark& m : heading.marks)
            if (m.kind == qx::MarkKind::Label && m.mm.x() >= box.mm.left() - 0.5 && m.mm.x() < box.mm.right())
                words << m.text;
        if (!words.isEmpty())
            out[box.field] = SplitBilingual(words.join(u' '));
    }
    return out;
}
