// The first sheet of M/3: its header record and the summary drawn from the totals of the M/3
// list and of both M/3A lists.
#include "platform/data/ExactSum.h"
#include "core/calc/Guard.h"
#include "core/module/TdmMain.h"

#include <optional>
#include <string>

namespace {

// A list total: none when the list has no rows. A total whose sum left the currency range raises
// the overflow, so the summary line built on it is flagged instead of showing a wrong number.
std::optional<qx::Currency> totalOf(const qx::ClientDataSet& list, const char* aggregate)
{
    const qx::Field& total = list.fieldByName(aggregate);
    if (list.aggregateOverflow(total.index()))
        throw qx::CurrencyOverflow(std::string(aggregate) + " out of range");
    if (total.isNull())
        return std::nullopt;
    return total.asCurrency();
}

struct Total {
    const qx::ClientDataSet& list;
    const char* aggregate;
};

class Summary {
public:
    Summary(TdmMain& dm, qx::ClientDataSet& page) : dm_(dm), page_(page) {}

    qx::Field& field(const char* name) const { return page_.fieldByName(name); }
    qx::Currency amount(const char* name) const { return field(name).asCurrency(); }

    // target := first + second, each only when it has a value; stays empty when neither has.
    void sumOfTotals(const char* target, Total first, Total second) const
    {
        qx::Field& t = field(target);
        GuardedStep(dm_, t, [&] {
            const std::optional<qx::Currency> a = totalOf(first.list, first.aggregate);
            const std::optional<qx::Currency> b = totalOf(second.list, second.aggregate);
            if (a)
                t.setAsCurrency(*a);
            if (b)
                t.setAsCurrency(t.asCurrency() + *b);
        });
    }

    // target := the total, left empty when the list has no rows.
    void copyOfTotal(const char* target, Total total) const
    {
        qx::Field& t = field(target);
        GuardedStep(dm_, t, [&] {
            if (const std::optional<qx::Currency> v = totalOf(total.list, total.aggregate))
                t.setAsCurrency(*v);
        });
    }

    // target := plus1 + plus2 - minus (plus2 may be absent); empty fields read as 0.
    void combination(const char* target, const char* plus1, const char* plus2, const char* minus) const
    {
        Guarded(dm_, field(target), {&field(plus1), plus2 ? &field(plus2) : nullptr, &field(minus)}, [&] {
            return (qx::ExactSum{amount(plus1), plus2 ? amount(plus2) : qx::Currency()} - qx::ExactSum{amount(minus)}).toCurrency();
        });
    }

private:
    TdmMain& dm_;
    qx::ClientDataSet& page_;
};

}  // namespace

void TdmMain::cdsM3P1NewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

void TdmMain::cdsM3P1CalcFields(qx::ClientDataSet& dataSet)
{
    ClearOverflowList(dataSet);
    if (dataSet.state() != qx::DataSetState::Insert) {
        int pages = 0;
        int lastFace = 0;
        GetM3PageCount(pages, lastFace);
        dataSet.fieldByName(u"total_pag").setAsInteger(pages);
        dataSet.fieldByName(u"last_face").setAsInteger(lastFace);
    }

    const Summary s(*this, dataSet);
    const qx::ClientDataSet& ali = cdsM3AAli;
    const qx::ClientDataSet& aba = cdsM3AAba;
    const qx::ClientDataSet& list = cdsM3VCLF;

    // Row 1: the M/3A columns kept by the books.
    s.sumOfTotals("1_r1_col3_mop", {ali, "COL3_TTL"}, {aba, "COL2_TTL"});
    s.combination("1_r1_col4_mop", "1_R1_Col1_Mop", "1_R1_Col2_Mop", "1_r1_col3_mop");
    s.sumOfTotals("1_r1_col7_mop", {ali, "COL5_TTL"}, {aba, "COL4_TTL"});
    s.combination("1_r1_col8_mop", "1_R1_Col5_Mop", "1_R1_Col6_Mop", "1_r1_col7_mop");
    s.combination("1_r1_col9_mop", "1_r1_col4_mop", nullptr, "1_r1_col8_mop");

    // Row 2: the M/3A columns kept by the tax rules and the totals of the M/3 list.
    qx::Field& r2col2 = dataSet.fieldByName(u"1_r2_col2_mop");
    Guarded(*this, r2col2, [&] {
        return totalOf(list, "COL1_TTL").value_or(qx::Currency()) - s.amount("1_R2_Col1_Mop");
    });
    s.sumOfTotals("1_r2_col3_mop", {ali, "COL2_TTL"}, {aba, "COL1_TTL"});
    s.combination("1_r2_col4_mop", "1_R2_Col1_Mop", "1_r2_col2_mop", "1_r2_col3_mop");
    s.copyOfTotal("1_r2_col5_mop", {list, "COL4_TTL"});
    s.copyOfTotal("1_r2_col6_mop", {list, "COL5_TTL"});
    s.sumOfTotals("1_r2_col7_mop", {ali, "COL4_TTL"}, {aba, "COL3_TTL"});
    s.combination("1_r2_col8_mop", "1_r2_col5_mop", "1_r2_col6_mop", "1_r2_col7_mop");
    s.combination("1_r2_col9_mop", "1_r2_col4_mop", nullptr, "1_r2_col8_mop");

    // Row 3.
    s.combination("1_r3_col6_mop", "1_R1_Col6_Mop", nullptr, "1_r2_col6_mop");
}
