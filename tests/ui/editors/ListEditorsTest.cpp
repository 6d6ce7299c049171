// The M/3 and M/3A editors as a user meets them: rows typed through the grid, the row actions and
// their keys, the rate-table pick, the depreciation proposal, printing, and a refused row that
// keeps the user in its grid whatever the way out.
#include "ListEditorFixture.h"

#include "platform/layout/PageLayout.h"
#include "platform/widgets/DataNavigator.h"
#include "platform/widgets/DataText.h"
#include "ui/framework/TFrameDBGridAlert.h"

#include <QMenu>
#include <QToolButton>
#include <QScrollArea>
#include <QScrollBar>

namespace {

class M3Editor : public ListEditorFixture {
protected:
    TListGridPage& List() { return *m3->ListPage; }
    void ShowList()
    {
        Show(*m3);
        m3->PageControl->setCurrentIndex(1);
        QApplication::processEvents();
    }
};

TEST_F(M3Editor, AWholeRowTypedThroughTheGridIsStoredWithItsTotalsHeaderAndAlerts)
{
    ShowList();
    qx::ClientDataSet& l = dm->cdsM3VCLF;
    Cell(List(), 0, 0);
    Key(Qt::Key_Down);  // a new row on the empty list
    ASSERT_EQ(l.state(), qx::DataSetState::Insert);
    Cell(List(), 0, Column(List(), "Codigo"));
    // Codigo completes Tipo and the rate on leaving; the rest typed column by column with Enter.
    const char* typed[] = {"1.2", nullptr, "2020", "3", "120000", "20000", nullptr, "10000", "10", "7", "7000", "500"};
    for (const char* text : typed) {
        if (text)
            Type(QString::fromLatin1(text));
        Key(Qt::Key_Return);
    }
    EXPECT_EQ(List().DBGrid->currentIndex().column(), Column(List(), "col7_mop"));
    Key(Qt::Key_Return);
    const int before = beeps;
    Key(Qt::Key_Return);  // the last column
    EXPECT_EQ(beeps, before + 1);
    Key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(l.state(), qx::DataSetState::Browse) << (messages.shown.empty() ? std::string() : messages.shown[0].por.toStdString());
    EXPECT_EQ(Text(l, "Codigo"), QStringLiteral("1.2"));
    EXPECT_EQ(Text(l, "Tipo"), QStringLiteral("工業樓宇(批租地)"));
    EXPECT_EQ(Text(l, "Ano_Aqu"), QStringLiteral("2020"));
    EXPECT_EQ(Text(l, "Mes_Ini_de_Util"), QStringLiteral("3"));
    EXPECT_EQ(Text(l, "DA_Taxas"), QStringLiteral("10"));
    EXPECT_EQ(Text(l, "DA_Meses"), QStringLiteral("7"));
    EXPECT_EQ(Text(l, "col3_mop"), QStringLiteral("100000"));
    EXPECT_EQ(Text(l, "col7_mop"), QStringLiteral("16500"));
    EXPECT_EQ(Text(l, "col8_mop"), QStringLiteral("83500"));
    EXPECT_EQ(m3->findChild<QWidget*>(QStringLiteral("PanelCol7"))->findChild<DataText*>()->text().trimmed(),
              QStringLiteral("120,000"));
    EXPECT_EQ(m3->findChild<QWidget*>(QStringLiteral("PanelCol16"))->findChild<DataText*>()->text().trimmed(),
              QStringLiteral("83,500"));
    EXPECT_EQ(Text(dm->cdsM3P1, "1_r2_col2_mop"), QStringLiteral("120000"));
    m3->PageControl->setCurrentIndex(0);
    QApplication::processEvents();
    const TFrameDBGridAlert& alerts = *m3->PageAt(0).FrameDBGridAlert;
    EXPECT_GT(alerts.cdsCur_DB_Alert->recordCount(), 0);
    EXPECT_FALSE(alerts.isHidden());
}

TEST_F(M3Editor, DepreciationProposalAsksOnADifferentValueAndNotesAnEqualOne)
{
    AddM3Row(120000);
    qx::ClientDataSet& l = dm->cdsM3VCLF;
    PostFields(l, {{"DA_Taxas", "10"}, {"DA_Meses", "7"}, {"Col5_Mop", "0"}});
    ShowList();
    const int col5 = Column(List(), "Col5_Mop");
    Cell(List(), 0, col5);
    List().GridEllipsisClick(col5);
    EXPECT_EQ(messages.codes(), QStringList{QStringLiteral("DM-002")});
    EXPECT_EQ(Text(l, "Col5_Mop"), QStringLiteral("7000"));
    Key(Qt::Key_S, Qt::ControlModifier);
    messages.clear();
    List().GridEllipsisClick(col5);
    EXPECT_EQ(messages.codes(), QStringList{QStringLiteral("DM-001")});
    EXPECT_EQ(l.state(), qx::DataSetState::Browse);
    PostFields(l, {{"DA_Meses", "0"}});
    List().GridEllipsisClick(col5);
    EXPECT_EQ(Text(l, "Col5_Mop"), QStringLiteral("12000"));
}

TEST_F(M3Editor, ShiftInsOnARefusedRowShowsItsFindingsBeepsAndOpensNoPicker)
{
    ShowList();
    StartRefusedRow(dm->cdsM3VCLF);
    Cell(List(), 0, 2);
    Key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(messages.codes(), QStringList{QStringLiteral("DM-012")});
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(picker.shown, 0);
    EXPECT_TRUE(dm->cdsM3VCLF.editing());
    EXPECT_TRUE(List().InGrid(Focused()));
}

TEST_F(M3Editor, AccentsAreStrippedByShiftInsOnlyAndTheTypeFollowsThePickersLanguage)
{
    picker.chinese = false;
    ShowList();
    qx::ClientDataSet& l = dm->cdsM3VCLF;
    Key(Qt::Key_Insert, Qt::ShiftModifier);
    ASSERT_EQ(picker.shown, 1);
    EXPECT_EQ(Text(l, "Tipo"), QStringLiteral("Edificios industriais"));
    EXPECT_EQ(Text(l, "Codigo"), QStringLiteral("1.2"));
    EXPECT_EQ(Text(l, "DA_Taxas"), QStringLiteral("4"));
    l.cancel();

    const int tipo = Column(List(), "Tipo");
    Cell(List(), 0, tipo);
    List().GridEllipsisClick(tipo);
    EXPECT_EQ(Text(l, "Tipo"), QStringLiteral("Edifícios industriais"));
    l.fieldByName(u"Tipo").clear();
    l.fieldByName(u"Codigo").setAsString(QStringLiteral("1.2"));
    Cell(List(), 0, Column(List(), "Codigo"));
    Cell(List(), 0, tipo);  // leaving the Codigo column
    EXPECT_EQ(Text(l, "Tipo"), QStringLiteral("Edifícios industriais"));
}

TEST_F(M3Editor, LeavingCodigoFillsOnlyAnEmptyTypeFromAKnownCode)
{
    ShowList();
    qx::ClientDataSet& l = dm->cdsM3VCLF;
    const int codigo = Column(List(), "Codigo");
    struct Case {
        const char* code;
        const char* tipo;
        const char* expectTipo;
        const char* expectRate;
    } cases[] = {
        {"1.2", "", "工業樓宇(批租地)", "4"},
        {"1.2", "Meu tipo", "Meu tipo", ""},
        {"1.2x", "", "", ""},  // unknown: left as typed for the row check
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        l.edit();
        Cell(List(), 0, codigo);
        l.fieldByName(u"Codigo").setAsString(QString::fromUtf8(c.code));
        l.fieldByName(u"Tipo").setAsString(QString::fromUtf8(c.tipo));
        l.fieldByName(u"DA_Taxas").clear();
        Cell(List(), 0, codigo + 1);
        EXPECT_EQ(Text(l, "Tipo"), QString::fromUtf8(c.expectTipo)) << c.code << " " << c.tipo;
        EXPECT_EQ(Text(l, "DA_Taxas"), QString::fromLatin1(c.expectRate)) << c.code << " " << c.tipo;
        dm->CancelWithoutQuestion(l);
    }
}

TEST_F(M3Editor, PrintOpensOnTheCurrentRowsSheetAndFaceOrTheFirstSheetOfAnEmptyList)
{
    ShowList();
    // Empty list: the first sheet, its back when the first observations hold text.
    m3->PageAt(1).ActionPrint->trigger();
    PostField(dm->cdsM3Obs, "R1_Obs", "nota");
    m3->PageAt(1).ActionPrint->trigger();
    m3->PageAt(0).ActionPrint->trigger();
    for (int i = 0; i < 40; ++i)
        AddM3Row();
    dm->cdsM3VCLF.setRecNo(40);
    m3->PageAt(1).ActionPrint->trigger();
    dm->cdsM3VCLF.setRecNo(13);
    Key(Qt::Key_P, Qt::ControlModifier);
    const std::vector<std::tuple<int, int, int>> expected = {
        {4011, 1, 1}, {4012, 1, 2}, {4011, 1, 1}, {4012, 2, 1}, {4012, 1, 2}};
    ASSERT_EQ(printDialog.calls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const PrintCall& c = printDialog.calls[i];
        EXPECT_EQ(std::make_tuple(c.pageCode, c.pagNum, c.faceNum), expected[i]) << i;
    }
    EXPECT_EQ(dm->cdsM3VCLF.recNo(), 13);  // the position kept
}

TEST_F(M3Editor, MovesBeepAtTheEndsAndWaitWhileARowIsEdited)
{
    AddM3Row(1000);
    AddM3Row(2000);
    ShowList();
    qx::ClientDataSet& l = dm->cdsM3VCLF;
    l.first();
    Cell(List(), 0, 2);
    Key(Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(Text(l, "Col1_Mop"), QStringLiteral("1000"));
    Key(Qt::Key_D, Qt::ControlModifier);
    l.first();
    EXPECT_EQ(Text(l, "Col1_Mop"), QStringLiteral("2000"));
    l.edit();
    EXPECT_FALSE(List().ActionMoveUp->isEnabled());
    EXPECT_FALSE(List().ActionMoveDown->isEnabled());
    EXPECT_FALSE(m3->miMoveUp->isEnabled());
    l.cancel();
    EXPECT_TRUE(m3->miMoveDown->isEnabled());
}

// Past the row's ends the column keys beep and the current cell stays where it is.
TEST_F(M3Editor, TabPastTheLastColumnAndShiftTabBeforeTheFirstBeepAndKeepTheCell)
{
    AddM3Row();
    ShowList();
    const int last = int(List().Spec().columns.size()) - 1;
    const struct {
        int column;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } cases[] = {{0, Qt::Key_Backtab, Qt::ShiftModifier}, {0, Qt::Key_Tab, Qt::ShiftModifier},
                 {last, Qt::Key_Tab, Qt::NoModifier}};
    for (const auto& c : cases) {
        Cell(List(), 0, c.column);
        const int before = beeps;
        Key(c.key, c.modifiers);
        EXPECT_EQ(beeps, before + 1) << c.key;
        EXPECT_EQ(List().DBGrid->currentIndex().column(), c.column) << c.key;
        EXPECT_EQ(Focused(), List().DBGrid) << c.key;
    }
}

TEST_F(M3Editor, InsertAndDeleteByTheirKeysKeepTheKeysAndAskForANonEmptyRow)
{
    AddM3Row(1000);
    AddM3Row(2000);
    ShowList();
    qx::ClientDataSet& l = dm->cdsM3VCLF;
    l.setRecNo(2);
    Cell(List(), 1, 2);
    Key(Qt::Key_Insert, Qt::ControlModifier);
    ASSERT_EQ(l.recordCount(), 3);
    EXPECT_EQ(l.recNo(), 2);
    EXPECT_TRUE(Text(l, "Codigo").isEmpty());
    Key(Qt::Key_Delete, Qt::ControlModifier);  // an empty row: no question
    EXPECT_TRUE(messages.codes().isEmpty());
    EXPECT_EQ(l.recordCount(), 2);
    messages.answer(QStringLiteral("DM-011"), mrNo);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(messages.codes(), QStringList{QStringLiteral("DM-011")});
    EXPECT_EQ(l.recordCount(), 2);
    EXPECT_TRUE(List().InGrid(Focused()));
}

TEST_F(M3Editor, TheEditMenuFollowsTheListPageAndTheFileMenuTheObservations)
{
    Show(*m3);
    EXPECT_FALSE(m3->smEdit->isEnabled());
    m3->PageControl->setCurrentIndex(1);
    QApplication::processEvents();
    EXPECT_TRUE(m3->smEdit->isEnabled());
    DataEdit& obs = *List().ObsEdits.front();
    obs.setFocus();
    QApplication::processEvents();
    Type(QStringLiteral("x"));
    EXPECT_TRUE(dm->cdsM3Obs.editing());
    EXPECT_TRUE(m3->miPost->isEnabled());
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(dm->cdsM3Obs.editing());
    EXPECT_EQ(Text(dm->cdsM3Obs, "R1_Obs"), QStringLiteral("x"));
    EXPECT_EQ(Focused(), &obs) << "the list's post took the focus to its grid";
}

TEST_F(M3Editor, EnteringAColumnBringsTheTotalsUnderItIntoView)
{
    for (int i = 0; i < 3; ++i)
        AddM3Row();
    m3->resize(700, 600);
    ShowList();
    QScrollBar& bar = *m3->PageAt(1).ScrollBox->horizontalScrollBar();
    Cell(List(), 0, Column(List(), "col8_mop"));
    EXPECT_GT(bar.value(), 0);
    const QWidget* last = m3->findChild<QWidget*>(QStringLiteral("PanelCol16"));
    const QRect shown(QPoint(bar.value(), 0), m3->PageAt(1).ScrollBox->viewport()->size());
    EXPECT_TRUE(shown.contains(QRect(last->mapTo(m3->PageAt(1).Content, QPoint()), last->size()).topLeft()));
    Cell(List(), 0, Column(List(), "Codigo"));
    EXPECT_EQ(bar.value(), 0);
}

TEST_F(M3Editor, CellsShowTheCurrentRowTheSheetParityAndTheFace)
{
    for (int i = 0; i < 33; ++i)
        AddM3Row();
    dm->cdsM3VCLF.setRecNo(1);
    ShowList();
    const DataGridModel& model = *List().DBGrid->gridModel();
    auto colour = [&](int row, int column, int role = Qt::BackgroundRole) {
        return model.data(model.index(row, column), role).value<QColor>();
    };
    EXPECT_EQ(colour(0, 4), QColor(0, 255, 255));             // the current row
    EXPECT_EQ(colour(1, 0), QColor(255, 196, 196));           // sheet 1
    EXPECT_EQ(colour(32, 0), QColor(255, 128, 0));            // sheet 2
    EXPECT_EQ(colour(1, 1), QColor(Qt::black));               // front
    EXPECT_EQ(colour(1, 1, Qt::ForegroundRole), QColor(Qt::white));
    EXPECT_EQ(colour(20, 1), QColor(192, 192, 192));          // back
    EXPECT_EQ(colour(1, 4), QColor(255, 255, 128));           // an input column
    EXPECT_FALSE(colour(1, Column(List(), "col3_mop")).isValid());
}

// A row its checks refuse is never left behind: each way out keeps it in edit and the grid
// takes the focus back.
TEST_F(M3Editor, ARefusedRowKeepsTheUserInTheGridOnEveryWayOut)
{
    AddM3Row();
    qx::ClientDataSet& l = dm->cdsM3VCLF;
    const std::vector<std::pair<const char*, std::function<void()>>> waysOut = {
        {"another row", [&] { Cell(List(), 0, 2); }},
        {"the navigator", [&] { List().DBNavigator->button(DataNavigator::First)->click(); }},
        {"the observations", [&] { List().ObsEdits.front()->setFocus(); }},
        {"the header page", [&] { m3->PageControl->userSelect(0); }},
        {"close", [&] { m3->ActionClose->trigger(); }},
        {"print", [&] { Key(Qt::Key_P, Qt::ControlModifier); }},
        {"a jump", [&] { m3->JumpActions[0]->trigger(); }},
    };
    for (const auto& [name, wayOut] : waysOut) {
        ShowList();
        l.last();
        Cell(List(), 0, 2);
        StartRefusedRow(l);
        Cell(List(), 1, 3);
        messages.clear();
        wayOut();
        QApplication::processEvents();
        EXPECT_TRUE(m3->isVisible()) << name;
        EXPECT_EQ(m3->ActivePage(), 1) << name;
        EXPECT_EQ(l.state(), qx::DataSetState::Insert) << name;
        EXPECT_TRUE(List().InGrid(Focused())) << name;
        EXPECT_TRUE(messages.codes().contains(QStringLiteral("DM-012"))) << name;
        EXPECT_TRUE(printDialog.calls.empty()) << name;
        dm->CancelWithoutQuestion(l);
    }
    EXPECT_EQ(m3->NextFormCode, 1011);  // a refused jump keeps the form asked for
}

// Ctrl+Alt+C (File → Cancelar) cancels what is being edited where the user is: the header page,
// the list's row, the observations; an edit is asked for first (DM-016), and No keeps it. A new
// row its checks refuse is reached also when an observation edit was entered last, so that the
// editor can close.
TEST_F(M3Editor, CtrlAltCCancelsTheEditWhereTheUserIs)
{
    AddM3Row();
    qx::ClientDataSet& l = dm->cdsM3VCLF;
    struct Case {
        const char* name;
        std::function<void()> edit;
        qx::ClientDataSet* cancelled;
        bool asks;  // an edit asks DM-016, a new row goes without a question
    };
    const Case cases[] = {
        {"the header page",
         [&] {
             m3->PageControl->setCurrentIndex(0);
             QApplication::processEvents();
             m3->PageAt(0).First->setFocus();
             Type(QStringLiteral("7"));
         },
         &dm->cdsM3P1, true},
        {"the list's row",
         [&] {
             ShowList();
             Cell(List(), 0, Column(List(), "Ano_Aqu"));
             Type(QStringLiteral("2019"));
         },
         &l, true},
        {"the observations",
         [&] {
             ShowList();
             List().ObsEdits.front()->setFocus();
             Type(QStringLiteral("x"));
         },
         &dm->cdsM3Obs, true},
        {"a refused row, an observation edit entered after it",
         [&] {
             ShowList();
             List().ObsEdits.front()->setFocus();
             QApplication::processEvents();
             StartRefusedRow(l);
         },
         &l, false},
    };
    const auto cancelKey = [] { Key(Qt::Key_C, Qt::ControlModifier | Qt::AltModifier); };
    for (const Case& c : cases) {
        Show(*m3);
        c.edit();
        QApplication::processEvents();
        ASSERT_TRUE(c.cancelled->editing()) << c.name;
        EXPECT_TRUE(m3->miCancel->isEnabled()) << c.name;
        messages.clear();
        if (c.asks) {
            messages.answer(QStringLiteral("DM-016"), mrNo);
            cancelKey();
            EXPECT_EQ(messages.codes(), QStringList{"DM-016"}) << c.name;
            EXPECT_TRUE(c.cancelled->editing()) << c.name;
            messages.answer(QStringLiteral("DM-016"), mrYes);
        }
        cancelKey();
        EXPECT_FALSE(c.cancelled->editing()) << c.name;
        EXPECT_FALSE(l.editing()) << c.name;
        EXPECT_EQ(l.recordCount(), 1) << c.name;
        m3->ActionClose->trigger();
        EXPECT_FALSE(m3->isVisible()) << c.name << ": the editor closes";
    }
    EXPECT_EQ(Text(l, "Ano_Aqu"), QString());
    EXPECT_EQ(Text(dm->cdsM3Obs, "R1_Obs"), QString());
}

class M3AEditor : public ListEditorFixture {};

// The heading picture's column boxes stand over the grid's columns, and each totals panel under
// its column, on all three list pages.
TEST_F(M3AEditor, HeadingsGridColumnsAndTotalsLineUp)
{
    for (TFormFill* editor : {static_cast<TFormFill*>(m3.get()), static_cast<TFormFill*>(m3a.get())})
        Show(*editor);
    for (TListGridPage* page : {m3->ListPage, m3a->AliPage, m3a->AbaPage}) {
        const qx::PageLayout& heading = qx::pageLayout(QString::fromLatin1(page->Spec().heading));
        auto* editor = static_cast<TFormFill*>(page->parent());
        editor->PageControl->setCurrentIndex(page->Spec().page);
        QApplication::processEvents();
        QWidget* canvas = page->DBGrid->parentWidget();
        const int imageLeft = page->ImageGridHeader->mapTo(canvas, QPoint()).x();
        for (const qx::Box& box : heading.boxes) {
            const int column = Column(*page, box.field.toLatin1().constData());
            ASSERT_GE(column, 0) << box.field.toStdString();
            const int gridLeft = page->DBGrid->viewport()->mapTo(canvas, QPoint(page->DBGrid->columnViewportPosition(column), 0)).x();
            EXPECT_NEAR(imageLeft + box.mm.left() * 5, gridLeft, 1) << page->Spec().heading << " " << box.field.toStdString();
            if (column > page->Spec().headColumns) {
                const QString name = QString::fromLatin1(page->Spec().panelPrefix) + QString::number(column + 1);
                const QWidget* panel = m3->findChild<QWidget*>(name) ? m3->findChild<QWidget*>(name) : m3a->findChild<QWidget*>(name);
                ASSERT_NE(panel, nullptr) << name.toStdString();
                EXPECT_EQ(panel->mapTo(canvas, QPoint()).x(), gridLeft) << name.toStdString();
            }
        }
    }
}

TEST_F(M3AEditor, ObservationEditsWaitForARowOfTheListChangedLast)
{
    Show(*m3a);
    DataEdit& obs = *m3a->AliPage->ObsEdits.front();
    EXPECT_FALSE(m3a->DataSourceP3->enabled());
    EXPECT_TRUE(obs.text().isEmpty());
    obs.setFocus();
    Type(QStringLiteral("x"));
    EXPECT_FALSE(dm->cdsM3AObs.editing());
    PostField(dm->cdsM3AObs, "R1_Obs", "primeira");
    EXPECT_TRUE(obs.text().isEmpty());
    AddAliRow();
    EXPECT_TRUE(m3a->DataSourceP3->enabled());
    EXPECT_EQ(obs.text(), QStringLiteral("primeira"));
    EXPECT_EQ(m3a->AliPage->PanelObs->findChild<DataText*>()->text(), QStringLiteral("1"));
}

TEST_F(M3AEditor, EditingAWrittenOffRowHoldsInsertFromTheRateTableOnBothPages)
{
    Show(*m3a);
    qx::ClientDataSet& aba = dm->cdsM3AAba;
    aba.append();
    EXPECT_FALSE(m3a->AliPage->ActionSelectNAdd->isEnabled());
    EXPECT_FALSE(m3a->AbaPage->ActionSelectNAdd->isEnabled());
    dm->CancelWithoutQuestion(aba);
    EXPECT_TRUE(m3a->AbaPage->ActionSelectNAdd->isEnabled());
    dm->cdsM3AAli.append();
    EXPECT_TRUE(m3a->AliPage->ActionSelectNAdd->isEnabled());
    EXPECT_TRUE(m3a->AbaPage->ActionSelectNAdd->isEnabled());
    EXPECT_TRUE(m3a->miSelectNAdd->isEnabled());
    dm->CancelWithoutQuestion(dm->cdsM3AAli);
}

TEST_F(M3AEditor, CtrlPOnTheWrittenOffPagePrintsItsCodeAfterRecalculating)
{
    Show(*m3a);
    m3a->PageControl->setCurrentIndex(1);
    QApplication::processEvents();
    Key(Qt::Key_P, Qt::ControlModifier);
    m3a->PageControl->setCurrentIndex(0);
    QApplication::processEvents();
    Key(Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(printDialog.calls.size(), 2u);
    EXPECT_EQ(printDialog.calls[0].pageCode, 5012);
    EXPECT_EQ(printDialog.calls[0].pagNum, 0);  // no sheet is chosen for M/3A
    EXPECT_EQ(printDialog.calls[1].pageCode, 5011);
}

// On each list page over an empty list: Ctrl+Ins adds an empty row; a code typed into it and
// Ctrl+Del leave no row. A new row still unfinished (Down on the empty list) gets no second one
// from Ctrl+Ins.
TEST_F(M3AEditor, CtrlInsAndCtrlDelOnAnEmptyListLeaveNoRowBehind)
{
    for (TListGridPage* page : {m3->ListPage, m3a->AliPage, m3a->AbaPage}) {
        auto& editor = *static_cast<TFormFill*>(page->parent());
        qx::ClientDataSet& list = *page->DBGrid->dataSource()->dataSet();
        SCOPED_TRACE(qPrintable(list.name()));
        Show(editor);
        editor.PageControl->setCurrentIndex(page->Spec().page);
        QApplication::processEvents();
        page->DBGrid->setFocus();
        Key(Qt::Key_Insert, Qt::ControlModifier);
        ASSERT_EQ(list.recordCount(), 1);
        Cell(*page, 0, Column(*page, "Codigo"));
        Type(QStringLiteral("1.2"));
        Key(Qt::Key_Delete, Qt::ControlModifier);
        EXPECT_EQ(list.state(), qx::DataSetState::Browse);
        EXPECT_EQ(list.recordCount(), 0);

        Key(Qt::Key_Down);
        ASSERT_EQ(list.state(), qx::DataSetState::Insert);
        Key(Qt::Key_Insert, Qt::ControlModifier);
        EXPECT_EQ(list.state(), qx::DataSetState::Insert);
        EXPECT_EQ(page->DBGrid->model()->rowCount(), 1);
        dm->CancelWithoutQuestion(list);
        EXPECT_EQ(list.recordCount(), 0);
        editor.close();
    }
}

TEST_F(M3AEditor, TheTypeEllipsisStartsARowOnAnEmptyListAndEditsTheCurrentOtherwise)
{
    Show(*m3a);
    TListGridPage& ali = *m3a->AliPage;
    qx::ClientDataSet& l = dm->cdsM3AAli;
    ali.GridEllipsisClick(Column(ali, "Tipo"));
    EXPECT_EQ(l.state(), qx::DataSetState::Insert);
    EXPECT_EQ(Text(l, "Codigo"), QStringLiteral("1.2"));
    EXPECT_EQ(Text(l, "Tipo"), QStringLiteral("工業樓宇(批租地)"));
    EXPECT_EQ(picker.located, QString());
    dm->CancelWithoutQuestion(l);
    AddAliRow();
    l.edit();
    l.fieldByName(u"Codigo").setAsString(QStringLiteral("1.1"));
    ali.GridEllipsisClick(Column(ali, "Codigo"));
    EXPECT_EQ(picker.located, QStringLiteral("1.1"));
    EXPECT_EQ(l.state(), qx::DataSetState::Edit);
    EXPECT_EQ(l.recordCount(), 1);
    EXPECT_EQ(Text(l, "Codigo"), QStringLiteral("1.2"));
}

TEST_F(M3AEditor, ARefusedCloseForgetsTheFormAskedFor)
{
    Show(*m3a);
    StartRefusedRow(dm->cdsM3AAli);
    EXPECT_FALSE(m3a->PageControl->userSelect(1));  // nor does the other page take the user
    EXPECT_EQ(m3a->ActivePage(), 0);
    messages.clear();
    m3a->JumpActions[3]->trigger();  // M/3
    EXPECT_TRUE(m3a->isVisible());
    EXPECT_EQ(m3a->NextFormCode, 0);
    EXPECT_TRUE(messages.codes().contains(QStringLiteral("DM-014")));
    EXPECT_TRUE(m3a->AliPage->InGrid(Focused()));
    dm->CancelWithoutQuestion(dm->cdsM3AAli);
    m3a->JumpActions[3]->trigger();
    EXPECT_FALSE(m3a->isVisible());
    EXPECT_EQ(m3a->NextFormCode, 4011);
}

}  // namespace

namespace {

// Pictures of the list pages with rows on two sheets, written where QX_SCREENSHOTS points.
class ListEditorScreens : public ListEditorFixture {
protected:
    void Save(TFormFill& editor, int page, const char* name)
    {
        editor.PageControl->setCurrentIndex(page);
        QApplication::processEvents();
        const QString dir = qEnvironmentVariable("QX_SCREENSHOTS");
        ASSERT_TRUE(editor.grab().save(dir + QLatin1Char('/') + QString::fromLatin1(name)));
    }
};

TEST_F(ListEditorScreens, ListPagesWithRowsOnTwoSheets)
{
    if (qEnvironmentVariableIsEmpty("QX_SCREENSHOTS"))
        GTEST_SKIP() << "QX_SCREENSHOTS names no folder";
    for (int i = 0; i < 40; ++i)
        AddM3Row(1000 + 100 * i, i % 3 ? "1.2" : "1.1");
    PostField(dm->cdsM3Obs, "R1_Obs", "Observações da folha 2");
    for (int i = 0; i < 25; ++i) {
        AddAliRow();
        AppendRow(dm->cdsM3AAba, {{"Codigo", QStringLiteral("1.3")}, {"Tipo", QStringLiteral("輕型建築物")},
                                  {"Col1_Mop", QString::number(800 + i)}, {"Col2_Mop", QStringLiteral("700")},
                                  {"Motivo_Abate", QStringLiteral("Destruído")}});
    }
    for (TFormFill* editor : {static_cast<TFormFill*>(m3.get()), static_cast<TFormFill*>(m3a.get())}) {
        editor->resize(1280, 800);
        editor->show();
        QApplication::processEvents();
    }
    dm->cdsM3VCLF.setRecNo(33);
    Save(*m3, 1, "M3List.png");
    Cell(*m3->ListPage, 32, Column(*m3->ListPage, "col8_mop"));  // the totals follow sideways
    Save(*m3, 1, "M3ListRight.png");
    Save(*m3, 0, "M3Header.png");
    dm->cdsM3AAli.setRecNo(22);
    Save(*m3a, 0, "M3AAli.png");
    dm->cdsM3AAba.setRecNo(3);
    Save(*m3a, 1, "M3AAba.png");
}

}  // namespace
