#pragma once
// The pop-up month calendar of a date edit: borderless, placed under the edit (or flipped to stay
// on the edit's screen), shown without waiting; it offers only the dates a field holds (years 1
// to 9999). Enter and the OK button write the shown date into
// the edit's field, putting the record into edit (or appending one to an empty dataset) without
// posting it; Esc, the cancel button and a click elsewhere write nothing.

#include "ui/framework/EditorPorts.h"

#include <QPointer>
#include <QWidget>

class DataEdit;
class QCalendarWidget;
class QToolButton;

class TFormDBEditCalendar : public QWidget, public CalendarPort {
    Q_OBJECT
public:
    explicit TFormDBEditCalendar(QWidget* parent = nullptr);

    // The date edit the calendar serves, set by the caller before Show.
    QPointer<DataEdit> TargetDBEdit;
    QCalendarWidget* MonthCalendar = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    // Only a flag: how the calendar was closed.
    bool ModalResultOk = false;

    void ShowFor(DataEdit& target) override;

    void FormShow();
    void FormClose();
    void FormDeactivate();
    void SpeedButton1Click();
    void SpeedButton2Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void closeWith(bool ok);
};
