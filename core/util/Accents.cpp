#include "core/util/Accents.h"

#include "core/util/PlainMessage.h"

namespace {

struct AccentRow {
    char16_t letter;
    // Composed letter per mark, in the order of kMarks; 0 where the letter takes no such mark.
    char16_t acute, grave, circumflex, tilde, cedilla, ordinal;
};

constexpr AccentRow kAccentRows[] = {
    {u'A', u'Á', u'À', u'Â', u'Ã', 0, 0},    {u'a', u'á', u'à', u'â', u'ã', 0, u'ª'},
    {u'E', u'É', u'È', u'Ê', 0, 0, 0},       {u'e', u'é', u'è', u'ê', 0, 0, 0},
    {u'I', u'Í', u'Ì', u'Î', 0, 0, 0},       {u'i', u'í', u'ì', u'î', 0, 0, 0},
    {u'O', u'Ó', u'Ò', u'Ô', u'Õ', 0, 0},    {u'o', u'ó', u'ò', u'ô', u'õ', 0, u'º'},
    {u'U', u'Ú', u'Ù', u'Û', 0, 0, 0},       {u'u', u'ú', u'ù', u'û', 0, 0, 0},
    {u'C', 0, 0, 0, 0, u'Ç', 0},             {u'c', 0, 0, 0, 0, u'ç', 0},
};

char16_t composedFor(const AccentRow& row, char16_t mark)
{
    switch (mark) {
    case u'/': return row.acute;
    case u'\\': return row.grave;
    case u'^': return row.circumflex;
    case u'~': return row.tilde;
    case u',': return row.cedilla;
    case u'-':
    case u'_': return row.ordinal;
    default: return 0;
    }
}

constexpr char16_t kAccented[] = u"ÁÉÍÓÚÀÈÌÒÙÂÊÎÔÛÃÕÇáéíóúàèìòùâêîôûãõç";
constexpr char16_t kPlain[] = u"AEIOUAEIOUAEIOUAOCaeiouaeiouaeiouaoc";
static_assert(sizeof(kAccented) == sizeof(kPlain) && sizeof(kAccented) / sizeof(char16_t) == 37);

}  // namespace

QChar ComposeAccentChar(QChar letter, QChar mark)
{
    for (const AccentRow& row : kAccentRows) {
        if (row.letter != letter.unicode())
            continue;
        const char16_t composed = composedFor(row, mark.unicode());
        return composed ? QChar(composed) : letter;
    }
    return letter;
}

QString AC(const QString& s)
{
    if (s.size() % 2 != 0) {
        ShowPlainMessage(QStringLiteral("AC('") + s + QStringLiteral("'): Invalid parameter length"));
        return s;
    }
    QString out;
    out.reserve(s.size() / 2);
    for (qsizetype i = 0; i < s.size(); i += 2)
        out += ComposeAccentChar(s[i], s[i + 1]);
    return out;
}

QString StripAccents(const QString& s)
{
    const QStringView accented(kAccented);
    QString out = s;
    for (QChar& c : out) {
        const qsizetype at = accented.indexOf(c);
        if (at >= 0)
            c = QChar(kPlain[at]);
    }
    return out;
}
