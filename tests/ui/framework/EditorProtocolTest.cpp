// The editor's protocols on the test editor: key walk, page change, close, jumps, Ctrl+S, the
// refused texts, and what brings the pages up to date.
#include "EditorFixture.h"

#include "core/util/Messages.h"
#include "platform/widgets/DataGrid.h"
#include "ui/framework/EditorTabs.h"

#include <QAction>
#include <QTabBar>
#include <QTimer>

namespace {

class EditorProtocolTest : public EditorFixture {};

TEST_F(EditorProtocolTest, TheFirstShowFocusesTheFirstBoxOfPageOne)
{
    EXPECT_FALSE(editor->FirstPaint);
    EXPECT_EQ(focused(), editor->Nome);
    EXPECT_EQ(editor->Nome->text(), QStringLiteral("R1"));
}

TEST_F(EditorProtocolTest, EnterAndDownWalkForwardUpBackAndPageEndsStop)
{
    struct Step {
        Qt::Key key;
        DataEdit* TestEditor::*expected;
    };
    const Step steps[] = {
        {Qt::Key_Up, &TestEditor::Nome},      // the first box: no way back
        {Qt::Key_Return, &TestEditor::Valor},
        {Qt::Key_Down, &TestEditor::Dia},     // texts take no focus
        {Qt::Key_Enter, &TestEditor::Qtd},
        {Qt::Key_Return, &TestEditor::Qtd},   // the last box: no wrap to the next page
        {Qt::Key_Down, &TestEditor::Qtd},
        {Qt::Key_Up, &TestEditor::Dia},
    };
    for (const Step& s : steps) {
        QTest::keyClick(focused(), s.key);
        EXPECT_EQ(focused(), (*editor).*s.expected) << s.key;
    }
}

// From outside the page's boxes (its alert list) Down enters at the first box and Up at the
// last; the walk passes over a disabled box and never stops in the alert frame.
TEST_F(EditorProtocolTest, TheWalkEntersAtThePagesEndsAndPassesOverDisabledBoxesAndTheAlerts)
{
    dm->AddAlert(5011, QStringLiteral("Nome"), 10, 1, QStringLiteral("中文訊息"), QStringLiteral("Mensagem"));
    QWidget* alerts = frame(0).DBGridAlert;
    ASSERT_TRUE(alerts->isVisible());
    editor->Dia->setEnabled(false);
    struct Step {
        QWidget* from;
        Qt::Key key;
        DataEdit* TestEditor::*expected;
    };
    const Step steps[] = {
        {alerts, Qt::Key_Down, &TestEditor::Nome},
        {alerts, Qt::Key_Up, &TestEditor::Qtd},
        {editor->Valor, Qt::Key_Return, &TestEditor::Qtd},
        {editor->Qtd, Qt::Key_Up, &TestEditor::Valor},
    };
    auto nameOf = [](QWidget* w) {
        auto* box = qobject_cast<DataEdit*>(w);
        return box ? box->dataField().toStdString() : std::string(w ? w->metaObject()->className() : "nothing");
    };
    for (const Step& s : steps) {
        s.from->setFocus();
        QTest::keyClick(s.from, s.key);
        EXPECT_EQ(nameOf(focused()), nameOf((*editor).*s.expected)) << "from " << nameOf(s.from) << ", key " << s.key;
    }
}

TEST_F(EditorProtocolTest, ARefusedTextKeepsTheFocusAndEscGivesTheValueBack)
{
    for (const char* text : {"abc", "31/02/2009"}) {
        DataEdit* edit = QString::fromLatin1(text).contains('/') ? editor->Dia : editor->Valor;
        typeInto(edit, text);
        messages.clear();
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(focused(), edit) << text;
        EXPECT_EQ(edit->text(), QString::fromLatin1(text));
        ASSERT_EQ(messages.shown.size(), 1u) << text;
        EXPECT_EQ(messages.shown[0].dlgType, dtError);
        QTest::keyClick(edit, Qt::Key_Escape);
        EXPECT_EQ(edit->text(), edit == editor->Valor ? QStringLiteral("1000") : QString());
    }
}

// A handler of the same focus change that refuses it and sends the focus back (as a list
// refuses a row) runs before the editor's: the box the focus came back to shows the enter colour,
// the box it passed through the exit colour.
TEST_F(EditorProtocolTest, TheColoursFollowTheFocusAHandlerOfTheSameChangeSentBack)
{
    const QColor aqua(0x00, 0xFF, 0xFF), lightYellow(0xFF, 0xFF, 0x80);
    editor->Valor->setFocus();
    editor->hide();  // shown again below: the editor hears the focus changes after the refusal
    const QMetaObject::Connection refusal = QObject::connect(qApp, &QApplication::focusChanged, [&](QWidget* old, QWidget* now) {
        if (old == editor->Valor && now == editor->Dia)
            editor->Valor->setFocus();
    });
    ShowActive(*editor);
    editor->Valor->setFocus();
    QApplication::processEvents();
    editor->Dia->setFocus();
    QObject::disconnect(refusal);
    EXPECT_EQ(focused(), editor->Valor);
    EXPECT_EQ(editor->Valor->palette().color(QPalette::Base), aqua);
    EXPECT_EQ(editor->Dia->palette().color(QPalette::Base), lightYellow);
}

TEST_F(EditorProtocolTest, ARefusedPageChangeKeepsThePageAndTheTypedValues)
{
    refuseOnP1();
    typeInto(editor->Valor, "55");
    EXPECT_FALSE(editor->PageControl->userSelect(1));
    EXPECT_EQ(editor->ActivePage(), 0);
    EXPECT_EQ(p1->state(), qx::DataSetState::Edit);
    EXPECT_EQ(editor->Valor->text(), QStringLiteral("55"));
    EXPECT_EQ(p1->fieldByName("Valor_Mop").asString(), QStringLiteral("55"));
    EXPECT_TRUE(messages.shown.empty());  // the failed post of a page change says nothing

    p1->beforePost = nullptr;
    EXPECT_TRUE(editor->PageControl->userSelect(1));
    EXPECT_EQ(p1->state(), qx::DataSetState::Browse);
    EXPECT_EQ(editor->ActivePage(), 1);
}

TEST_F(EditorProtocolTest, APageHoldingANewRecordIsPostedBeforeItIsLeft)
{
    p1->append();
    p1->fieldByName("Nome").setAsString(QStringLiteral("novo"));
    EXPECT_TRUE(editor->PageControl->userSelect(1));
    EXPECT_EQ(p1->recordCount(), 2);
    editor->PageControl->setCurrentIndex(0);
    refuseOnP1();
    p1->append();
    p1->fieldByName("Nome").setAsString(QStringLiteral("outro"));
    EXPECT_FALSE(editor->PageControl->userSelect(1));
    EXPECT_FALSE(editor->close());
    EXPECT_EQ(p1->state(), qx::DataSetState::Insert);
}

TEST_F(EditorProtocolTest, ACloseIsRefusedWhileAPageCannotPostAndAJumpKeepsItsCode)
{
    refuseOnP1();
    typeInto(editor->Valor, "77");
    EXPECT_FALSE(editor->close());
    EXPECT_TRUE(editor->isVisible());

    editor->JumpActions[5]->trigger();  // ActionFillM4
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->NextFormCode, 6011);

