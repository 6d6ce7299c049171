#include "PacketScanner.h"

namespace qx {

namespace {

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool endsName(char16_t c)
{
    if (c > u'>')
        return false;
    return isBlank(c) || c == u'/' || c == u'>' || c == u'<' || c == u'=' || c == u'"' || c == u'\''
        || c == u'&' || c < 0x20;
}

QString characterName(char16_t c)
{
    return QStringLiteral("U+%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper();
}

// Longest reference accepted between '&' and ';' (leading zeros allowed).
constexpr qsizetype kMaxReferenceLength = 32;

char32_t namedEntity(QStringView name)
{
    if (name == u"lt") return u'<';
    if (name == u"gt") return u'>';
    if (name == u"amp") return u'&';
    if (name == u"apos") return u'\'';
    if (name == u"quot") return u'"';
    return 0xFFFFFFFF;
}

// "#231" or "#xE7"; returns 0xFFFFFFFF when not a character XML text can hold.
char32_t numericReference(QStringView ref)
{
    const bool hex = ref.size() > 1 && (ref[1] == u'x' || ref[1] == u'X');
    const QStringView digits = ref.sliced(hex ? 2 : 1);
    if (digits.isEmpty())
        return 0xFFFFFFFF;
    char32_t value = 0;
    for (const QChar ch : digits) {
        const char16_t c = ch.unicode();
        unsigned d;
        if (c >= u'0' && c <= u'9')
            d = c - u'0';
        else if (hex && c >= u'a' && c <= u'f')
            d = c - u'a' + 10;
        else if (hex && c >= u'A' && c <= u'F')
            d = c - u'A' + 10;
        else
            return 0xFFFFFFFF;
        value = value * (hex ? 16 : 10) + d;
        if (value > 0x10FFFF)
            return 0xFFFFFFFF;
    }
    if (value >= 0xD800 && value <= 0xDFFF)
        return 0xFFFFFFFF;
    return value;
}

}  // namespace

PacketScanner::PacketScanner(QStringView text)
    : text_(text.utf16())
    , size_(text.size())
{
    if (size_ > 0 && text_[0] == 0xFEFF)
        pos_ = 1;  // byte order mark
}

void PacketScanner::fail(qsizetype offset, const QString& message) const
{
    throw PacketFault{offset, message};
}

void PacketScanner::skipBlanks()
{
    while (pos_ < size_ && isBlank(text_[pos_]))
        ++pos_;
}

void PacketScanner::skipPast(QStringView terminator, const char* what)
{
    const qsizetype start = pos_;
    const qsizetype found = QStringView(text_ + pos_, size_ - pos_).indexOf(terminator);
    if (found < 0)
        fail(start, QStringLiteral("unterminated %1").arg(QLatin1StringView(what)));
    pos_ += found + terminator.size();
}

QStringView PacketScanner::scanName()
{
    const qsizetype start = pos_;
    while (pos_ < size_ && !endsName(text_[pos_]))
        ++pos_;
    if (pos_ == start) {
        if (pos_ >= size_)
            fail(pos_, QStringLiteral("unexpected end of file inside a tag"));
        checkCharacter(pos_);
        fail(pos_, QStringLiteral("a name was expected"));
    }
    return QStringView(text_ + start, pos_ - start);
}

void PacketScanner::checkCharacter(qsizetype offset) const
{
    const char16_t c = text_[offset];
    if (c < 0x20 && !isBlank(c))
        fail(offset, QStringLiteral("invalid character %1 (not a text file?)").arg(characterName(c)));
}

PacketScanner::Token PacketScanner::next()
{
    for (;;) {
        skipBlanks();
        if (pos_ >= size_) {
            if (!open_.empty())
                fail(size_, QStringLiteral("unexpected end of file: <%1> is not closed").arg(open_.back()));
            if (!rootClosed_)
                fail(size_, QStringLiteral("the file holds no element"));
            return Token::End;
        }
        if (text_[pos_] != u'<') {
            checkCharacter(pos_);
            fail(pos_, open_.empty() ? QStringLiteral("text outside the root element")
                                     : QStringLiteral("unexpected text between elements"));
        }
        const char16_t after = pos_ + 1 < size_ ? text_[pos_ + 1] : u'\0';
        if (after == u'?') {
            skipPast(u"?>", "processing instruction");
        } else if (after == u'!') {
            if (QStringView(text_ + pos_, size_ - pos_).startsWith(u"<!--"))
                skipPast(u"-->", "comment");
            else
                fail(pos_, QStringLiteral("unsupported markup (DOCTYPE or CDATA)"));
        } else if (after == u'/') {
            scanEndTag();
            return Token::EndElement;
        } else {
            scanStartTag();
            return Token::StartElement;
        }
    }
}

void PacketScanner::scanStartTag()
{
    tokenOffset_ = pos_;
    if (rootClosed_)
        fail(pos_, QStringLiteral("an element after the end of the root element"));
    ++pos_;
    name_ = scanName();
    attributes_.clear();
    selfClosing_ = false;
    for (;;) {
        skipBlanks();
        if (pos_ >= size_)
            fail(pos_, QStringLiteral("unexpected end of file in the tag <%1>").arg(name_));
        const char16_t c = text_[pos_];
        if (c == u'>') {
            ++pos_;
            break;
        }
        if (c == u'/') {
            if (pos_ + 1 >= size_ || text_[pos_ + 1] != u'>')
                fail(pos_, QStringLiteral("'>' expected after '/'"));
            pos_ += 2;
            selfClosing_ = true;
            break;
        }
        const QStringView attrName = scanName();
        skipBlanks();
        if (pos_ >= size_ || text_[pos_] != u'=')
            fail(pos_, QStringLiteral("'=' expected after the attribute %1").arg(attrName));
        ++pos_;
        skipBlanks();
        if (pos_ >= size_ || (text_[pos_] != u'"' && text_[pos_] != u'\''))
            fail(pos_, QStringLiteral("a quoted value expected for the attribute %1").arg(attrName));
        const char16_t quote = text_[pos_++];
        const qsizetype valueStart = pos_;
        bool plain = true;
        for (;; ++pos_) {
            if (pos_ >= size_)
                fail(valueStart - 1, QStringLiteral("unterminated value of the attribute %1").arg(attrName));
            const char16_t v = text_[pos_];
            if (v > u'<')
                continue;  // the common case: nothing to look at
            if (v == quote)
                break;
            if (v < 0x20) {
                checkCharacter(pos_);
                plain = false;  // literal tab or line break
            } else if (v == u'&') {
                plain = false;
            } else if (v == u'<') {
                fail(pos_, QStringLiteral("'<' in the value of the attribute %1").arg(attrName));
            }
        }
        attributes_.push_back({attrName, QStringView(text_ + valueStart, pos_ - valueStart), valueStart, plain});
        ++pos_;
    }
    if (selfClosing_) {
        if (open_.empty())
            rootClosed_ = true;
    } else {
        open_.push_back(name_);
    }
}

void PacketScanner::scanEndTag()
{
    tokenOffset_ = pos_;
    pos_ += 2;
    name_ = scanName();
    skipBlanks();
    if (pos_ >= size_ || text_[pos_] != u'>')
        fail(pos_, QStringLiteral("'>' expected to end </%1>").arg(name_));
    if (open_.empty())
        fail(tokenOffset_, QStringLiteral("end tag </%1> without a start tag").arg(name_));
    if (open_.back() != name_)
        fail(tokenOffset_, QStringLiteral("end tag </%1> does not match <%2>").arg(name_, open_.back()));
    ++pos_;
    open_.pop_back();
    if (open_.empty())
        rootClosed_ = true;
}

QString PacketScanner::value(const ScannedAttribute& attribute)
{
    const QStringView raw = attribute.rawValue;
    if (attribute.plain)
        return raw.toString();
    QString out;
    out.reserve(raw.size());
    const qsizetype n = raw.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = raw[i].unicode();
        if (c == u'&') {
            const qsizetype limit = std::min(n, i + 1 + kMaxReferenceLength + 1);
            qsizetype semi = i + 1;
            while (semi < limit && raw[semi] != u';')
                ++semi;
            if (semi >= limit)
                throw PacketFault{attribute.valueOffset + i, QStringLiteral("'&' not followed by a reference")};
            const QStringView ref = raw.sliced(i + 1, semi - i - 1);
            const char32_t ch = ref.startsWith(u'#') ? numericReference(ref) : namedEntity(ref);
            if (ch == 0xFFFFFFFF)
                throw PacketFault{attribute.valueOffset + i, QStringLiteral("bad reference &%1;").arg(ref)};
            if (QChar::requiresSurrogates(ch)) {
                out.append(QChar(QChar::highSurrogate(ch)));
                out.append(QChar(QChar::lowSurrogate(ch)));
            } else {
                out.append(QChar(static_cast<char16_t>(ch)));
            }
            i = semi;
        } else if (c == u'\r') {
            if (i + 1 < n && raw[i + 1] == u'\n')
                ++i;
            out.append(QLatin1Char(' '));
        } else if (c == u'\n' || c == u'\t') {
            out.append(QLatin1Char(' '));
        } else {
            out.append(QChar(c));
        }
    }
    return out;
}

}  // namespace qx
