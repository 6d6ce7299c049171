// The data-aware edit, text, check box, memo and the field's focus.
#include "WidgetTestData.h"
#include "platform/widgets/DataCheckBox.h"
#include "platform/widgets/DataEdit.h"
#include "platform/widgets/DataMemo.h"
#include "platform/widgets/DataNavigator.h"
#include "platform/widgets/DataSource.h"
#include "platform/widgets/DataText.h"
#include "platform/widgets/WidgetErrors.h"

#include <QRegularExpression>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class DataControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ds = MakeTestDataSet(1);
        source.setDataSet(ds.get());
        SetWidgetErrorReporter([this](const QString& m) { errors << m; });
        window.resize(400, 200);
        for (const char* f : {"Nome", "Valor_Mop", "Dia", "Qtd"}) {
            auto* e = new DataEdit(&window);
            e->setDataSource(&source);
            e->setDataField(QString::fromLatin1(f));
            e->move(0, 30 * int(edits.size()));
            edits.push_back(e);
        }
        other = new QLineEdit(&window);
        other->move(200, 0);
        ShowActive(window);
    }
    void TearDown() override { SetWidgetErrorReporter(nullptr); }

    DataEdit* edit(int i) const { return edits[std::size_t(i)]; }
    void typeInto(DataEdit* e, const QString& text)
    {
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
    }

    std::unique_ptr<qx::ClientDataSet> ds;
    DataSource source;
    QWidget window;
    std::vector<DataEdit*> edits;
    QLineEdit* other = nullptr;
    QStringList errors;
};

TEST_F(DataControlsTest, ShowsDisplayTextUnfocusedAndEditTextFocused)
{
    EXPECT_EQ(edit(1)->text(), QStringLiteral("1,000"));
    edit(1)->setFocus();
    EXPECT_EQ(edit(1)->text(), QStringLiteral("1000"));
    other->setFocus();
    EXPECT_EQ(edit(1)->text(), QStringLiteral("1,000"));
    EXPECT_EQ(edit(0)->maxLength(), 10);
}

TEST_F(DataControlsTest, TheFirstChangingKeyEditsAndLeavingWritesTheField)
{
    edit(0)->setFocus();
    QTest::keyClick(edit(0), Qt::Key_Right);
    EXPECT_EQ(ds->state(), qx::DataSetState::Browse);
    QTest::keyClicks(edit(0), "x");
    EXPECT_EQ(ds->state(), qx::DataSetState::Edit);
    EXPECT_EQ(ds->fieldByName("Nome").asString(), QStringLiteral("R1"));
    other->setFocus();
    EXPECT_EQ(ds->fieldByName("Nome").asString(), QStringLiteral("R1x"));
}

TEST_F(DataControlsTest, WithoutAutomaticEditKeysChangeNothing)
{
    source.setAutoEdit(false);
    edit(0)->setFocus();
    QTest::keyClicks(edit(0), "x");
    EXPECT_EQ(edit(0)->text(), QStringLiteral("R1"));
    EXPECT_EQ(ds->state(), qx::DataSetState::Browse);
}

TEST_F(DataControlsTest, PendingTextIsWrittenBeforeAPost)
{
    typeInto(edit(1), QStringLiteral("250"));
    ds->post();
    EXPECT_EQ(ds->fieldByName("Valor_Mop").asString(), QStringLiteral("250"));
    EXPECT_EQ(ds->fieldByName("dobro_mop").asString(), QStringLiteral("500"));
}

TEST_F(DataControlsTest, ARefusedTextIsReportedAndKeepsFocusAndText)
{
    struct Case {
        int edit;
        const char* text;
    };
    for (const Case& c : {Case{1, "abc"}, Case{2, "31/02/2009"}, Case{3, "100"}}) {
        errors.clear();
        typeInto(edit(c.edit), QString::fromLatin1(c.text));
        other->setFocus();
        EXPECT_EQ(errors.size(), 1) << c.text;
        EXPECT_TRUE(edit(c.edit)->hasFocus()) << c.text;
        EXPECT_EQ(edit(c.edit)->text(), QString::fromLatin1(c.text));
        // A post stops at the refused text, silently after its report.
        EXPECT_THROW(ds->post(), qx::SilentAbort);
        EXPECT_EQ(ds->state(), qx::DataSetState::Edit);
        QTest::keyClick(edit(c.edit), Qt::Key_Escape);
    }
}

