#include "ui/editors/LayoutBoxNames.h"

#include "platform/layout/PageLayout.h"
#include "ui/framework/BoxNames.h"

#include <QStringList>
#include <algorithm>
#include <utility>

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

BoxName joinedName(const BoxName& a, const BoxName& b) { return {joined(a.chn, b.chn), joined(a.por, b.por)}; }

// A label that names a line of the table rather than a column: one beside a line number (its
// base line within half a line of the number's, the two lines of a provision's name included),
// or one on the line of a box it stands before.
bool namesALine(const qx::PageLayout& layout, const qx::Mark& label)
{
    for (const qx::Mark& m : layout.marks)
        if (m.kind == qx::MarkKind::Number && m.mm.x() < label.mm.x() && qAbs(m.mm.y() - label.mm.y()) < 3.0)
            return true;
    return std::any_of(layout.boxes.begin(), layout.boxes.end(),
                       [&](const qx::Box& b) { return b.mm.left() > label.mm.x() && onLineOf(label, b.mm); });
}

// The label above the box that starts within its width, below the section's heading; never a
// line's own label (a free line's description box is not a column under the line above).
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
        if (m.mm.x() < box.left() - 1.0 || m.mm.x() > box.right() || namesALine(layout, m))
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

// The label `label` continues: the nearest before it on its line, else above it; with words
// when `withWords`.
const qx::Mark* continuedFrom(const qx::PageLayout& layout, const qx::Mark& label, bool withWords)
{
    const qx::Mark* found = nullptr;
    for (const qx::Mark& m : layout.marks) {
        if (m.kind != qx::MarkKind::Label || hasLetters(m.text) != withWords)
            continue;
        const bool before = qAbs(m.mm.y() - label.mm.y()) < 0.5 && m.mm.x() < label.mm.x();
        const bool above = qAbs(m.mm.x() - label.mm.x()) < 0.5 && m.mm.y() < label.mm.y();
        if ((before || above) && (!found || m.mm.y() > found->mm.y() || (m.mm.y() == found->mm.y() && m.mm.x() > found->mm.x())))
            found = &m;
    }
    return found;
}

// A label of marks only ("(2)", the second line of a name or an address) goes with the words of
// the label it continues: the one before it on its line, else the one above it, through other
// labels of marks ("(4)" after "(3)" under "行業代號 Código (1)").
QString continuedLabel(const qx::PageLayout& layout, const qx::Mark& label)
{
    const qx::Mark* words = continuedFrom(layout, label, true);
    for (const qx::Mark* marks = &label; !words && (marks = continuedFrom(layout, *marks, false));)
        words = continuedFrom(layout, *marks, true);
    if (!words)
        return label.text;
    QStringList kept = words->text.split(u' ', Qt::SkipEmptyParts);
    while (!kept.isEmpty() && !hasLetters(kept.last()))
        kept.removeLast();
    return kept.join(u' ') + QLatin1Char(' ') + label.text;
}

enum class Language { Chinese, Portuguese };

bool hasWordsOf(const BilingualParts& p, Language l) { return l == Language::Chinese ? p.chnWords : p.porWords; }

QString& sideOf(BoxName& n, Language l) { return l == Language::Chinese ? n.chn : n.por; }

// A heading printed on two or three lines, a language a line: the line above the column's heading
// (within 4 mm of it) that has words of `language`, over the box: the last label of its line to
// start before the box's right edge (a heading over a group of columns reaches to the next one).
const qx::Mark* headingLineAbove(const qx::PageLayout& layout, const qx::Mark& column, const QRectF& box, Language language)
{
    auto over = [&](const qx::Mark& m) {
        if (m.mm.x() > box.right())
            return false;
        for (const qx::Mark& n : layout.marks)
            if (n.kind == qx::MarkKind::Label && qAbs(n.mm.y() - m.mm.y()) < 0.5 && n.mm.x() > m.mm.x()
                && n.mm.x() <= box.right())
                return false;
        return true;
    };
    const qx::Mark* best = nullptr;
    for (const qx::Mark& m : layout.marks) {
        if (m.kind != qx::MarkKind::Label || m.mm.y() >= column.mm.y() - 0.5 || m.mm.y() < column.mm.y() - 4.0)
            continue;
        if ((best && m.mm.y() <= best->mm.y()) || !hasWordsOf(SplitLanguages(m.text), language) || !over(m))
            continue;
        best = &m;
    }
    return best;
}

