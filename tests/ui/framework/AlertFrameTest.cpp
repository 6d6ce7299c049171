// The alert frame under a page, and the editor's alert click with the flash.
#include "EditorFixture.h"

#include "core/util/Messages.h"
#include "platform/widgets/DataGrid.h"

#include <QHeaderView>
#include <QRadioButton>
#include <QSplitter>
#include <QTimer>

namespace {

class AlertFrameTest : public EditorFixture {
protected:
    void addAlert(int code, const char* field, int type, int no)
    {
        dm->AddAlert(code, QString::fromLatin1(field), type, no, QStringLiteral("中文訊息%1").arg(no),
                     QStringLiteral("Mensagem %1").arg(no));
    }
    QString cell(int page, int row, int column)
    {
        auto* m = frame(page).DBGridAlert->gridModel();
        return m->data(m->index(row, column), Qt::DisplayRole).toString();
    }
    void clickAlert(int page, int row)
    {
        DataGrid* grid = frame(page).DBGridAlert;
        grid->setCurrentIndex(grid->gridModel()->index(row, 1));
        emit grid->cellClicked(1);
    }
};

TEST_F(AlertFrameTest, ShowsAndHidesWithItsSplitterRightAboveIt)
{
    TFrameDBGridAlert& f = frame(0);
    EXPECT_TRUE(f.isHidden());
    EXPECT_TRUE(f.Splitter->isHidden());
    addAlert(5011, "Valor_Mop", 10, 12);
    addAlert(5012, "Nome", 10, 13);  // another page's alert stays on its own frame
    EXPECT_FALSE(f.isHidden());
    EXPECT_FALSE(f.Splitter->isHidden());
    EXPECT_EQ(f.DBGridAlert->gridModel()->rowCount(), 1);
    QApplication::processEvents();
    EXPECT_EQ(f.Splitter->geometry().bottom() + 1, f.geometry().top());
    dm->DeleteAlertsOfObject(5011);
    EXPECT_TRUE(f.isHidden());
    EXPECT_TRUE(f.Splitter->isHidden());
    EXPECT_FALSE(frame(1).isHidden());
}

TEST_F(AlertFrameTest, ColoursByTheWorstTypeAndRowsByTheirOwn)
{
    addAlert(5011, "Nome", 30, 1);
    EXPECT_EQ(frame(0).DBGridAlert->gridBackground(), QColor(206, 255, 206));
    addAlert(5011, "Nome", 20, 2);
    EXPECT_EQ(frame(0).DBGridAlert->gridBackground(), QColor(221, 221, 255));
    addAlert(5011, "Nome", 10, 3);
    EXPECT_EQ(frame(0).DBGridAlert->gridBackground(), QColor(255, 202, 202));
    auto* m = frame(0).DBGridAlert->gridModel();
    EXPECT_EQ(m->data(m->index(0, 0), Qt::ForegroundRole).value<QColor>(), QColor(0, 128, 0));
    EXPECT_EQ(m->data(m->index(2, 0), Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
    EXPECT_EQ(cell(0, 0, 1), QStringLiteral("A-001"));  // in Alert_Seq order
}

TEST_F(AlertFrameTest, TheLanguageSwitchAndBack)
{
    addAlert(5011, "Nome", 10, 5);
    TFrameDBGridAlert& f = frame(0);
    EXPECT_EQ(cell(0, 0, 0), QStringLiteral("錯誤"));
    EXPECT_EQ(cell(0, 0, 2), QStringLiteral("中文訊息5"));
    f.LabelPortuguesClick();
    EXPECT_TRUE(f.RadioButtonPortugues->isChecked());
    EXPECT_EQ(cell(0, 0, 0), QStringLiteral("Erro"));
    EXPECT_EQ(cell(0, 0, 2), QStringLiteral("Mensagem 5"));
    const QFont portuguese = *f.DBGridAlert->gridModel()->columns()[2].font;
    EXPECT_EQ(portuguese.pixelSize(), 13);
    f.RadioButtonChinese->click();
    EXPECT_EQ(cell(0, 0, 0), QStringLiteral("錯誤"));
    EXPECT_EQ(cell(0, 0, 2), QStringLiteral("中文訊息5"));
    EXPECT_NE(f.DBGridAlert->gridModel()->columns()[2].font->family(), portuguese.family());
}

// At the program's fonts the rows are taller than the design's: the frame opens on whole rows,
// and the column titles (the field names) show whole in either language.
TEST_F(AlertFrameTest, OpensOnWholeRowsWithEveryColumnTitleWhole)
{
    for (int no = 1; no <= 6; ++no)
        addAlert(5011, "Nome", 10, no);
    QApplication::processEvents();
    TFrameDBGridAlert& f = frame(0);
    const int row = f.DBGridAlert->verticalHeader()->defaultSectionSize();
    const int rowsArea = f.DBGridAlert->viewport()->height();
    EXPECT_EQ(rowsArea % row, 0) << rowsArea << " for rows of " << row;
    EXPECT_GE(rowsArea / row, 2);
    for (bool portuguese : {false, true}) {
        if (portuguese)
            f.LabelPortuguesClick();
        QHeaderView* titles = f.DBGridAlert->horizontalHeader();
        for (int c = 0; c < 3; ++c)
            EXPECT_GE(f.DBGridAlert->columnWidth(c), titles->sectionSizeHint(c))
                << f.DBGridAlert->gridModel()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().toStdString();
    }
}

TEST_F(AlertFrameTest, AClickFocusesTheFieldsEditAndADoubleClickShowsTheAlert)
{
    addAlert(5011, "Qtd", 10, 12);
    clickAlert(0, 0);
    EXPECT_EQ(focused(), editor->Qtd);
    messages.clear();
    emit frame(0).DBGridAlert->cellDoubleClicked(0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].dlgType, dtError);
    EXPECT_EQ(messages.shown[0].code, QStringLiteral("A-012"));
    EXPECT_EQ(messages.shown[0].chn, QStringLiteral("中文訊息12"));
}

TEST_F(AlertFrameTest, AClickOnACalculatedBoxFlashesItTwentyTimesThenItTurnsTransparent)
{
    addAlert(5011, "dobro_mop", 10, 1);
    addAlert(5011, "Marca", 10, 2);
    clickAlert(0, 0);
    ASSERT_EQ(editor->FlashControl, editor->Dobro);
    EXPECT_FALSE(editor->Dobro->transparent());
    EXPECT_TRUE(editor->TimerAutoFlash->isActive());
    EXPECT_EQ(editor->TimerAutoFlash->interval(), 200);
    int changes = 0;
    QColor last = editor->Dobro->backgroundColor();
    for (int tick = 0; tick < 20; ++tick) {
        editor->TimerAutoFlashTimer();
        const QColor now = editor->Dobro->backgroundColor();
        EXPECT_TRUE(now == QColor(255, 0, 0) || now == QColor(0, 255, 0));
        changes += now != last;
        last = now;
        EXPECT_FALSE(editor->Dobro->transparent());
    }
    EXPECT_EQ(changes, 20);
    editor->TimerAutoFlashTimer();
    EXPECT_TRUE(editor->Dobro->transparent());
    EXPECT_EQ(editor->FlashControl, nullptr);
    EXPECT_FALSE(editor->TimerAutoFlash->isActive());

    // A second click while one flashes restarts the flash on the other box.
    clickAlert(0, 0);
    editor->TimerAutoFlashTimer();
    clickAlert(0, 1);
    EXPECT_EQ(editor->FlashControl, editor->Marca);
    EXPECT_TRUE(editor->Dobro->transparent());
    EXPECT_EQ(editor->FlashTicksLeft, 20);
}

}  // namespace
