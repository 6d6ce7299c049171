#pragma once
// The M/1 editor: three data pages and the picture-only page 4, laid out from their layouts, with
// the tick-box groups, the date buttons, the seven auto-calc buttons of page 2 whose sources depend
// on the sector, and printing on four A4 pages or two A3 sheets.

#include "ui/framework/TFormFill.h"

class TdmMain;
struct M1CalcButton;
struct TickGroup;

class TFormFillM1 : public TFormFill {
    Q_OBJECT
public:
    explicit TFormFillM1(TdmMain& dm, QWidget* parent = nullptr);

    // A box of a group was clicked (DBCheckBox1Click, DBCheckBox5Click, ...).
    void TickGroupClick(const TickGroup& group, const QString& clickedField);
    // The value step of an auto-calc button (SpeedButton1Click ... SpeedButton14Click), after
    // the framework's focus steps: reads the sector, recalculates the source, offers its value.
    void AutoCalcApply(const M1CalcButton& button);

protected:
    int PrintPageCode(int page, bool a3) const override;
    void showEvent(QShowEvent* event) override;

private:
    TdmMain& dm_;
};
