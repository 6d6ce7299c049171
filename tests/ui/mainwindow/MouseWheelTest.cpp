// A wheel step in the program's windows arrives at the focused control as an Up or Down key; Qt's
// file dialog keeps its wheel.
#include "MainWindowFixture.h"

#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

namespace {

class KeyRecorder : public QLineEdit {
public:
    std::vector<int> keys;
    int wheels = 0;

protected:
    void keyPressEvent(QKeyEvent* e) override { keys.push_back(e->key()); }
    void wheelEvent(QWheelEvent* e) override
    {
        ++wheels;
        e->accept();
    }
};

void sendWheel(QWidget& w, int delta)
{
    QWheelEvent wheel(QPointF(5, 5), w.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &wheel);
}

class MouseWheel : public MainWindowFixture {};

TEST_F(MouseWheel, EachStepIsAnUpOrDownKeyInTheProgramsWindows)
{
    KeyRecorder edit;
    edit.show();
    sendWheel(edit, 120);
    sendWheel(edit, -120);
    sendWheel(edit, 60);  // half a step: nothing yet
    sendWheel(edit, 60);
    sendWheel(edit, -240);  // two steps at once
    EXPECT_EQ(edit.keys, (std::vector<int>{Qt::Key_Up, Qt::Key_Down, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down}));
    EXPECT_EQ(edit.wheels, 0);
}

TEST_F(MouseWheel, FileDialogKeepsItsWheel)
{
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* edit = new KeyRecorder;
    edit->setParent(&dialog);
    sendWheel(*edit, 120);
    EXPECT_TRUE(edit->keys.empty());
    EXPECT_EQ(edit->wheels, 1);
}

}  // namespace
