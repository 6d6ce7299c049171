// The first show of each editor binds its report bands by position, page by page: twenty bindings
// in all, each of them binding every data text, with no PS-001 or PS-002. Later shows bind nothing.
#include "EditorFixture.h"
#include "SampleValues.h"

namespace {

class EditorBinding : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        SetAutoMapPresenter([this] { ++autoMapShown; });
        forms = std::make_unique<ReportForms>(*dm);
        printDialog.forms = forms.get();
    }
    void TearDown() override
    {
        SetAutoMapPresenter({});
        EditorFixture::TearDown();
        forms.reset();
    }
    std::unique_ptr<ReportForms> forms;
    int autoMapShown = 0;
};

TEST_F(EditorBinding, FirstShowsBindEveryDataTextOfTwentyBands)
{
    SetSector(11);
    FillPages(*dm);  // texts showing values change their width, not their place in the binding
    for (TFormFill* e : editors->All()) {
        Show(*e);
        e->hide();
    }
    ASSERT_EQ(printDialog.binds.size(), 20u);
    for (const BindCall& b : printDialog.binds)
        EXPECT_TRUE(b.clean) << b.form.toStdString() << " " << b.band.toStdString() << " " << b.scrollBox.toStdString();
    EXPECT_EQ(autoMapShown, 0);
    EXPECT_TRUE(messages.shown.empty()) << messages.codes().join(u' ').toStdString();
    const BindCall m1[] = {{"ScrollBoxP1", "FormRpt_M1", "DetailBandP1"},    {"ScrollBoxP2", "FormRpt_M1", "DetailBandP2P3"},
                           {"ScrollBoxP3", "FormRpt_M1", "DetailBandP2P3"},  {"ScrollBoxP1", "FormRpt_M1_A4", "DetailBandP1"},
                           {"ScrollBoxP2", "FormRpt_M1_A4", "DetailBandP2"}, {"ScrollBoxP3", "FormRpt_M1_A4", "DetailBandP3"}};
    for (size_t i = 0; i < std::size(m1); ++i) {
        EXPECT_EQ(printDialog.binds[i].scrollBox, m1[i].scrollBox);
        EXPECT_EQ(printDialog.binds[i].form, m1[i].form);
        EXPECT_EQ(printDialog.binds[i].band, m1[i].band);
    }
    Show(*editors->FormFillM1);
    EXPECT_EQ(printDialog.binds.size(), 20u);
}

}  // namespace