// The label on the line above `mark` at its left edge, within 4 mm (a heading's next line up).
const qx::Mark* lineAbove(const qx::PageLayout& layout, const qx::Mark& mark)
{
    const qx::Mark* above = nullptr;
    for (const qx::Mark& m : layout.marks)
        if (m.kind == qx::MarkKind::Label && qAbs(m.mm.x() - mark.mm.x()) < 0.5 && m.mm.y() < mark.mm.y() - 0.5
            && m.mm.y() >= mark.mm.y() - 4.0 && (!above || m.mm.y() > above->mm.y()))
            above = &m;
    return above;
}

// The heading `lowest` with the lines above it that carry on its words in the same one language
// ("Valor de" over "aquisição"), from the top down; `top` is the topmost line taken.
QString continuedHeading(const qx::PageLayout& layout, const qx::Mark& lowest, const qx::Mark*& top)
{
    const BilingualParts own = SplitLanguages(lowest.text);
    QString text = lowest.text;
    top = &lowest;
    while (own.chnWords != own.porWords) {
        const qx::Mark* above = lineAbove(layout, *top);
        if (!above)
            break;
        const BilingualParts p = SplitLanguages(above->text);
        if (p.chnWords != own.chnWords || p.porWords != own.porWords)
            break;
        text = above->text + QLatin1Char(' ') + text;
        top = above;
    }
    return text;
}

Language otherThan(Language l) { return l == Language::Chinese ? Language::Portuguese : Language::Chinese; }

// "(2)不認許" -> "(2)" and "不認許": the marks a heading starts with (its column's number) and its
// words.
std::pair<QString, QString> numberAndWords(const QString& text)
{
    const auto letter = std::find_if(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
    const qsizetype at = letter - text.begin();
    return {text.left(at).trimmed(), text.mid(at).trimmed()};
}

// What the page says a heading's word means, in each language, where a line of the page
// explains it ("不認許 = 稅則不認許部分 Importâncias não consideradas para efeitos fiscais"); else
// the word itself in both.
BoxName explained(const qx::PageLayout& layout, const QString& words)
{
    const QString lead = words + QStringLiteral(" = ");
    for (const qx::Mark& m : layout.marks)
        if (m.kind == qx::MarkKind::Label && m.text.startsWith(lead))
            if (const BilingualParts p = SplitLanguages(m.text.mid(lead.size())); p.chnWords && p.porWords)
                return p.name;
    return {words, words};
}

// The heading over the box's column, each language with only its own words: where the heading
// lacks one language's words, the heading's line above it that has them, whose column number
// ("(1)" of "(1)購入價值") numbers the other language's name too; a number on a line of its own
// over the heading at its left edge ("(3)=(1)-(2)") heads both. A heading in one language under
// a group heading in both ("(2)不認許" under "期初結餘 Saldos iniciais") is named in both by the
// group and by what the page says the heading's word means. Empty without a heading.
BoxName columnName(const qx::PageLayout& layout, const QRectF& box)
{
    const qx::Mark* column = columnHeading(layout, box);
    if (!column)
        return {};
    const qx::Mark* top = nullptr;
    const QString heading = continuedHeading(layout, *column, top);
    const BilingualParts own = SplitLanguages(heading);
    BilingualParts c = own;
    const qx::Mark* highest = top;
    for (const Language l : {Language::Chinese, Language::Portuguese}) {
        if (hasWordsOf(c, l))
            continue;
        const qx::Mark* group = headingLineAbove(layout, *top, box, l);
        if (!group)
            continue;
        BilingualParts g = SplitLanguages(group->text);
        const Language o = otherThan(l);
        if (hasWordsOf(own, o) && hasWordsOf(g, o)) {
            const auto [number, words] = numberAndWords(heading);
            const BoxName sub = explained(layout, words);
            const QString dash = QStringLiteral(" - ");
            return {joined(number, g.name.chn + dash + sub.chn), joined(number, g.name.por + dash + sub.por)};
        }
        // The other language's line of a heading printed a language a line carries its own marks
        // ("(4)=表一(7)+(8)" over "Quadro 1 (7)+(8)"); a heading of marks only goes before the words.
        sideOf(c.name, l) = hasWordsOf(own, o) ? sideOf(g.name, l) : joined(sideOf(c.name, l), sideOf(g.name, l));
        if (hasWordsOf(c, o) && !hasWordsOf(g, o))
            sideOf(c.name, o) = joined(sideOf(g.name, o), sideOf(c.name, o));
        (l == Language::Chinese ? c.chnWords : c.porWords) = true;
        if (qAbs(group->mm.x() - top->mm.x()) < 0.5 && group->mm.y() < highest->mm.y())
            highest = group;
    }
    if (const qx::Mark* number = lineAbove(layout, *highest); number && !hasLetters(number->text))
        c.name = {joined(number->text, c.name.chn), joined(number->text, c.name.por)};
    return FilledName(c);
}

// The label that starts just after a tick box on its line: the choice the box ticks.
const qx::Mark* choiceAfter(const qx::PageLayout& layout, const QRectF& box)
{
    for (const qx::Mark& m : layout.marks)
        if (m.kind == qx::MarkKind::Label && onLineOf(m, box) && m.mm.x() >= box.right() && m.mm.x() <= box.right() + 2.0)
            return &m;
    return nullptr;
}

// The box of the same kind right above `box` at its left edge, whose text `box` carries on to a
// second line (the taxpayer's name, a free line's description).
const qx::Box* boxAbove(const qx::PageLayout& layout, const qx::Box& box)
{
    for (const qx::Box& b : layout.boxes)
        if (&b != &box && b.kind == box.kind && qAbs(b.mm.left() - box.mm.left()) < 0.5 && b.mm.bottom() <= box.mm.top()
            && b.mm.bottom() > box.mm.top() - 2.5)
            return &b;
    return nullptr;
}

// The box's name from what stands on its line and over its column: a number's line "第 n 行" /
// "linha n", else the nearest label before the box; on a numbered line the column's heading
// after it. A tick box is named by the choice printed after it (on a numbered line after the
// line's number); a box that nothing names, under a box it continues, as that box.
BilingualParts ownName(const qx::PageLayout& layout, const qx::Box& box)
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
    BilingualParts name;
    if (line && line->kind == qx::MarkKind::Number)
        name = {{QStringLiteral("第 %1 行").arg(line->text), QStringLiteral("linha %1").arg(line->text)}, true, true};
    if (box.kind == qx::BoxKind::TickBox)
        if (const qx::Mark* choice = choiceAfter(layout, box.mm)) {
            const BilingualParts c = SplitLanguages(choice->text);
            return {joinedName(name.name, c.name), name.chnWords || c.chnWords, name.porWords || c.porWords};
        }
    if (line && line->kind != qx::MarkKind::Number)
        name = SplitLanguages(hasLetters(line->text) ? line->text : continuedLabel(layout, *line));
    // A numbered line's boxes stand in columns: the column's heading tells them apart.
    if (!line || line->kind == qx::MarkKind::Number)
        name.name = joinedName(name.name, columnName(layout, box.mm));
    if (!line && name.name.chn.isEmpty() && name.name.por.isEmpty())
        if (const qx::Box* above = boxAbove(layout, box))
            return ownName(layout, *above);
    return name;
}

