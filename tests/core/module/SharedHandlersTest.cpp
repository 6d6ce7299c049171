// The handlers every form page shares, on a page built with one field of each kind.
#include "core/module/TdmMain.h"
#include "core/util/Clock.h"
#include "platform/data/ClientDataSetTestSupport.h"
#include "support/DmFixture.h"
#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

using qx::FieldKind;
using qx::FieldType;

namespace {

using qxtest::def;

class SharedHandlersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        page.setFieldDefs({def("Nome", FieldType::String, FieldKind::Data, 20),
                           def("Ano", FieldType::Integer),
                           def("R2_Mop", FieldType::Currency),
                           def("Tipo", FieldType::Boolean),
                           def("Data", FieldType::Date),
                           def("Hora", FieldType::DateTime),
                           def("Grande", FieldType::LargeInt),
                           def("Rec_AID", FieldType::AutoInc),
                           def("r3_mop", FieldType::Currency, FieldKind::Calculated)});
        page.onNewRecord = [this](qx::ClientDataSet& ds) { dm.InitRecordFields(ds); };
        page.beforePost = [this](qx::ClientDataSet& ds) { dm.cdsM1P1BeforePost(ds); };
        page.beforeCancel = [this](qx::ClientDataSet& ds) { dm.cdsM1P1BeforeCancel(ds); };
        page.createDataSet();
    }

    // Runs a cancel that the handler may refuse silently.
    void tryCancel()
    {
        try {
            page.cancel();
        } catch (const qx::SilentAbort&) {
        }
    }

    ScriptedMessages messages;
    TdmMain dm;
    qx::ClientDataSet page{QStringLiteral("cdsTestPage")};
};

TEST_F(SharedHandlersTest, NewRecordHoldsTypedEmptyValuesAndNullDates)
{
    page.append();
    EXPECT_EQ(page.fieldByName(u"Nome").asString(), QString());
    EXPECT_FALSE(page.fieldByName(u"Ano").isNull());
    EXPECT_EQ(page.fieldByName(u"Ano").asInteger(), 0);
    EXPECT_FALSE(page.fieldByName(u"R2_Mop").isNull());
    EXPECT_EQ(page.fieldByName(u"R2_Mop").asCurrency(), qx::Currency());
    EXPECT_FALSE(page.fieldByName(u"Tipo").isNull());
    EXPECT_FALSE(page.fieldByName(u"Tipo").asBoolean());
    EXPECT_TRUE(page.fieldByName(u"Data").isNull());
    EXPECT_TRUE(page.fieldByName(u"Hora").isNull());
    EXPECT_TRUE(page.fieldByName(u"Grande").isNull());
    EXPECT_TRUE(page.fieldByName(u"Rec_AID").isNull());
}

TEST_F(SharedHandlersTest, ClearedNumbersPostAsZeroWhileOtherKindsStayEmpty)
{
    page.append();
    page.post();
    page.edit();
    for (const char* name : {"Nome", "Ano", "R2_Mop", "Tipo", "Data", "Hora", "Grande"})
        page.fieldByName(QString::fromLatin1(name)).clear();
    page.post();

    EXPECT_EQ(page.fieldByName(u"Ano").value(), qx::Value(std::int32_t{0}));
    EXPECT_EQ(page.fieldByName(u"R2_Mop").value(), qx::Value(qx::Currency()));
    for (const char* name : {"Nome", "Tipo", "Data", "Hora", "Grande"})
        EXPECT_TRUE(page.fieldByName(QString::fromLatin1(name)).isNull()) << name;
}

TEST_F(SharedHandlersTest, AutoIncrementKeysKeepTheDataSetsNumbering)
{
    for (int i = 0; i < 3; ++i) {
        page.append();
        page.post();
    }
    page.first();
    const std::int32_t first = page.fieldByName(u"Rec_AID").asInteger();
    page.last();
    EXPECT_GT(first, 0);
    EXPECT_EQ(page.fieldByName(u"Rec_AID").asInteger(), first + 2);
}

TEST_F(SharedHandlersTest, CancellingAFreshInsertAsksNothing)
{
    page.append();
    page.fieldByName(u"Nome").setAsString(QStringLiteral("abc"));
    page.cancel();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(page.recordCount(), 0);
}

TEST_F(SharedHandlersTest, CancellingAnEditAsksAndNoKeepsTheEdit)
{
    page.append();
    page.post();
    page.edit();
    page.fieldByName(u"R2_Mop").setAsCurrency(qx::Currency::fromUnits(5));
    messages.answer(QStringLiteral("DM-016"), mrNo);
    tryCancel();

    ASSERT_EQ(messages.shown.size(), 1u);
    const ShownMessage& m = messages.shown[0];
    EXPECT_EQ(m.code, QStringLiteral("DM-016"));
    EXPECT_EQ(m.dlgType, dtQuestion);
    EXPECT_EQ(m.chn, QStringLiteral("是否取消所有尚未確定更改?"));
    EXPECT_EQ(m.por, QStringLiteral("Confirma que desiste de todas as alterações inseridas até ao momento?"));
    EXPECT_TRUE(m.eng.isEmpty());
    EXPECT_EQ(page.state(), qx::DataSetState::Edit);
    EXPECT_EQ(page.fieldByName(u"R2_Mop").asCurrency(), qx::Currency::fromUnits(5));
}

