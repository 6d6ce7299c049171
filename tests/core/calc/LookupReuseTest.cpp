// Calculations keep the fields they looked up by name between runs: what they keep must follow
// a data module that is replaced and a record whose fields are defined anew.
#include "core/calc/CalcPageFixture.h"

namespace {

using qx::ClientDataSet;
using qx::Currency;

class LookupReuse : public CalcPageFixture {
protected:
    // A new data module on a new empty folder, most likely where the old one was.
    void ReplaceDataModule()
    {
        dm.reset();
        dm = std::make_unique<TdmMain>();
        dmMain = dm.get();
        messages.answer(QStringLiteral("DM-008"), mrYes);
        ASSERT_TRUE(second.isValid());
        ASSERT_EQ(dm->ProcessFormFolder(second.path(), ffOpen), TFolderResult::frDone);
    }

    // Line 3 of M/4 table 1 feeds the banking Anexo A front page (a copy across pages), its own
    // sums (formulas) and its column totals (series).
    void ExpectM4Line3Flows(const char* col7, Currency expected)
    {
        PostField(dm->cdsM4P1, "1_R3_Col7_Mop", QString::fromLatin1(col7));
        EXPECT_EQ(Amount(dm->cdsM4P1, "1_r3_col7_col8_sum"), expected);
        dm->cdsAnexoABankP1.refresh();
        EXPECT_EQ(Amount(dm->cdsAnexoABankP1, "i_r8_mop"), expected);
        PostField(dm->cdsM1P2, "R2_Mop", QString::fromLatin1(col7));
        EXPECT_EQ(Amount(dm->cdsM1P2, "r21_mop"), expected);
    }

    QTemporaryDir second;
};

TEST_F(LookupReuse, NextDataModuleReadsItsOwnPages)
{
    ExpectM4Line3Flows("5", Currency::fromUnits(5));
    ReplaceDataModule();
    // Stale fields of the first module would read freed memory or the old amounts.
    EXPECT_EQ(Amount(dm->cdsM4P1, "1_r3_col7_col8_sum"), Currency());
    ExpectM4Line3Flows("7", Currency::fromUnits(7));
}

class SeriesOnOwnRecord : public DmFixture {
protected:
    bool OpensFolder() const override { return false; }

    void Define(std::initializer_list<const char*> inputs)
    {
        rec.close();
        std::vector<qx::FieldDef> defs;
        for (const char* name : inputs)
            defs.push_back({.name = QString::fromLatin1(name), .type = qx::FieldType::Currency});
        defs.push_back({.name = QStringLiteral("total_mop"), .type = qx::FieldType::Currency,
                        .kind = qx::FieldKind::Calculated});
        rec.setFieldDefs(std::move(defs));
        rec.onCalcFields = [this](ClientDataSet& ds) {
            dm->AddFieldSeries(ds.fieldByName(u"total_mop"), QStringLiteral("In_%d_Mop"), 1, 2);
        };
        rec.createDataSet();
    }

    Currency TotalOf(const char* first, const char* second)
    {
        rec.append();
        rec.fieldByName(u"In_1_Mop").setAsString(QString::fromLatin1(first));
        rec.fieldByName(u"In_2_Mop").setAsString(QString::fromLatin1(second));
        rec.post();
        return rec.fieldByName(u"total_mop").asCurrency();
    }

    ClientDataSet rec{QStringLiteral("cdsTestRecord")};
};

TEST_F(SeriesOnOwnRecord, SumFollowsFieldsDefinedAnew)
{
    Define({"In_1_Mop", "In_2_Mop"});
    EXPECT_EQ(TotalOf("1", "2"), Currency::fromUnits(3));
    // Same record, same pattern and range, new Field objects in another order with one more.
    Define({"Other_Mop", "In_2_Mop", "In_1_Mop"});
    EXPECT_EQ(TotalOf("10", "20"), Currency::fromUnits(30));
}

}  // namespace
