// The sector dialog leaves Sector_ID at 0, 11 or 21 however it is closed.
#include "support/DmFixture.h"
#include "ui/dialogs/TFormSelectSector.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

class SectorDialog : public DmFixture {};

TEST_F(SectorDialog, OpensOnTheStoredSectorAndWritesTheChoiceOnOkOnly)
{
    enum Close { Ok, Cancel, CloseBox };
    struct Case {
        int stored;
        const char* opensOn;
        const char* choose;  // nullptr: leave the choice
        Close close;
        int expected;
    };
    const Case cases[] = {
        {-1, "RadioButtonGeral", nullptr, Ok, 0},
        {-1, "RadioButtonGeral", nullptr, Cancel, 0},
        {-1, "RadioButtonGeral", "RadioButtonBank", Ok, 21},
        {5, "RadioButtonGeral", "RadioButtonBank", CloseBox, 0},
        {11, "RadioButtonSegurador", "RadioButtonGeral", Cancel, 11},
        {21, "RadioButtonBank", "RadioButtonSegurador", Ok, 11},
    };
    TFormSelectSector dialog(dm->cdsSys);
    for (const Case& c : cases) {
        PostFields(dm->cdsSys, {{"Sector_ID", QByteArray::number(c.stored).constData()}});
        dialog.show();
        EXPECT_TRUE(dialog.findChild<QRadioButton*>(QLatin1String(c.opensOn))->isChecked()) << c.stored;
        if (c.choose)
            dialog.findChild<QRadioButton*>(QLatin1String(c.choose))->setChecked(true);
        switch (c.close) {
        case Ok: dialog.BitBtn1->click(); break;
        case Cancel: dialog.BitBtn2->click(); break;
        case CloseBox: dialog.close(); break;
        }
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dm->cdsSys.fieldByName(u"Sector_ID").asInteger(), c.expected) << c.stored;
        EXPECT_FALSE(dm->cdsSys.editing());
    }
    EXPECT_EQ(dialog.LabelBank->text(), QStringLiteral("Sector &Banc\u00e1rio"));
}

}  // namespace