// A box keeps refused text when the focus leaves it for another window; coming back to another
// refused box, each refusal is reported once and the focus settles on one of them.
TEST_F(DataControlsTest, TwoRefusedBoxesDoNotHandTheFocusToEachOtherForEver)
{
    typeInto(edit(1), QStringLiteral("abc"));
    other->setFocus(Qt::PopupFocusReason);  // a menu took the focus: no field exit
    typeInto(edit(3), QStringLiteral("100"));
    errors.clear();
    edit(1)->setFocus();
    EXPECT_EQ(errors.size(), 2);
    EXPECT_TRUE(edit(1)->hasFocus() || edit(3)->hasFocus());
    EXPECT_EQ(edit(1)->text(), QStringLiteral("abc"));
    EXPECT_EQ(edit(3)->text(), QStringLiteral("100"));
}

TEST_F(DataControlsTest, EscGivesBackTheFieldsValue)
{
    typeInto(edit(0), QStringLiteral("novo"));
    QTest::keyClick(edit(0), Qt::Key_Escape);
    EXPECT_EQ(edit(0)->text(), QStringLiteral("R1"));
    EXPECT_FALSE(edit(0)->pendingInput());
}

TEST_F(DataControlsTest, CalculatedFieldsAndDisabledSourcesAreReadOnly)
{
    DataEdit calc(&window);
    calc.setDataSource(&source);
    calc.setDataField(QStringLiteral("dobro_mop"));
    EXPECT_TRUE(calc.isReadOnly());
    EXPECT_EQ(calc.text(), QStringLiteral("2,000"));
    source.setEnabled(false);
    EXPECT_TRUE(edit(0)->isReadOnly());
    EXPECT_TRUE(edit(0)->text().isEmpty());
    source.setEnabled(true);
    EXPECT_EQ(edit(0)->text(), QStringLiteral("R1"));
}

TEST_F(DataControlsTest, ARightAlignedTextKeepsItsRightEdge)
{
    DataText text(&window);
    text.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    text.setGeometry(100, 100, 50, 16);
    text.setDataSource(&source);
    text.setDataField(QStringLiteral("dobro_mop"));
    EXPECT_EQ(text.text(), QStringLiteral("2,000"));
    EXPECT_EQ(text.geometry().right(), 149);
    ds->edit();
    ds->fieldByName("Valor_Mop").setAsString(QStringLiteral("123456789"));
    EXPECT_EQ(text.geometry().right(), 149);
    EXPECT_GT(text.width(), 50);
    EXPECT_TRUE(text.transparent());
}

// A number or a date too wide for its box shows as marks, never cut to some of its digits, while
// unfocused; focused, the edit shows it to be mended; a long text shows its beginning.
TEST_F(DataControlsTest, ANumberShowsWholeOrAsMarksAndALongTextFromItsStart)
{
    DataText total(&window);
    total.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int room = QFontMetrics(total.font()).horizontalAdvance(QStringLiteral("2,469,134")) + 2;
    total.setGeometry(100, 100, room, 16);
    total.setMaximumWidth(room);
    total.setDataSource(&source);
    total.setDataField(QStringLiteral("dobro_mop"));
    edit(1)->resize(QFontMetrics(edit(1)->font()).horizontalAdvance(QStringLiteral("1,234,567")) + 4 + 1, 20);
    ds->edit();
    ds->fieldByName("Valor_Mop").setAsString(QStringLiteral("1234567"));
    EXPECT_EQ(edit(1)->text(), QStringLiteral("1,234,567"));  // exactly as wide as its room
    EXPECT_EQ(total.text(), QStringLiteral("2,469,134"));
    ds->fieldByName("Valor_Mop").setAsString(QStringLiteral("123456789"));
    EXPECT_TRUE(edit(1)->text().contains(QRegularExpression(QStringLiteral("^#+$")))) << edit(1)->text().toStdString();
    EXPECT_TRUE(total.text().contains(QRegularExpression(QStringLiteral("^#+$")))) << total.text().toStdString();
    EXPECT_EQ(total.geometry().right(), 100 + room - 1);  // not grown over its neighbour
    EXPECT_LE(total.width(), room);
    edit(1)->setFocus();
    EXPECT_EQ(edit(1)->text(), QStringLiteral("123456789"));
    other->setFocus();
    edit(1)->resize(200, 20);
    EXPECT_EQ(edit(1)->text(), QStringLiteral("123,456,789"));

    edit(0)->resize(20, 20);
    ds->fieldByName("Nome").setAsString(QStringLiteral("Sociedade"));
    EXPECT_EQ(edit(0)->text(), QStringLiteral("Sociedade"));
    EXPECT_EQ(edit(0)->cursorPosition(), 0);
    // Left with its caret at the end, untouched, the box shows its beginning again.
    const QImage beginning = edit(0)->grab().toImage();
    edit(0)->setFocus();
    edit(0)->end(false);
    other->setFocus();
    EXPECT_TRUE(edit(0)->grab().toImage() == beginning) << "the box shows the end of its text";
}

