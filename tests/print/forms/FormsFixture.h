#pragma once
// A data module on a fresh folder with the report forms created and bound as the editors bind
// them (from the page layouts). A test fills its pages in FillFolder, before the binding.

#include "platform/report/ReportOutput.h"
#include "print/binding/BindReportFields.h"
#include "print/forms/EditorBindings.h"
#include "print/forms/ReportForms.h"
#include "support/DmFixture.h"

class FormsFixture : public DmFixture {
protected:
    virtual void FillFolder() {}

    void SetUp() override
    {
        DmFixture::SetUp();
        FillFolder();
        SetAutoMapPresenter([this] { ++autoMapShown; });
        forms = std::make_unique<ReportForms>(*dm);
        bound = BindReportPagesFromLayouts(*forms, *dm);
    }
    void TearDown() override
    {
        forms.reset();
        SetAutoMapPresenter({});
        DmFixture::TearDown();
    }

    qx::report::ReportPage& page(const char* form, const char* page) const
    {
        return *forms->page(QString::fromLatin1(form), QString::fromLatin1(page));
    }

    std::unique_ptr<ReportForms> forms;
    bool bound = false;
    int autoMapShown = 0;
};
