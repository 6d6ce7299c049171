#pragma once
// The editors of M/1, the six annex variants and M/4 for the editor tests, created together over
// one data module (the program makes them one by one in its start-up order). EditorFor takes the x011 code of a form (1011 M/1, 2011 Anexo A, 3011 Anexo B, 6011 M/4); the
// annexes open in the variant of the sector (0 general, 11 insurance, 21 banking; none for any
// other sector). Codes of the forms edited elsewhere (4011 M/3, 5011 M/3A) give nullptr.

#include "ui/editors/TFormFillAnexo.h"
#include "ui/editors/TFormFillM1.h"
#include "ui/editors/TFormFillM4.h"

#include <memory>

class FillEditors {
public:
    explicit FillEditors(TdmMain& dm, QWidget* parent = nullptr);
    ~FillEditors();

    std::unique_ptr<TFormFillM1> FormFillM1;
    std::unique_ptr<TFormFillAnexo> FormFillAnexoA, FormFillAnexoASeg, FormFillAnexoABank;
    std::unique_ptr<TFormFillAnexo> FormFillAnexoB, FormFillAnexoBSeg, FormFillAnexoBBank;
    std::unique_ptr<TFormFillM4> FormFillM4;

    TFormFill* EditorFor(int formCode, int sectorId) const;
    // Every editor, M/1 first.
    std::vector<TFormFill*> All() const;
};
