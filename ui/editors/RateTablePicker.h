#pragma once
// The rate-table picker as the list editors use it: shown modally (landing on a code when one is
// given), it tells whether OK was pressed, the record number of the row chosen and whether the
// type is wanted in Chinese. FormSelectTaxasPicker serves it with the program's picker window.

#include <QString>

class TFormSelectTaxas;

class RateTablePicker {
public:
    virtual ~RateTablePicker() = default;
    // Shows the picker modally; true when it closed with OK.
    virtual bool ShowModalOk(const QString& locateCodigo) = 0;
    virtual int SelectedRecNo() const = 0;
    virtual bool Chinese() const = 0;
};

class FormSelectTaxasPicker final : public RateTablePicker {
public:
    explicit FormSelectTaxasPicker(TFormSelectTaxas& form) : form_(form) {}
    bool ShowModalOk(const QString& locateCodigo) override;
    int SelectedRecNo() const override;
    bool Chinese() const override;

private:
    TFormSelectTaxas& form_;
};
