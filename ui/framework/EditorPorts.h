#pragma once
// What an editor calls elsewhere, as interfaces that the dialogs and the printing fill in.
//   CalendarPort     the pop-up calendar of a date button: serves one date edit at a time
//   PrintDialogPort  the print dialog: binds report fields by position, takes the page code
//                    (and, for M/1, A4 or A3; for M/3, the sheet and face) and is shown modally
//   AutoCalcButton   one auto-calc button: the target field, the pages to recalculate first
//                    and the step that applies the value (ApplyCalcFieldValue/ApplyCalculatedValue)

#include <QString>
#include <functional>
#include <vector>

class DataEdit;
class QScrollArea;
namespace qx {
class ClientDataSet;
}

class CalendarPort {
public:
    virtual ~CalendarPort() = default;
    // Sets the target edit and shows the calendar without waiting (it writes the date itself).
    virtual void ShowFor(DataEdit& target) = 0;
};

class PrintDialogPort {
public:
    virtual ~PrintDialogPort() = default;
    virtual void BindReportFields(QScrollArea& page, const QString& reportForm, const QString& band, int minLeft,
                                  int maxLeft) = 0;
    virtual void SetPageCode(int pageCode) = 0;
    virtual void SetM1OnA4(bool onA4) = 0;
    // M/3 only: the sheet (1 = first) and face (1 front, 2 back) to open on.
    virtual void SetSheet(int pagNum, int faceNum) { (void)pagNum, (void)faceNum; }
    virtual void ShowModal() = 0;
};

struct AutoCalcButton {
    QString targetField;                       // a field of the page's dataset
    std::vector<qx::ClientDataSet*> sources;   // recalculated before the value is applied
    std::function<void()> apply;               // puts the value in (asks or reports itself)
};
