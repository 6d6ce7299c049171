#include "ui/framework/BoxNames.h"

#include "platform/widgets/DataAware.h"

#include <QStringList>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {

const char* const kBoxName = "boxName";
const char* const kFieldBoxNames = "fieldBoxNames";

QVariant packed(const BoxName& name) { return QStringList{name.chn, name.por}; }

BoxName unpacked(const QVariant& v)
{
    const QStringList parts = v.toStringList();
    return {parts.value(0), parts.value(1)};
}

enum class Side { Neither, Chinese, Portuguese };

Side sideOf(const QString& word)
{
    bool latin = false;
    for (const QChar c : word) {
        const char16_t u = c.unicode();
        if (c.script() == QChar::Script_Han || (u >= 0x3000 && u < 0x3040) || (u >= 0xFF00 && u < 0xFFF0))
            return Side::Chinese;
        latin = latin || c.isLetter();
    }
    return latin ? Side::Portuguese : Side::Neither;
}

}  // namespace

void SetBoxName(QWidget& control, const BoxName& name)
{
    control.setProperty(kBoxName, packed(name));
}

void SetFieldBoxNames(QWidget& container, const std::map<QString, BoxName>& names)
{
    QVariantMap map;
    for (const auto& [field, name] : names)
        map.insert(field.toLower(), packed(name));
    container.setProperty(kFieldBoxNames, map);
}

BoxName BoxNameOf(const QWidget* control, const QString& fieldName)
{
    if (control) {
        const QVariant own = control->property(kBoxName);
        if (own.isValid())
            return unpacked(own);
        for (const QWidget* w = control->parentWidget(); w; w = w->parentWidget()) {
            const QVariantMap names = w->property(kFieldBoxNames).toMap();
            const auto it = names.constFind(fieldName.toLower());
            if (it != names.constEnd())
                return unpacked(*it);
        }
        if (const auto* aware = dynamic_cast<const DataAware*>(control))
            if (const qx::Field* field = aware->boundField())
                return SplitBilingual(field->displayLabel());
    }
    return {fieldName, fieldName};
}

// Each word goes to its language; a word without letters goes with its neighbours' language, or
// to both at the text's ends and between the two languages.
BilingualParts SplitLanguages(const QString& text)
{
    // A column number written against its Chinese name ("(1)購入價值") belongs to both languages.
    QStringList words;
    for (const QString& w : text.simplified().split(u' ', Qt::SkipEmptyParts)) {
        const auto firstLetter = std::find_if(w.begin(), w.end(), [](QChar c) { return c.isLetter(); });
        const qsizetype at = firstLetter - w.begin();
        if (at > 0 && at < w.size() && sideOf(w.mid(at)) == Side::Chinese)
            words << w.left(at) << w.mid(at);
        else
            words << w;
    }
    std::vector<Side> sides;
    for (const QString& w : words)
        sides.push_back(sideOf(w));
    QStringList chn, por;
    for (qsizetype i = 0; i < words.size(); ++i) {
        Side side = sides[std::size_t(i)];
        if (side == Side::Neither) {
            Side before = Side::Neither, after = Side::Neither;
            for (qsizetype j = i; j-- > 0 && before == Side::Neither;)
                before = sides[std::size_t(j)];
            for (qsizetype j = i + 1; j < words.size() && after == Side::Neither; ++j)
                after = sides[std::size_t(j)];
            if (before == after)
                side = before;
        }
        if (side != Side::Portuguese)
            chn << words[i];
        if (side != Side::Chinese)
            por << words[i];
    }
    BilingualParts parts;
    parts.name = {chn.join(u' '), por.join(u' ')};
    parts.chnWords = std::any_of(sides.begin(), sides.end(), [](Side s) { return s == Side::Chinese; });
    parts.porWords = std::any_of(sides.begin(), sides.end(), [](Side s) { return s == Side::Portuguese; });
    return parts;
}

BoxName FilledName(const BilingualParts& parts)
{
    BoxName name = parts.name;
    if (!parts.chnWords && parts.porWords)
        name.chn = name.por;
    if (!parts.porWords && parts.chnWords)
        name.por = name.chn;
    return name;
}

BoxName SplitBilingual(const QString& text) { return FilledName(SplitLanguages(text)); }
