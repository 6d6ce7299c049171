#include "FilterExpression.h"

#include "ClientDataSet.h"
#include "ValueConvert.h"

namespace qx::detail {

namespace {

class Scanner {
public:
    Scanner(QStringView text, const QString& original, const QString& dataSetName)
        : s_(text), original_(original), ds_(dataSetName) {}

    void skipBlanks()
    {
        while (i_ < s_.size() && s_[i_].isSpace())
            ++i_;
    }
    bool atEnd()
    {
        skipBlanks();
        return i_ >= s_.size();
    }
    QStringView name()
    {
        skipBlanks();
        const qsizetype start = i_;
        while (i_ < s_.size() && (s_[i_].isLetterOrNumber() || s_[i_] == QLatin1Char('_')))
            ++i_;
        if (i_ == start)
            fail(QStringLiteral("field name expected"));
        return s_.mid(start, i_ - start);
    }
    void expect(QChar c)
    {
        skipBlanks();
        if (i_ >= s_.size() || s_[i_] != c)
            fail(QStringLiteral("'%1' expected").arg(c));
        ++i_;
    }
    // A quoted text or a number, as text.
    QString literal()
    {
        skipBlanks();
        if (i_ < s_.size() && (s_[i_] == QLatin1Char('\'') || s_[i_] == QLatin1Char('"'))) {
            const QChar quote = s_[i_++];
            QString out;
            while (true) {
                if (i_ >= s_.size())
                    fail(QStringLiteral("unterminated text"));
                if (s_[i_] == quote) {
                    if (i_ + 1 < s_.size() && s_[i_ + 1] == quote) {
                        out += quote;
                        i_ += 2;
                        continue;
                    }
                    ++i_;
                    return out;
                }
                out += s_[i_++];
            }
        }
        const qsizetype start = i_;
        if (i_ < s_.size() && (s_[i_] == QLatin1Char('-') || s_[i_] == QLatin1Char('+')))
            ++i_;
        while (i_ < s_.size() && (s_[i_].isDigit() || s_[i_] == QLatin1Char('.')))
            ++i_;
        if (i_ == start)
            fail(QStringLiteral("value expected"));
        return s_.mid(start, i_ - start).toString();
    }
    [[noreturn]] void fail(const QString& why) const
    {
        throw DataSetError(QStringLiteral("%1: Filter expression '%2': %3 at position %4")
                               .arg(ds_, original_, why)
                               .arg(i_ + 1)
                               .toStdString());
    }

private:
    QStringView s_;
    const QString& original_;
    const QString& ds_;
    qsizetype i_ = 0;
};

}  // namespace

FilterExpression FilterExpression::parse(const QString& text, const std::vector<FieldDef>& defs,
                                         const std::function<int(QStringView)>& indexOf, const QString& dataSetName)
{
    FilterExpression f;
    Scanner sc(text, text, dataSetName);
    if (sc.atEnd())
        return f;
    while (true) {
        const QStringView name = sc.name();
        const int index = indexOf(name);
        if (index < 0)
            sc.fail(QStringLiteral("unknown field '%1'").arg(name));
        sc.expect(QLatin1Char('='));
        const QString literal = sc.literal();
        const FieldDef& def = defs[static_cast<std::size_t>(index)];
        f.terms_.push_back({index, toFieldType(def, Value(literal), dataSetName)});
        if (sc.atEnd())
            break;
        const QStringView conj = sc.name();
        if (conj.compare(QLatin1String("and"), Qt::CaseInsensitive) != 0)
            sc.fail(QStringLiteral("'and' expected"));
    }
    return f;
}

bool FilterExpression::accepts(const std::vector<Value>& values) const
{
    for (const Term& t : terms_) {
        const Value& v = values[static_cast<std::size_t>(t.fieldIndex)];
        if (isNull(v) || isNull(t.value) || compareValues(v, t.value) != 0)
            return false;
    }
    return true;
}

}  // namespace qx::detail