    p1->beforePost = nullptr;
    editor->ActionClose->trigger();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(editor->NextFormCode, 6011);
    EXPECT_EQ(p1->fieldByName("Valor_Mop").asString(), QStringLiteral("77"));
}

TEST_F(EditorProtocolTest, CtrlSPostsTheActivePageOnly)
{
    p2->edit();
    p2->fieldByName("Nome").setAsString(QStringLiteral("p2"));
    typeInto(editor->Nome, "p1");
    QTest::keyClick(editor->Nome, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(p1->state(), qx::DataSetState::Browse);
    EXPECT_EQ(p1->fieldByName("Nome").asString(), QStringLiteral("p1"));
    EXPECT_EQ(p2->state(), qx::DataSetState::Edit);
}

TEST_F(EditorProtocolTest, AnErrorEscapingAHandlerIsShownAndTheWindowStaysUsable)
{
    p1->afterPost = [](qx::ClientDataSet&) { throw std::runtime_error("falha"); };
    typeInto(editor->Nome, "x");
    messages.clear();
    QTest::keyClick(editor->Nome, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].dlgType, dtError);
    EXPECT_EQ(messages.shown[0].por, QStringLiteral("falha"));
    EXPECT_EQ(p1->fieldByName("Nome").asString(), QStringLiteral("x"));
    EXPECT_TRUE(editor->isVisible());
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(focused(), editor->Valor);
}

