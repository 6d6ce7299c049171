// The rate-table picker: landing on a code, refusing heading rows, the double click, the language.
#include "core/util/Clock.h"
#include "platform/widgets/DataGrid.h"
#include "support/DmFixture.h"
#include "ui/dialogs/TFormSelectTaxas.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace {

class RateTablePicker : public DmFixture {
protected:
    void SetUp() override
    {
        DmFixture::SetUp();
        SetBeepHandler([this] { ++beeps; });
        picker = std::make_unique<TFormSelectTaxas>(*dm);
    }
    void TearDown() override
    {
        picker.reset();
        SetBeepHandler(nullptr);
        DmFixture::TearDown();
    }
    qx::ClientDataSet& rates() { return dm->cdsTaxMaxReintAmor; }

    std::unique_ptr<TFormSelectTaxas> picker;
    int beeps = 0;
};

TEST_F(RateTablePicker, LandsOnTheFirstRowWhoseCodeBeginsWithTheTextOncePerShowing)
{
    struct Case {
        const char* locate;
        int startRow;
        int expectedRow;
    };
    const Case cases[] = {
        {"1.1", 1, 2},   // the leased-land row, not row 3
        {"8.4", 1, 51},  // a whole code
        {"2.", 1, 11},   // the beginning of a code
        {"x", 7, 7},     // nothing matches: stays
    };
    for (const Case& c : cases) {
        rates().setRecNo(c.startRow);
        picker->LocateCodigo = QString::fromUtf8(c.locate);
        picker->show();
        EXPECT_EQ(rates().recNo(), c.expectedRow) << c.locate;
        EXPECT_TRUE(picker->LocateCodigo.isEmpty());
        rates().setRecNo(c.startRow);
        picker->hide();
        picker->show();  // the next showing does not search again
        EXPECT_EQ(rates().recNo(), c.startRow) << c.locate;
        picker->hide();
    }
}

TEST_F(RateTablePicker, OkOnAHeadingRowBeepsAndStaysOpenADoubleClickOnAnItemIsOk)
{
    picker->show();
    rates().setRecNo(10);  // the heading of group 2
    picker->btnOK->click();
    EXPECT_EQ(beeps, 1);
    EXPECT_TRUE(picker->isVisible());
    EXPECT_EQ(picker->SelectedRecNo, 10);

    rates().setRecNo(12);
    const QModelIndex cell = picker->DBGridTaxas->model()->index(11, 1);
    emit picker->DBGridTaxas->doubleClicked(cell);
    EXPECT_FALSE(picker->isVisible());
    EXPECT_EQ(picker->result(), QDialog::Accepted);
    EXPECT_EQ(picker->SelectedRecNo, 12);
    EXPECT_EQ(beeps, 1);
}

TEST_F(RateTablePicker, PortugueseShowsItsTypeColumnHeadingAndNotesTabOnly)
{
    picker->show();
    QLabel* label = picker->LabelPortugues;
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), label->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(label, &release);
    EXPECT_TRUE(picker->RadioButtonPortugues->isChecked());
    EXPECT_TRUE(picker->DBGridTaxas->isColumnHidden(1));
    EXPECT_FALSE(picker->DBGridTaxas->isColumnHidden(2));
    EXPECT_EQ(picker->DBGridTaxas->columnWidth(2), picker->PanelTipo_Chn->width() - 1);
    EXPECT_TRUE(picker->PanelTipo_Por->isVisible());
    EXPECT_FALSE(picker->PageControl->tabBar()->isTabVisible(0));
    EXPECT_TRUE(picker->PageControl->tabBar()->isTabVisible(1));
    EXPECT_EQ(picker->PageControl->currentWidget(), picker->TabSheetObs_Por);

    picker->RadioButtonChinese->click();
    EXPECT_FALSE(picker->DBGridTaxas->isColumnHidden(1));
    EXPECT_TRUE(picker->DBGridTaxas->isColumnHidden(2));
    EXPECT_FALSE(picker->PanelTipo_Por->isVisible());
    EXPECT_EQ(picker->PageControl->currentWidget(), picker->TabSheetObs_Chn);
}

// A dialog border: one size, nothing to maximise; every caption shows whole at the program's
// fonts ("Nº. de Anos" in its heading cell among them), in either language.
TEST_F(RateTablePicker, FixedSizeAndEveryCaptionWhole)
{
    picker->show();
    EXPECT_EQ(picker->minimumSize(), picker->maximumSize());
    EXPECT_GE(picker->width(), 639);
    EXPECT_FALSE(picker->windowFlags() & Qt::WindowMaximizeButtonHint);
    for (bool portuguese : {false, true}) {
        (portuguese ? picker->RadioButtonPortugues : picker->RadioButtonChinese)->click();
        for (QLabel* label : picker->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->text().isEmpty())
                continue;
            const QRect room = label->contentsRect();
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), room.width()) << label->text().toStdString();
        }
    }
    EXPECT_TRUE(picker->LabelNo_de_Anos->isVisible());
}

}  // namespace