TEST_F(SharedHandlersTest, CancellingAnEditAnsweredYesRestoresTheRecord)
{
    page.append();
    page.post();
    page.edit();
    page.fieldByName(u"R2_Mop").setAsCurrency(qx::Currency::fromUnits(5));
    tryCancel();
    EXPECT_EQ(messages.codes(), QStringList{QStringLiteral("DM-016")});
    EXPECT_EQ(page.state(), qx::DataSetState::Browse);
    EXPECT_EQ(page.fieldByName(u"R2_Mop").asCurrency(), qx::Currency());
}

TEST_F(SharedHandlersTest, ProgrammaticCancelsNeverAsk)
{
    page.append();
    page.post();
    page.edit();
    page.fieldByName(u"R2_Mop").setAsCurrency(qx::Currency::fromUnits(5));
    messages.answer(QStringLiteral("DM-016"), mrNo);
    dm.CancelWithoutQuestion(page);
    EXPECT_EQ(page.state(), qx::DataSetState::Browse);

    page.edit();
    page.fieldByName(u"R2_Mop").setAsCurrency(qx::Currency::fromUnits(7));
    {
        TdmMain::SuppressCancelQuestion quiet(dm);
        page.cancel();
    }
    EXPECT_EQ(page.state(), qx::DataSetState::Browse);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(dm.CancelQuestionSuppressed());
}

TEST(CodeFontSize, ShrinksFromFourCharactersIgnoringSurroundingBlanks)
{
    EXPECT_EQ(TdmMain::GetCodeFontSize(QStringLiteral("abc")), 8);
    EXPECT_EQ(TdmMain::GetCodeFontSize(QStringLiteral("abcd")), 6);
    EXPECT_EQ(TdmMain::GetCodeFontSize(QStringLiteral("  abc  ")), 8);
    EXPECT_EQ(TdmMain::GetCodeFontSize(QString()), 8);
}

TEST(MopText, GroupsThousandsAndShowsNegativesInParenthesesAndZeroAsDashes)
{
    EXPECT_EQ(TdmMain::FormatMopText(qx::Currency::fromUnits(1234567)), QStringLiteral("1,234,567 "));
    EXPECT_EQ(TdmMain::FormatMopText(qx::Currency::fromUnits(-50)), QStringLiteral("(50)"));
    EXPECT_EQ(TdmMain::FormatMopText(qx::Currency()), QStringLiteral("--- "));
    EXPECT_EQ(TdmMain::FormatMopText(qx::Currency::max()), QStringLiteral("922,337,203,685,478 "));
}

// On the module's own datasets.
class ModulePagesTest : public DmFixture {};

TEST_F(ModulePagesTest, TheBlankPrinterOffsetsRowCarriesTheTimeOfTheOpen)
{
    ASSERT_EQ(dm->cdsPrnSetup.recordCount(), 1);
    EXPECT_EQ(dm->cdsPrnSetup.fieldByName(u"Update_Time").asDateTime(), FixedNow());
    EXPECT_TRUE(dm->cdsPrnSetup.fieldByName(u"Rpt_ID").asString().isEmpty());
    EXPECT_TRUE(dm->cdsPrnSetup.fieldByName(u"Print_Time").isNull());
}

TEST_F(ModulePagesTest, APagePostTurnsAClearedAmountIntoZeroAndKeepsAClearedDateEmpty)
{
    qx::ClientDataSet& page = dm->cdsM1P3;
    page.edit();
    page.fieldByName(u"Div_Lucros_Mop_R1").clear();
    page.fieldByName(u"Data_Deli_Assem_Geral").clear();
    page.post();
    EXPECT_EQ(page.fieldByName(u"Div_Lucros_Mop_R1").value(), qx::Value(qx::Currency()));
    EXPECT_TRUE(page.fieldByName(u"Data_Deli_Assem_Geral").isNull());
}

TEST_F(ModulePagesTest, EveryBlankPageShowsZeroFalseAndEmptyText)
{
    for (qx::ClientDataSet* ds : {&dm->cdsM1P3, &dm->cdsAnexoAP1, &dm->cdsM4P1, &dm->cdsM3Obs}) {
        ASSERT_EQ(ds->recordCount(), 1) << qPrintable(ds->name());
        for (int i = 0; i < ds->fieldCount(); ++i) {
            const qx::Field& f = ds->field(i);
            const QString name = ds->name() + QLatin1Char('.') + f.fieldName();
            switch (f.isData() ? f.dataType() : FieldType::Date) {
            case FieldType::String: EXPECT_TRUE(f.asString().isEmpty()) << qPrintable(name); break;
            case FieldType::Integer: EXPECT_EQ(f.value(), qx::Value(std::int32_t{0})) << qPrintable(name); break;
            case FieldType::Currency: EXPECT_EQ(f.value(), qx::Value(qx::Currency())) << qPrintable(name); break;
            case FieldType::Boolean: EXPECT_EQ(f.value(), qx::Value(false)) << qPrintable(name); break;
            default: break;  // dates, keys and calculated fields
            }
        }
    }
}

}  // namespace
