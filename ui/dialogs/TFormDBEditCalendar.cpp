#include "ui/dialogs/TFormDBEditCalendar.h"

#include "core/module/TdmMain.h"
#include "core/util/Clock.h"
#include "platform/data/Value.h"
#include "platform/widgets/DataEdit.h"
#include "platform/widgets/DataSource.h"
#include "platform/widgets/PlatformColor.h"
#include "platform/widgets/ScreenFonts.h"
#include "ui/dialogs/CalendarPlacement.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The buttons' glyphs: a green tick and a red cross.
QIcon glyph(bool ok)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ok ? QColor(0, 140, 0) : QColor(200, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (ok) {
        p.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
    } else {
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
    }
    return QIcon(pixmap);
}

QToolButton* speedButton(QWidget* parent, const char* name, bool ok)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoRaise(true);
    button->setIcon(glyph(ok));
    button->setFixedSize(129, 22);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void cancelQuietly(qx::ClientDataSet& ds)
{
    try {
        if (dmMain)
            dmMain->CancelWithoutQuestion(ds);
        else
            ds.cancel();
    } catch (const std::exception&) {
    }
}

}  // namespace

TFormDBEditCalendar::TFormDBEditCalendar(QWidget* parent) : QWidget(parent, Qt::Popup)
{
    setObjectName(QStringLiteral("FormDBEditCalendar"));
    setWindowTitle(QStringLiteral("日曆 Calendar"));
    setFixedSize(267, 215);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    MonthCalendar = new QCalendarWidget(this);
    MonthCalendar->setObjectName(QStringLiteral("MonthCalendar"));
    MonthCalendar->setFirstDayOfWeek(Qt::Sunday);
    MonthCalendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // No typed date: the key preview below takes Enter and Esc, so a date typed into Qt's pop-up
    // would never be taken, and the pop-up's memory would outlive a calendar closed meanwhile.
    MonthCalendar->setDateEditEnabled(false);
    // Only the dates a field holds: a year typed before 1 or after 9999 is refused or clamped.
    MonthCalendar->setDateRange(qx::kFirstDate, qx::kLastDate);
    MonthCalendar->setFont(DesignFontPixels(QStringLiteral("Arial"), 13));
    QPalette aqua = MonthCalendar->palette();
    aqua.setColor(QPalette::Base, PlatformColor(clAqua));
    aqua.setColor(QPalette::AlternateBase, PlatformColor(clAqua));
    aqua.setColor(QPalette::Window, PlatformColor(clAqua));
    MonthCalendar->setPalette(aqua);
    MonthCalendar->setAutoFillBackground(true);
    layout->addWidget(MonthCalendar, 1);

    auto* panel1 = new QFrame(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFixedHeight(28);
    panel1->setFrameShape(QFrame::Panel);
    panel1->setFrameShadow(QFrame::Sunken);
    auto* buttons = new QHBoxLayout(panel1);
    buttons->setContentsMargins(2, 2, 2, 2);
    buttons->setSpacing(2);
    SpeedButton1 = speedButton(panel1, "SpeedButton1", true);
    SpeedButton2 = speedButton(panel1, "SpeedButton2", false);
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(SpeedButton2);
    layout->addWidget(panel1);

    connect(SpeedButton1, &QToolButton::clicked, this, &TFormDBEditCalendar::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TFormDBEditCalendar::SpeedButton2Click);
    // Key preview: Enter and Esc reach the form before the calendar's own handling.
    MonthCalendar->installEventFilter(this);
    for (QWidget* child : MonthCalendar->findChildren<QWidget*>())
        child->installEventFilter(this);
}

void TFormDBEditCalendar::ShowFor(DataEdit& target)
{
    TargetDBEdit = &target;
    show();
}

void TFormDBEditCalendar::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TFormDBEditCalendar::FormShow()
{
    ModalResultOk = false;
    DataEdit* edit = TargetDBEdit;
    if (!edit)
        return;
    const QRect editRect(edit->mapToGlobal(QPoint(0, 0)), edit->size());
    const QScreen* screen = QGuiApplication::screenAt(editRect.center());
    if (!screen)
        screen = edit->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), QSize(1 << 20, 1 << 20));
    move(CalendarPosition(editRect, size(), available));

    const qx::Field* field = edit->boundField();
    const bool hasDate = edit->sourceActive() && field && !field->isNull();
    const QDate date = hasDate ? field->asDate() : Today();
    MonthCalendar->setSelectedDate(date);
    MonthCalendar->setCurrentPage(date.year(), date.month());
    MonthCalendar->setFocus();
}

void TFormDBEditCalendar::closeWith(bool ok)
{
    ModalResultOk = ok;
    close();
}

void TFormDBEditCalendar::SpeedButton1Click() { closeWith(true); }

void TFormDBEditCalendar::SpeedButton2Click() { closeWith(false); }

void TFormDBEditCalendar::FormDeactivate()
{
    if (isVisible())
        closeWith(false);
}

bool TFormDBEditCalendar::event(QEvent* event)
{
    if (event->type() == QEvent::WindowDeactivate)
        FormDeactivate();
    return QWidget::event(event);
}

bool TFormDBEditCalendar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            closeWith(key != Qt::Key_Escape);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFormDBEditCalendar::closeEvent(QCloseEvent* event)
{
    FormClose();
    ModalResultOk = false;
    QWidget::closeEvent(event);
}

void TFormDBEditCalendar::FormClose()
{
    DataEdit* edit = TargetDBEdit;
    if (!ModalResultOk || !edit)
        return;
    DataSource* source = edit->dataSource();
    qx::ClientDataSet* ds = source ? source->dataSet() : nullptr;
    if (!ds || !source->enabled() || !ds->active())
        return;
    if (!ds->editing()) {
        try {
            if (ds->isEmpty())
                ds->append();
            else
                ds->edit();
        } catch (const std::exception&) {
            cancelQuietly(*ds);
            return;
        }
    }
    qx::Field* field = edit->boundField();
    if (!ds->editing() || !field || field->readOnly())
        return;
    try {
        field->setAsDate(MonthCalendar->selectedDate());
    } catch (const std::exception&) {
        // A field that takes no date keeps its value.
    }
}
