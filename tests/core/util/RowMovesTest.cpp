#include "core/util/Clock.h"
#include "core/util/RowMoves.h"
#include "platform/data/ClientDataSet.h"

#include <gtest/gtest.h>

using qx::ClientDataSet;
using qx::Currency;
using qx::FieldDef;
using qx::FieldKind;
using qx::FieldType;
using qx::Value;

namespace {

struct Row {
    QString name;
    Value amount;
    Value date;
};

class RowMoves : public ::testing::Test {
protected:
    void SetUp() override
    {
        list.setFieldDefs({
            FieldDef{.name = QStringLiteral("Seq_No"), .type = FieldType::AutoInc},
            FieldDef{.name = QStringLiteral("Descricao"), .type = FieldType::String, .size = 40},
            FieldDef{.name = QStringLiteral("Col1_Mop"), .type = FieldType::Currency},
            FieldDef{.name = QStringLiteral("Ano_Aqu"), .type = FieldType::Date},
            FieldDef{.name = QStringLiteral("pag_num"), .type = FieldType::Integer, .kind = FieldKind::Calculated},
        });
        list.onCalcFields = [](ClientDataSet& ds) { ds.fieldByName(u"pag_num").setAsInteger(ds.recNo()); };
        list.beforeCancel = [this](ClientDataSet&) { ++cancelQuestions; };
        list.beforeDelete = [this](ClientDataSet&) { ++deleteQuestions; };
        list.createDataSet();
        SetBeepHandler([this] { ++beeps; });
    }
    void TearDown() override { SetBeepHandler(nullptr); }

    void add(const Row& row)
    {
        list.append();
        list.fieldByName(u"Descricao").setAsString(row.name);
        list.fieldByName(u"Col1_Mop").setValue(row.amount);
        list.fieldByName(u"Ano_Aqu").setValue(row.date);
        list.post();
    }
    void addThree()
    {
        add({QStringLiteral("A"), Currency::parse(u"1.2345"), QDate(2020, 1, 31)});
        add({QStringLiteral("B"), Value{}, QDate(2021, 2, 28)});
        add({QStringLiteral("C"), Currency::parse(u"-3"), Value{}});
    }

    Value at(int recNo, const char* field) { return list.rowValue(recNo, list.fieldByName(QLatin1String(field)).index()); }
    std::int32_t keyAt(int recNo) { return std::get<std::int32_t>(at(recNo, "Seq_No")); }
    QStringList names()
    {
        QStringList out;
        for (int r = 1; r <= list.recordCount(); ++r)
            out << (qx::isNull(at(r, "Descricao")) ? QStringLiteral("-") : std::get<QString>(at(r, "Descricao")));
        return out;
    }
    // Refuses every post of a row whose name is `name`, even a row that held it before.
    void refusePostsOf(const QString& name)
    {
        list.beforePost = [name](ClientDataSet& ds) {
            if (ds.fieldByName(u"Descricao").asString() == name)
                throw qx::SilentAbort();
        };
    }

    ClientDataSet list{QStringLiteral("cdsM3VCLF")};
    int beeps = 0;
    int cancelQuestions = 0;
    int deleteQuestions = 0;
};

}  // namespace

TEST_F(RowMoves, InsertMakesAnEmptyRowAtTheCursorAndKeepsEveryKey)
{
    addThree();
    const std::int32_t keys[] = {keyAt(1), keyAt(2), keyAt(3)};
    list.setRecNo(2);
    EXPECT_TRUE(InsertRowAtCursor(list));

    EXPECT_EQ(list.recNo(), 2);
    EXPECT_EQ(list.state(), qx::DataSetState::Browse);
    EXPECT_FALSE(list.controlsDisabled());
    ASSERT_EQ(list.recordCount(), 4);
    EXPECT_EQ(names(), QStringList({"A", "-", "B", "C"}));
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(keyAt(r), keys[r - 1]);
    EXPECT_GT(keyAt(4), keys[2]);
    // Row 2 is empty; the moved rows carry their typed values, nulls included.
    EXPECT_TRUE(qx::isNull(at(2, "Col1_Mop")));
    EXPECT_TRUE(qx::isNull(at(2, "Ano_Aqu")));
    EXPECT_TRUE(qx::isNull(at(3, "Col1_Mop")));
    EXPECT_EQ(at(3, "Ano_Aqu"), Value(QDate(2021, 2, 28)));
    EXPECT_EQ(at(4, "Col1_Mop"), Value(Currency::parse(u"-3")));
    EXPECT_TRUE(qx::isNull(at(4, "Ano_Aqu")));
    EXPECT_EQ(at(1, "Col1_Mop"), Value(Currency::parse(u"1.2345")));
}

TEST_F(RowMoves, InsertIntoAnEmptyListAppendsOneRow)
{
    EXPECT_TRUE(InsertRowAtCursor(list));
    EXPECT_EQ(list.recordCount(), 1);
    EXPECT_EQ(list.state(), qx::DataSetState::Browse);
}

TEST_F(RowMoves, MovesBeepAtTheEndsAndChangeNothing)
{
    EXPECT_TRUE(MoveRowUp(list));
    EXPECT_TRUE(MoveRowDown(list));
    EXPECT_EQ(beeps, 2);
    EXPECT_EQ(list.recordCount(), 0);

    addThree();
    list.first();
    EXPECT_TRUE(MoveRowUp(list));
    list.last();
    EXPECT_TRUE(MoveRowDown(list));
    EXPECT_EQ(beeps, 4);
    EXPECT_EQ(names(), QStringList({"A", "B", "C"}));
    EXPECT_EQ(list.changeCount(), 3);  // the three appends only
}