TEST_F(DataControlsTest, CheckBoxShowsNullAsPartlyCheckedAndWritesAtOnce)
{
    DataCheckBox box(&window);
    box.setDataSource(&source);
    box.setDataField(QStringLiteral("Marca"));
    EXPECT_EQ(box.checkState(), Qt::PartiallyChecked);
    box.click();
    EXPECT_EQ(ds->state(), qx::DataSetState::Edit);
    EXPECT_EQ(ds->fieldByName("Marca").asString(), QStringLiteral("True"));
    box.click();
    EXPECT_EQ(ds->fieldByName("Marca").asString(), QStringLiteral("False"));
    EXPECT_EQ(box.checkState(), Qt::Unchecked);
}

TEST_F(DataControlsTest, MemoWritesOnLeaving)
{
    DataMemo memo(&window);
    memo.setDataSource(&source);
    memo.setDataField(QStringLiteral("Nome"));
    memo.show();
    memo.setFocus();
    QTest::keyClicks(&memo, "Z");
    other->setFocus();
    EXPECT_EQ(ds->fieldByName("Nome").asString(), QStringLiteral("ZR1"));
}

TEST_F(DataControlsTest, FocusingAFieldPassesOverTextsAndHiddenControls)
{
    DataText text(&window);
    text.setDataSource(&source);
    text.setDataField(QStringLiteral("Qtd"));
    text.show();
    auto* hidden = new DataEdit(&window);
    hidden->setDataSource(&source);
    hidden->setDataField(QStringLiteral("Nome"));
    hidden->hide();
    edit(3)->hide();
    EXPECT_FALSE(FocusField(*ds, QStringLiteral("qtd")));
    EXPECT_TRUE(FocusField(*ds, QStringLiteral("NOME")));
    EXPECT_TRUE(edit(0)->hasFocus());
}

}  // namespace

namespace {

TEST(DataNavigatorTest, ButtonsMoveTheCursorAndShowWhereItCanGo)
{
    auto ds = MakeTestDataSet(3);
    DataSource source;
    source.setDataSet(ds.get());
    DataNavigator nav;
    nav.setDataSource(&source);
    auto enabled = [&nav] {
        QString s;
        for (auto b : {DataNavigator::First, DataNavigator::Prior, DataNavigator::Next, DataNavigator::Last})
            s += nav.button(b)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    };
    EXPECT_EQ(enabled(), QStringLiteral("0011"));
    nav.button(DataNavigator::Next)->click();
    EXPECT_EQ(ds->recNo(), 2);
    EXPECT_EQ(enabled(), QStringLiteral("1111"));
    nav.button(DataNavigator::Last)->click();
    EXPECT_EQ(ds->recNo(), 3);
    EXPECT_EQ(enabled(), QStringLiteral("1100"));
    nav.button(DataNavigator::First)->click();
    EXPECT_EQ(ds->recNo(), 1);
}

}  // namespace
