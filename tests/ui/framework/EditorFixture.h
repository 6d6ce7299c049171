#pragma once
// A data module on a fresh folder (for its alert list), the two page datasets and the test
// editor, shown and active.

#include "TestEditor.h"
#include "platform/widgets/WidgetTestData.h"
#include "support/DmFixture.h"
#include "ui/framework/TFrameDBGridAlert.h"

#include <memory>

class EditorFixture : public DmFixture {
protected:
    void SetUp() override
    {
        DmFixture::SetUp();
        p1 = MakeTestDataSet(1);
        p2 = MakeTestDataSet(1);
        editor = std::make_unique<TestEditor>(*p1, *p2);
        editor->resize(700, 600);
        ShowActive(*editor);
        QApplication::processEvents();
    }
    void TearDown() override
    {
        editor.reset();
        DmFixture::TearDown();
    }

    TFrameDBGridAlert& frame(int page) { return *editor->PageAt(page).FrameDBGridAlert; }
    QWidget* focused() const { return QApplication::focusWidget(); }
    void typeInto(DataEdit* e, const char* text)
    {
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, QString::fromUtf8(text));
    }
    void refuseOnP1() { p1->beforePost = [](qx::ClientDataSet&) { throw qx::SilentAbort(); }; }

    std::unique_ptr<qx::ClientDataSet> p1, p2;
    std::unique_ptr<TestEditor> editor;
};