TEST_F(RowMoves, MovesExchangeTypedValuesAndFollowThem)
{
    addThree();
    const std::int32_t keys[] = {keyAt(1), keyAt(2), keyAt(3)};
    list.setRecNo(2);
    EXPECT_TRUE(MoveRowUp(list));
    EXPECT_EQ(names(), QStringList({"B", "A", "C"}));
    EXPECT_EQ(list.recNo(), 1);
    EXPECT_TRUE(qx::isNull(at(1, "Col1_Mop")));
    EXPECT_EQ(at(1, "Ano_Aqu"), Value(QDate(2021, 2, 28)));
    EXPECT_EQ(at(2, "Col1_Mop"), Value(Currency::parse(u"1.2345")));

    list.setRecNo(2);
    EXPECT_TRUE(MoveRowDown(list));
    EXPECT_EQ(names(), QStringList({"B", "C", "A"}));
    EXPECT_EQ(list.recNo(), 3);
    EXPECT_TRUE(qx::isNull(at(2, "Ano_Aqu")));
    EXPECT_EQ(at(2, "Col1_Mop"), Value(Currency::parse(u"-3")));
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(keyAt(r), keys[r - 1]);
    EXPECT_EQ(beeps, 0);
}

TEST_F(RowMoves, MoveRefusedOnTheSecondPostRestoresBothRows)
{
    addThree();
    list.setRecNo(2);
    // Row 3 takes "B" (accepted), then row 2 takes "C" (refused); restoring row 3's own "C" must
    // not be refused in turn.
    refusePostsOf(QStringLiteral("C"));
    EXPECT_THROW(MoveRowDown(list), qx::SilentAbort);
    list.beforePost = nullptr;
    EXPECT_EQ(names(), QStringList({"A", "B", "C"}));
    EXPECT_EQ(at(3, "Col1_Mop"), Value(Currency::parse(u"-3")));
    EXPECT_TRUE(qx::isNull(at(2, "Col1_Mop")));
    EXPECT_EQ(list.state(), qx::DataSetState::Browse);
    EXPECT_EQ(list.recNo(), 2);
    EXPECT_FALSE(list.controlsDisabled());
    EXPECT_EQ(cancelQuestions, 0);
}

TEST_F(RowMoves, MoveRefusedOnTheFirstPostChangesNothing)
{
    addThree();
    list.setRecNo(3);
    refusePostsOf(QStringLiteral("C"));
    EXPECT_THROW(MoveRowUp(list), qx::SilentAbort);
    list.beforePost = nullptr;
    EXPECT_EQ(names(), QStringList({"A", "B", "C"}));
    EXPECT_EQ(list.recNo(), 3);
    EXPECT_EQ(list.state(), qx::DataSetState::Browse);
}

TEST_F(RowMoves, InsertRefusedHalfwayPutsTheListBack)
{
    addThree();
    const int changesBefore = list.changeCount();
    list.setRecNo(1);
    // Shifting "A" down into row 2 is refused after "C" and "B" have moved.
    refusePostsOf(QStringLiteral("A"));
    EXPECT_THROW(InsertRowAtCursor(list), qx::SilentAbort);
    list.beforePost = nullptr;
    EXPECT_EQ(list.recordCount(), 3);
    EXPECT_EQ(names(), QStringList({"A", "B", "C"}));
    EXPECT_EQ(at(3, "Col1_Mop"), Value(Currency::parse(u"-3")));
    EXPECT_EQ(at(2, "Ano_Aqu"), Value(QDate(2021, 2, 28)));
    EXPECT_EQ(list.recNo(), 1);
    EXPECT_EQ(list.state(), qx::DataSetState::Browse);
    EXPECT_FALSE(list.controlsDisabled());
    EXPECT_EQ(cancelQuestions, 0);
    EXPECT_EQ(deleteQuestions, 0);
    EXPECT_GE(list.changeCount(), changesBefore);
}

TEST_F(RowMoves, InsertRefusedOnAnEmptyListLeavesItEmpty)
{
    list.beforePost = [](ClientDataSet&) { throw qx::SilentAbort(); };
    EXPECT_THROW(InsertRowAtCursor(list), qx::SilentAbort);
    EXPECT_EQ(list.recordCount(), 0);
    EXPECT_EQ(list.state(), qx::DataSetState::Browse);
}

TEST_F(RowMoves, MoveFromANewRowPostsWhatWasTypedAndDropsAnUntouchedOne)
{
    addThree();
    list.append();
    EXPECT_TRUE(MoveRowUp(list));
    EXPECT_EQ(names(), QStringList({"A", "C", "B"}));  // no empty row was stored and moved
    EXPECT_EQ(list.recNo(), 2);
    EXPECT_EQ(cancelQuestions, 0);

    list.append();
    list.fieldByName(u"Descricao").setAsString(QStringLiteral("D"));
    EXPECT_TRUE(MoveRowUp(list));
    EXPECT_EQ(names(), QStringList({"A", "C", "D", "B"}));
    EXPECT_EQ(list.recNo(), 3);
}
