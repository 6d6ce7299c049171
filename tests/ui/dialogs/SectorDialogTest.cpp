// The sector dialog leaves Sector_ID at 0, 11 or 21 however it is closed.
#include "support/DmFixture.h"
#include "ui/dialogs/TFormSelectSector.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <vector>

namespace {

class SectorDialog : public DmFixture {};

TEST_F(SectorDialog, OpensOnTheStoredSectorAndWritesTheChoiceOnOkOnly)
{
    enum Close { Ok, Cancel, CloseBox };
    struct Case {
        int stored;
        const char* opensOn;
        std::vector<const char*> clicks;  // radio buttons clicked in this order
        Close close;
        int expected;
    };
    TFormSelectSector dialog(*dm);
    const Case cases[] = {
        {-1, "RadioButtonGeral", {}, Ok, 0},
        {-1, "RadioButtonGeral", {}, Cancel, 0},
        {-1, "RadioButtonGeral", {"RadioButtonBank"}, Ok, 21},
        {5, "RadioButtonGeral", {"RadioButtonBank"}, CloseBox, 0},
        {11, "RadioButtonSegurador", {"RadioButtonGeral"}, Cancel, 11},
        {21, "RadioButtonBank", {"RadioButtonSegurador"}, Ok, 11},
        // One choice at a time: the last click is the one saved, and the next showing starts
        // from the stored sector with no tick left over.
        {-1, "RadioButtonGeral", {"RadioButtonSegurador", "RadioButtonBank"}, Ok, 21},
        {21, "RadioButtonBank", {"RadioButtonSegurador", "RadioButtonGeral"}, Ok, 0},
        {0, "RadioButtonGeral", {"RadioButtonBank", "RadioButtonSegurador"}, Cancel, 0},
        {0, "RadioButtonGeral", {"RadioButtonBank", "RadioButtonGeral", "RadioButtonSegurador"}, Ok, 11},
    };
    const auto ticked = [&] {
        QStringList names;
        for (QRadioButton* r : {dialog.RadioButtonSegurador, dialog.RadioButtonBank, dialog.RadioButtonGeral})
            if (r->isChecked())
                names << r->objectName();
        return names.join(QLatin1Char(' ')).toStdString();
    };
    for (const Case& c : cases) {
        PostFields(dm->cdsSys, {{"Sector_ID", QByteArray::number(c.stored).constData()}});
        dialog.show();
        EXPECT_EQ(ticked(), c.opensOn) << c.stored;
        for (const char* name : c.clicks) {
            auto* radio = dialog.findChild<QRadioButton*>(QLatin1String(name));
            QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
            EXPECT_EQ(ticked(), name);
        }
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
