#pragma once
// Fixture for the page calculations: reads amounts, stands in for a source page, and sweeps a
// page's inputs one at a time against the totals they must move.
//
//   Sweep(dm->cdsAnexoBP2, {{"viii_r11_mop", Names("VIII_R%1_Mop", 1, 3), Names("VIII_R%1_Mop", 6, 10)}});

#include "support/DmFixture.h"

#include <map>

// Two of these added leave the amount range.
inline const QString kNearLimit = QStringLiteral("900000000000000");
// What a field whose amount left the range shows.
inline const QString kAsterisks = QStringLiteral("**********");

// "IV_R%1_Mop", 1, 3 -> IV_R1_Mop IV_R2_Mop IV_R3_Mop
inline QStringList Names(const char* pattern, int first, int last)
{
    QStringList out;
    for (int i = first; i <= last; ++i)
        out << QString::fromLatin1(pattern).arg(i);
    return out;
}

inline QStringList Split(const char* names)
{
    return QString::fromLatin1(names).split(u' ', Qt::SkipEmptyParts);
}

// A page total and the inputs that add to it or subtract from it; every other input leaves it alone.
struct Effect {
    const char* total;
    QStringList plus;
    QStringList minus;
};

class CalcPageFixture : public DmFixture {
protected:
    static qx::Currency Amount(const qx::ClientDataSet& page, const char* field)
    {
        return page.fieldByName(QString::fromLatin1(field)).asCurrency();
    }

    static QString Overflowed(const qx::ClientDataSet& page)
    {
        return page.fieldByName(u"overflow_fields").asString();
    }

    // The line is flagged: listed in its page's overflow list, holding 0.
    static bool Flagged(const qx::ClientDataSet& page, const char* field)
    {
        return Overflowed(page).contains(QLatin1Char('/') + QLatin1String(field) + QLatin1Char('/'))
            && Amount(page, field).isZero();
    }

    // Feeds the calculations that read `source` these values of its calculated fields.
    static void StubSource(qx::ClientDataSet& source, std::map<QString, qx::Currency> values)
    {
        source.onCalcFields = [values](qx::ClientDataSet& ds) {
            for (const auto& [name, value] : values)
                ds.fieldByName(name).setAsCurrency(value);
        };
        source.refresh();
    }

    // A fresh page holds 0 in every calculated amount; then each input set to 1 on its own
    // moves each total by exactly +1, -1 or 0.
    static void Sweep(qx::ClientDataSet& page, const std::vector<Effect>& effects)
    {
        page.refresh();
        EXPECT_EQ(Overflowed(page), QString());
        QStringList inputs;
        for (int i = 0; i < page.fieldCount(); ++i) {
            const qx::Field& f = page.field(i);
            if (f.dataType() != qx::FieldType::Currency)
                continue;
            if (f.isData())
                inputs << f.fieldName();
            else
                EXPECT_TRUE(!f.isNull() && f.asCurrency().isZero()) << f.fieldName().toStdString();
        }
        for (const Effect& e : effects)
            for (const QString& n : e.plus + e.minus)
                ASSERT_TRUE(inputs.contains(n)) << n.toStdString() << " is not an input";
        for (const QString& input : inputs) {
            PostField(page, input.toLatin1().constData(), QStringLiteral("1"));
            for (const Effect& e : effects) {
                const int expected = e.plus.contains(input) ? 1 : e.minus.contains(input) ? -1 : 0;
                EXPECT_EQ(Amount(page, e.total), qx::Currency::fromUnits(expected))
                    << input.toStdString() << " on " << e.total;
            }
            PostField(page, input.toLatin1().constData(), QStringLiteral("0"));
        }
    }
};
