#include "ui/editors/FillEditors.h"

#include "ui/editors/AnnexVariants.h"

namespace {

std::unique_ptr<TFormFillAnexo> annex(const char* editor, TdmMain& dm, QWidget* parent)
{
    return std::make_unique<TFormFillAnexo>(AnnexVariantOf(QString::fromLatin1(editor)), dm, parent);
}

}  // namespace

FillEditors::FillEditors(TdmMain& dm, QWidget* parent)
    : FormFillM1(std::make_unique<TFormFillM1>(dm, parent)),
      FormFillAnexoA(annex("TFormFillAnexoA", dm, parent)),
      FormFillAnexoASeg(annex("TFormFillAnexoASeg", dm, parent)),
      FormFillAnexoABank(annex("TFormFillAnexoABank", dm, parent)),
      FormFillAnexoB(annex("TFormFillAnexoB", dm, parent)),
      FormFillAnexoBSeg(annex("TFormFillAnexoBSeg", dm, parent)),
      FormFillAnexoBBank(annex("TFormFillAnexoBBank", dm, parent)),
      FormFillM4(std::make_unique<TFormFillM4>(dm, parent))
{
}

FillEditors::~FillEditors() = default;

TFormFill* FillEditors::EditorFor(int formCode, int sectorId) const
{
    auto bySector = [sectorId](const auto& general, const auto& insurance, const auto& banking) -> TFormFill* {
        switch (sectorId) {
        case 0: return general.get();
        case 11: return insurance.get();
        case 21: return banking.get();
        default: return nullptr;
        }
    };
    switch (formCode) {
    case 1011: return FormFillM1.get();
    case 2011: return bySector(FormFillAnexoA, FormFillAnexoASeg, FormFillAnexoABank);
    case 3011: return bySector(FormFillAnexoB, FormFillAnexoBSeg, FormFillAnexoBBank);
    case 6011: return FormFillM4.get();
    default: return nullptr;
    }
}

std::vector<TFormFill*> FillEditors::All() const
{
    return {FormFillM1.get(),     FormFillAnexoA.get(),    FormFillAnexoASeg.get(), FormFillAnexoABank.get(),
            FormFillAnexoB.get(), FormFillAnexoBSeg.get(), FormFillAnexoBBank.get(), FormFillM4.get()};
}
