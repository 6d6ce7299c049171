#include "ui/editors/RateTablePicker.h"

#include "ui/dialogs/TFormSelectTaxas.h"

#include <QRadioButton>

bool FormSelectTaxasPicker::ShowModalOk(const QString& locateCodigo)
{
    form_.LocateCodigo = locateCodigo;
    return form_.exec() == QDialog::Accepted;
}

int FormSelectTaxasPicker::SelectedRecNo() const
{
    return form_.SelectedRecNo;
}

bool FormSelectTaxasPicker::Chinese() const
{
    return form_.RadioButtonChinese->isChecked();
}
