#pragma once
// A data module on a fresh folder with helpers to post rows of the asset lists the way the
// editors do: append, set the fields from text, post; a refused row is cancelled afterwards.

#include "support/DmFixture.h"

#include <QString>
#include <initializer_list>
#include <ostream>
#include <utility>

// Failure messages show QString values as text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

class AssetListFixture : public DmFixture {
protected:
    using Values = std::initializer_list<std::pair<const char*, const char*>>;

    // True when the row was posted; a refused row (its findings shown) is cancelled.
    bool AppendRow(qx::ClientDataSet& list, Values values)
    {
        list.append();
        for (const auto& [name, text] : values)
            list.fieldByName(QString::fromUtf8(name)).setAsString(QString::fromUtf8(text));
        try {
            list.post();
            return true;
        } catch (const qx::SilentAbort&) {
            dm->CancelWithoutQuestion(list);
            return false;
        }
    }

    void AppendEmptyRows(qx::ClientDataSet& list, int count)
    {
        for (int i = 0; i < count; ++i)
            ASSERT_TRUE(AppendRow(list, {}));
    }

    // A value of row `recNo` as text ("" for null).
    static QString Cell(qx::ClientDataSet& ds, int recNo, const char* field)
    {
        const qx::Value v = ds.rowValue(recNo, ds.fieldByName(QString::fromUtf8(field)).index());
        if (const auto* i = std::get_if<std::int32_t>(&v))
            return QString::number(*i);
        if (const auto* c = std::get_if<qx::Currency>(&v))
            return c->toString();
        if (const auto* s = std::get_if<QString>(&v))
            return *s;
        return QString();
    }

    // The current record's value as text ("" for null).
    static QString Current(qx::ClientDataSet& ds, const char* field)
    {
        const qx::Field& f = ds.fieldByName(QString::fromUtf8(field));
        return f.isNull() ? QString() : f.asString();
    }

    // The one message shown since the last clear(), or an empty one.
    ShownMessage OnlyMessage() const
    {
        return messages.shown.size() == 1 ? messages.shown.front() : ShownMessage{};
    }
};
