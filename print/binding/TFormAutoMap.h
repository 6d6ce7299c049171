#pragma once
// FormAutoMap: the two working tables of the last binding run side by side, for a developer
// looking into a PS-001 or PS-002. Read-only; no behaviour of its own.

#include <QDialog>

class QTableView;
class TdmMain;

class TFormAutoMap : public QDialog {
    Q_OBJECT
public:
    explicit TFormAutoMap(TdmMain& dm, QWidget* parent = nullptr);

    QTableView* DBGrid1;  // cdsFormField: Left, Top, Line, Field_Name, CDS_Code
    QTableView* DBGrid2;  // cdsRptField: Left, Top, Line, Ctrl_Name, Ctrl_Idx

    // Shows the tables' current content, maximised and modal.
    int ShowModal();

    // The one instance (made on first use).
    static TFormAutoMap& Instance(TdmMain& dm);
};
