#pragma once
// The annex editor: one class for the six annex variants (Anexo A and B, each general, insurance
// and banking), each instance configured by its variant's description. Two data pages laid out
// from their layouts, the taxpayer's header on page 1, the II_B_I pair and the date button of the
// Anexo B variants, and the auto-calc buttons of the variant.

#include "ui/framework/TFormFill.h"

class DataSource;
class TdmMain;
struct AnnexCalcButton;
struct AnnexVariant;

class TFormFillAnexo : public TFormFill {
    Q_OBJECT
public:
    TFormFillAnexo(const AnnexVariant& variant, TdmMain& dm, QWidget* parent = nullptr);

    const AnnexVariant& Variant() const { return variant_; }
    DataSource* DataSourceM1P1 = nullptr;

    // A box of the II_B_I pair was clicked.
    void DBCheckBoxII_B_IClick(const QString& clickedField);
    // The value step of an auto-calc button, after the framework's focus steps and the
    // recalculation of its sources: computes the value and offers it; an Anexo B button whose
    // value leaves the currency range shows its own message and applies nothing.
    void AutoCalcApply(const AnnexCalcButton& button);

private:
    const AnnexVariant& variant_;
    TdmMain& dm_;
};
