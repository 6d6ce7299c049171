#pragma once
// The M/4 editor: two landscape pages laid out from their layouts; page 2 (the insurers'
// provisions) is shown only for the insurance sector, decided anew at every show. Both pages are
// recalculated, posted and printed whether or not page 2 shows.

#include "ui/framework/TFormFill.h"

class DataSource;
class TdmMain;

class TFormFillM4 : public TFormFill {
    Q_OBJECT
public:
    explicit TFormFillM4(TdmMain& dm, QWidget* parent = nullptr);

    DataSource* DataSourceM1P1 = nullptr;

    // Tab 2 by the sector; off page 2 when it is hidden.
    void ShowPagesOfSector();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TdmMain& dm_;
};
