#include "core/msgdlg/EditColors.h"
#include "platform/data/ClientDataSet.h"

#include <QApplication>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

const QColor kAqua(0x00, 0xFF, 0xFF), kLightYellow(0xFF, 0xFF, 0x80);
const QColor kNavy(0x00, 0x00, 0x80), kMaroon(0x80, 0x00, 0x00), kBlue(0x00, 0x00, 0xFF), kRed(0xFF, 0x00, 0x00);

// A data-aware edit as the editors will have it.
class FakeDataEdit : public QLineEdit, public DataControl {
public:
    FakeDataEdit(const qx::Field* field, bool readOnly) : field_(field), readOnly_(readOnly) {}
    ControlKind controlKind() const override { return ControlKind::DataEdit; }
    bool isReadOnly() const override { return readOnly_; }
    const qx::Field* field() const override { return field_; }

private:
    const qx::Field* field_;
    bool readOnly_;
};

class EditColorsOnFields : public ::testing::Test {
protected:
    void SetUp() override
    {
        page.setFieldDefs({
            qx::FieldDef{.name = QStringLiteral("R1_Mop"), .type = qx::FieldType::Currency},
            qx::FieldDef{.name = QStringLiteral("Qty"), .type = qx::FieldType::Integer},
            qx::FieldDef{.name = QStringLiteral("Nome"), .type = qx::FieldType::String, .size = 20},
        });
        page.createDataSet();
        page.append();
        page.post();
    }
    void set(const char16_t* field, const qx::Value& value)
    {
        page.edit();
        page.fieldByName(field).setValue(value);
        page.post();
    }
    qx::Field& field(const char16_t* name) { return page.fieldByName(name); }

    qx::ClientDataSet page{QStringLiteral("cdsM1P2")};
};

}  // namespace

TEST(EditColorsRule, EditableEditsByFocusAndSign)
{
    const QPalette system = QApplication::palette();
    auto colors = EditColorsFor(ControlKind::DataEdit, false, true, true, system);
    ASSERT_TRUE(colors);
    EXPECT_EQ(colors->background, kAqua);
    EXPECT_EQ(colors->text, kMaroon);
    colors = EditColorsFor(ControlKind::DataEdit, false, true, false, system);
    EXPECT_EQ(colors->background, kLightYellow);
    EXPECT_EQ(colors->text, kRed);
    EXPECT_EQ(EditColorsFor(ControlKind::DataEdit, false, false, true, system)->text, kNavy);
    EXPECT_EQ(EditColorsFor(ControlKind::DataEdit, false, false, false, system)->text, kBlue);
}

TEST(EditColorsRule, OtherDataControlsIgnoreTheSignAndOthersStayAsTheyAre)
{
    const QPalette system = QApplication::palette();
    for (ControlKind kind : {ControlKind::DataMemo, ControlKind::DataCheckBox, ControlKind::DataLookupList}) {
        EXPECT_EQ(EditColorsFor(kind, false, true, true, system)->text, kNavy);
        EXPECT_EQ(EditColorsFor(kind, false, true, false, system)->text, kBlue);
        const auto readOnly = EditColorsFor(kind, true, false, true, system);
        EXPECT_EQ(readOnly->background, system.color(QPalette::Button));
        EXPECT_EQ(readOnly->text, system.color(QPalette::WindowText));
    }
    for (ControlKind kind : {ControlKind::Other, ControlKind::Image, ControlKind::DataText})
        EXPECT_FALSE(EditColorsFor(kind, false, true, true, system));
}

TEST_F(EditColorsOnFields, NegativeMeansBelowZeroInNumericFieldsOnly)
{
    EXPECT_FALSE(IsNegativeFieldValue(nullptr));
    EXPECT_FALSE(IsNegativeFieldValue(&field(u"R1_Mop")));  // null
    set(u"R1_Mop", qx::Currency::parse(u"-0.0001"));
    EXPECT_TRUE(IsNegativeFieldValue(&field(u"R1_Mop")));
    set(u"R1_Mop", qx::Currency());
    EXPECT_FALSE(IsNegativeFieldValue(&field(u"R1_Mop")));
    set(u"Qty", std::int32_t{-1});
    EXPECT_TRUE(IsNegativeFieldValue(&field(u"Qty")));
    set(u"Nome", QStringLiteral("-5"));
    EXPECT_FALSE(IsNegativeFieldValue(&field(u"Nome")));
}

TEST_F(EditColorsOnFields, EditOnANegativeAmountTurnsMaroonThenRedUnlessReadOnly)
{
    set(u"R1_Mop", qx::Currency::parse(u"-12.5"));
    FakeDataEdit edit(&field(u"R1_Mop"), false);
    SetEnterColors(&edit);
    EXPECT_EQ(edit.palette().color(QPalette::Text), kMaroon);
    EXPECT_EQ(edit.palette().color(QPalette::Base), kAqua);
    SetExitColors(&edit);
    EXPECT_EQ(edit.palette().color(QPalette::Text), kRed);
    EXPECT_EQ(edit.palette().color(QPalette::Base), kLightYellow);

    FakeDataEdit readOnly(&field(u"R1_Mop"), true);
    SetEnterColors(&readOnly);
    EXPECT_EQ(readOnly.palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(readOnly.palette().color(QPalette::Text), QApplication::palette().color(QPalette::WindowText));

    set(u"Nome", QStringLiteral("-5"));
    FakeDataEdit text(&field(u"Nome"), false);
    SetEnterColors(&text);
    EXPECT_EQ(text.palette().color(QPalette::Text), kNavy);

    // A plain widget keeps its colours.
    QLineEdit plain;
    const QPalette before = plain.palette();
    SetEnterColors(&plain);
    EXPECT_EQ(plain.palette(), before);
}