TEST_F(EditorProtocolTest, PagesComeUpToDateOnShowPageChangeAndActivationNeverInAPaint)
{
    const int afterShow = editor->recalcs;
    EXPECT_GE(afterShow, 2);
    for (int i = 0; i < 3; ++i) {
        editor->repaint();
        (void)editor->grab();
    }
    typeInto(editor->Nome, "abc");
    editor->repaint();
    EXPECT_EQ(editor->recalcs, afterShow);
    EXPECT_EQ(p1->state(), qx::DataSetState::Edit);  // nothing posted by painting
    editor->PageControl->userSelect(1);
    EXPECT_EQ(editor->recalcs, afterShow + 2);
    QWidget other;
    ShowActive(other);
    ShowActive(*editor);
    EXPECT_EQ(editor->recalcs, afterShow + 4);
}

}  // namespace

namespace {

class RecordingPrintDialog final : public PrintDialogPort {
public:
    void BindReportFields(QScrollArea&, const QString&, const QString&, int, int) override {}
    void SetPageCode(int pageCode) override { codes << pageCode; }
    void SetM1OnA4(bool) override {}
    void ShowModal() override { ++shown; }
    QList<int> codes;
    int shown = 0;
};

TEST_F(EditorProtocolTest, TheUsersMouseAndKeysOnTheTabsAskBeforeTheChange)
{
    refuseOnP1();
    typeInto(editor->Valor, "9");
    QTabBar* tabs = editor->PageControl->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(editor->ActivePage(), 0);
    QTest::keyClick(editor->PageControl, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(editor->ActivePage(), 0);
    p1->beforePost = nullptr;
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(editor->ActivePage(), 1);
}

TEST_F(EditorProtocolTest, PrintingPostsEveryPageFirstAndStopsWhileOneStaysInEdit)
{
    RecordingPrintDialog dialog;
    TFormFill::SetPrintDialog(&dialog);
    p2->edit();
    p2->fieldByName("Nome").setAsString(QStringLiteral("p2"));
    editor->miPrint->trigger();
    EXPECT_EQ(p2->state(), qx::DataSetState::Browse);
    EXPECT_EQ(dialog.codes, QList<int>{5011});
    EXPECT_EQ(dialog.shown, 1);

    refuseOnP1();
    typeInto(editor->Nome, "z");
    editor->miPrint->trigger();
    EXPECT_EQ(dialog.shown, 1);
    TFormFill::SetPrintDialog(nullptr);
}

TEST_F(EditorProtocolTest, ShowModalRunsUntilTheWindowClosesAndGivesTheNextForm)
{
    editor->hide();
    QTimer::singleShot(0, editor.get(), [this] { editor->JumpActions[3]->trigger(); });
    EXPECT_EQ(editor->ShowModal(), 4011);
    EXPECT_FALSE(editor->isVisible());
}

}  // namespace