bool onNumberedLine(const qx::PageLayout& layout, const qx::Box& box)
{
    return std::any_of(layout.marks.begin(), layout.marks.end(),
                       [&](const qx::Mark& m) { return m.kind == qx::MarkKind::Number && onLineOf(m, box.mm); });
}

// The list column a sum or carried total of a printed face stands under or over: the box of a
// numbered line that shares most of the label's width, at least half of the wider of the two.
// nullptr for a label of no column (a page number).
const qx::Box* totalledColumn(const qx::PageLayout& layout, const qx::Box& label)
{
    const qx::Box* best = nullptr;
    double bestOverlap = 0;
    for (const qx::Box& b : layout.boxes) {
        if (!b.isBound())
            continue;
        const double overlap = std::min(b.mm.right(), label.mm.right()) - std::max(b.mm.left(), label.mm.left());
        if (overlap * 2 >= std::max(b.mm.width(), label.mm.width()) && overlap > bestOverlap && onNumberedLine(layout, b)) {
            best = &b;
            bestOverlap = overlap;
        }
    }
    return best;
}

}  // namespace

BoxName LayoutBoxName(const qx::PageLayout& layout, const qx::Box& box)
{
    BilingualParts name = ownName(layout, box);
    // A face's sum or carried total: its kind's words on its line ("總計 Total"), then the name of
    // the column it totals, as the face names that column's boxes, without their line number.
    if (box.kind == qx::BoxKind::SumLabel)
        if (const qx::Box* column = totalledColumn(layout, box))
            return joinedName(FilledName(name), columnName(layout, column->mm));
    // A box whose page names it in one language only takes the other language's name from
    // another box of its field there (a sentence printed in Chinese and again in Portuguese).
    for (const Language l : {Language::Chinese, Language::Portuguese}) {
        if (hasWordsOf(name, l) || (name.name.chn.isEmpty() && name.name.por.isEmpty()))
            continue;
        for (const qx::Box& other : layout.boxes) {
            if (&other == &box || other.kind != box.kind || other.field != box.field || other.dataSet != box.dataSet)
                continue;
            BilingualParts o = ownName(layout, other);
            if (hasWordsOf(o, l)) {
                sideOf(name.name, l) = sideOf(o.name, l);
                (l == Language::Chinese ? name.chnWords : name.porWords) = true;
                break;
            }
        }
    }
    return FilledName(name);
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
