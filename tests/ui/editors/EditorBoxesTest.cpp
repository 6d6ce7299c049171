// Every box of every page of the M/1, annex and M/4 editors, driven by the page layouts: the box's
// value lands in its own field, its data text shows its field, and the tab order is the layout's.
#include "EditorFixture.h"
#include "SampleValues.h"

#include "platform/layout/PageLayout.h"
#include "platform/widgets/DataCheckBox.h"
#include "platform/widgets/DataEdit.h"
#include "platform/widgets/DataText.h"
#include "ui/editors/AnnexVariants.h"

#include <QTest>
#include <map>

namespace {

struct EditorLayouts {
    TFormFill* editor;
    QStringList layouts;
};

class EditorBoxes : public EditorFixture {
protected:
    std::vector<EditorLayouts> Editors() const
    {
        std::vector<EditorLayouts> out = {{editors->FormFillM1.get(), {"M1P1", "M1P2", "M1P3"}},
                                          {editors->FormFillM4.get(), {"M4P1", "M4P2"}}};
        const std::vector<TFormFill*> all = editors->All();
        for (size_t i = 0; i < AnnexVariants().size(); ++i) {
            const AnnexVariant& v = AnnexVariants()[i];
            out.push_back({all[i + 1], {QString::fromLatin1(v.pages[0].layout), QString::fromLatin1(v.pages[1].layout)}});
        }
        return out;
    }

    // The page's data controls in child order.
    template <class T>
    static std::vector<T*> ControlsOf(const TFormFill::Page& page)
    {
        std::vector<T*> out;
        for (QObject* child : page.Content->children())
            if (auto* c = qobject_cast<T*>(child))
                out.push_back(c);
        return out;
    }
};

TEST_F(EditorBoxes, EveryBoxStoresItsValueShowsItsFieldAndWalksInLayoutOrder)
{
    SetSector(11);
    for (const EditorLayouts& e : Editors()) {
        Show(*e.editor);
        for (int p = 0; p < e.layouts.size(); ++p) {
            const qx::PageLayout& layout = qx::pageLayout(e.layouts[p]);
            TFormFill::Page& page = e.editor->PageAt(p);
            qx::ClientDataSet& ds = *page.spec.dataSet;
            SCOPED_TRACE(e.layouts[p].toStdString());

            // Tab stops: the layout's, in its order, and the focus chain runs through them so.
            std::vector<QWidget*> stops;
            for (QObject* child : page.Content->children())
                if (qobject_cast<DataEdit*>(child) || qobject_cast<DataCheckBox*>(child))
                    stops.push_back(static_cast<QWidget*>(child));
            QStringList expected, actual;
            for (const qx::Box& box : layout.boxes)
                if (box.isTabStop())
                    expected << box.field;
            for (QWidget* w : stops)
                actual << dynamic_cast<DataAware*>(w)->dataField();
            EXPECT_EQ(actual, expected);
            for (size_t i = 0; i + 1 < stops.size(); ++i) {
                QWidget* next = stops[i]->nextInFocusChain();
                while (next != stops[i + 1] && !(next->focusPolicy() & Qt::TabFocus))
                    next = next->nextInFocusChain();
                EXPECT_EQ(next, stops[i + 1]) << actual[int(i)].toStdString();
            }
            EXPECT_EQ(page.First, stops.front());
            EXPECT_EQ(page.Last, stops.back());

            // Typing into every edit and ticking every box, then posting.
            ds.edit();
            std::map<DataEdit*, QString> typed;  // a field with two boxes holds what was typed last
            std::map<QString, QString> lastTyped;
            int n = 0;
            for (DataEdit* edit : ControlsOf<DataEdit>(page)) {
                const QString text = SampleText(*edit->boundField(), ++n);
                edit->selectAll();
                QTest::keyClicks(edit, text);
                typed[edit] = text;
                lastTyped[edit->dataField()] = text;
            }
            for (DataCheckBox* tick : ControlsOf<DataCheckBox>(page)) {
                tick->click();
                EXPECT_EQ(tick->boundField()->asString(), QStringLiteral("True")) << tick->dataField().toStdString();
            }
            page.Source->post();
            EXPECT_EQ(ds.state(), qx::DataSetState::Browse);
            for (const auto& [edit, text] : typed) {
                EXPECT_TRUE(HoldsText(*edit->boundField(), lastTyped[edit->dataField()]))
                    << edit->dataField().toStdString() << " holds " << edit->boundField()->asString().toStdString();
                if (!edit->hasFocus()) {
                    EXPECT_EQ(edit->text(), edit->boundField()->displayText());
                }
            }
            for (DataText* text : ControlsOf<DataText>(page))
                EXPECT_EQ(text->text(), text->boundField()->displayText()) << text->dataField().toStdString();
        }
        e.editor->hide();
    }
}

TEST_F(EditorBoxes, PagesHoldTheBoxesOfTheirForms)
{
    struct Count {
        int page, edits, ticks, texts;
    };
    auto counts = [](TFormFill::Page& page) {
        return Count{0, int(ControlsOf<DataEdit>(page).size()), int(ControlsOf<DataCheckBox>(page).size()),
                     int(ControlsOf<DataText>(page).size())};
    };
    TFormFillM1& m1 = *editors->FormFillM1;
    const Count m1Pages[] = {{1, 26, 23, 0}, {2, 50, 0, 4}, {3, 44, 15, 1}};  // 38 tick boxes
    for (const Count& c : m1Pages) {
        const Count got = counts(m1.PageAt(c.page - 1));
        EXPECT_EQ(got.edits, c.edits) << c.page;
        EXPECT_EQ(got.ticks, c.ticks) << c.page;
        EXPECT_EQ(got.texts, c.texts) << c.page;
    }
    EXPECT_EQ(m1.PageCount(), 4);
    EXPECT_EQ(m1.PageAt(3).spec.dataSet, nullptr);
    const Count m4Pages[] = {{1, 53, 0, 43}, {2, 40, 0, 38}};
    for (const Count& c : m4Pages) {
        const Count got = counts(editors->FormFillM4->PageAt(c.page - 1));
        EXPECT_EQ(got.edits, c.edits) << c.page;
        EXPECT_EQ(got.texts, c.texts) << c.page;
    }
}

}  // namespace
