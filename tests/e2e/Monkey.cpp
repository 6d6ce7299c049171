#include "Monkey.h"

#include "core/module/TdmMain.h"
#include "platform/data/ClientDataSet.h"
#include "platform/widgets/WidgetErrors.h"
#include "ui/framework/TFormFill.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QMenu>
#include <QTest>
#include <QWheelEvent>
#include <cstdlib>

namespace {

const Qt::Key kKeys[] = {
    Qt::Key_Return, Qt::Key_Return, Qt::Key_Enter,   Qt::Key_Tab,      Qt::Key_Backtab, Qt::Key_Escape,
    Qt::Key_Up,     Qt::Key_Down,   Qt::Key_Left,    Qt::Key_Right,    Qt::Key_PageUp,  Qt::Key_PageDown,
    Qt::Key_Home,   Qt::Key_End,    Qt::Key_Space,   Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Insert,
    Qt::Key_Period, Qt::Key_Comma,  Qt::Key_Minus,   Qt::Key_Slash,    Qt::Key_Plus,    Qt::Key_F2,
    Qt::Key_0,      Qt::Key_1,      Qt::Key_5,       Qt::Key_9,        Qt::Key_9,       Qt::Key_A,
    Qt::Key_X,      Qt::Key_F,      Qt::Key_P,       Qt::Key_S,        Qt::Key_E,       Qt::Key_Q,
};

const Qt::KeyboardModifiers kModifiers[] = {
    Qt::NoModifier, Qt::NoModifier, Qt::NoModifier, Qt::NoModifier, Qt::NoModifier, Qt::NoModifier,
    Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier,
};

}  // namespace

Monkey::Monkey(unsigned seed, QWidget& home) : home_(&home), rng_(seed)
{
    SetMessagePresenter(this);
    SetWidgetErrorReporter([this](const QString&) { ++refusedInputs; });
    timer_.setInterval(0);
    // Each step runs from the event queue, not from the timer itself: a step that opens a modal
    // window leaves the timer free to drive the steps inside that window's event loop.
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        QMetaObject::invokeMethod(&timer_, [this] { Step(); }, Qt::QueuedConnection);
    });
}

Monkey::~Monkey()
{
    SetWidgetErrorReporter(nullptr);
    SetMessagePresenter(nullptr);
}

int Monkey::present(const QString&, const QString& por, const QString& eng, std::uint8_t dlgType, const QString& code)
{
    if (code.isEmpty() && dlgType == dtError) {
        ++lastResortErrors[eng.isEmpty() ? por : eng];
        if (qEnvironmentVariableIsSet("QX_MONKEY_ABORT"))
            std::abort();  // for a debugger: the stack still holds the handler
    }
    else
        ++messageCodes[code.isEmpty() ? QStringLiteral("(plain)") : code];
    if (dlgType != dtQuestion)
        return mrOk;
    static const int answers[] = {mrYes, mrNo, mrCancel};
    return answers[Pick(3)];
}

void Monkey::Run(int events)
{
    left_ = events;
    QEventLoop loop;
    QObject::connect(&timer_, &QTimer::timeout, &loop, [&] {
        if (left_ <= 0 && !QApplication::activeModalWidget() && !QApplication::activePopupWidget())
            loop.quit();
    });
    timer_.start();
    loop.exec();
    timer_.stop();
    QApplication::processEvents();
}

QWidget* Monkey::Target() const
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow(); active && active->isVisible())
        return active;
    return home_ && home_->isVisible() ? home_.data() : nullptr;
}

void Monkey::Step()
{
    QWidget* window = Target();
    if (left_ <= 0) {
        CloseModals();
        return;
    }
    --left_;
    if (!window) {
        if (home_) {
            home_->show();
            home_->activateWindow();
        }
        return;
    }
    if (CloseForeignDialog(*window))
        return;
    ++windows[NameOf(*window)];
    // In the main window a person mostly picks a command; clicks on its empty band do little.
    if (window == home_.data()) {
        if (Pick(2) == 0) {
            Command(*window);
            return;
        }
    }
    switch (Pick(10)) {
    case 0:
    case 1:
    case 2:
    case 3: KeyPress(*window); break;
    case 4: TypeBurst(*window); break;
    case 5:
    case 6:
    case 7:
    case 8: Click(*window); break;
    default: Wheel(*window); break;
    }
}

// The system's own dialogs (print setup, file choosers) and the folder picker are cancelled as
// soon as they show: the monkey stays inside the folder it was given and never prints to a file.
bool Monkey::CloseForeignDialog(QWidget& window)
{
    auto* dialog = qobject_cast<QDialog*>(&window);
    if (!dialog)
        return false;
    const QString cls = QString::fromLatin1(window.metaObject()->className());
    if (!cls.startsWith(QLatin1Char('Q')) && cls != QLatin1String("TFormSelectFolder"))
        return false;
    ++eventsByKind[QStringLiteral("cancelled ") + cls];
    dialog->reject();
    return true;
}

QWidget* Monkey::RandomChild(QWidget& window)
{
    QList<QWidget*> all = window.findChildren<QWidget*>();
    all.removeIf([&](QWidget* w) { return !w->isVisible() || w->width() <= 0 || w->height() <= 0; });
    if (all.isEmpty() || Pick(8) == 0)
        return &window;
    return all[Pick(int(all.size()))];
}

void Monkey::KeyPress(QWidget& window)
{
    QWidget* focus = QApplication::focusWidget();
    QWidget* target = focus && (focus == &window || window.isAncestorOf(focus)) ? focus : &window;
    const Qt::Key key = kKeys[Pick(int(std::size(kKeys)))];
    const Qt::KeyboardModifiers mods = kModifiers[Pick(int(std::size(kModifiers)))];
    ++eventsByKind[QStringLiteral("key")];
    QTest::keyClick(target, key, mods);
}

// A run of characters as a person types them: digits and what goes with numbers and dates, long
// enough at times to overflow any amount, and a letter beyond ASCII.
void Monkey::TypeBurst(QWidget& window)
{
    static const QString chars = QStringLiteral("0123456789999999.,-/ aXç");
    QWidget* focus = QApplication::focusWidget();
    QPointer<QWidget> target = focus && (focus == &window || window.isAncestorOf(focus)) ? focus : &window;
    const int length = 1 + Pick(Pick(4) == 0 ? 30 : 8);
    ++eventsByKind[QStringLiteral("typed")];
    for (int i = 0; i < length && target && target->isVisible(); ++i) {
        const QChar ch = chars[Pick(int(chars.size()))];
        if (ch.unicode() < 0x80)
            QTest::keyClick(target, char(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

void Monkey::Click(QWidget& window)
{
    QWidget* w = RandomChild(window);
    const QPoint at(Pick(w->width()), Pick(w->height()));
    ++eventsByKind[QStringLiteral("click")];
    if (Pick(6) == 0)
        QTest::mouseDClick(w, Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(w, Pick(10) == 0 ? Qt::RightButton : Qt::LeftButton, {}, at);
}

void Monkey::Command(QWidget& window)
{
    // The window's own commands: the editors, children of the main window, keep theirs hidden
    // from it until they are shown.
    QList<QAction*> actions = window.findChildren<QAction*>();
    actions.removeIf([&](QAction* a) {
        auto* owner = qobject_cast<QWidget*>(a->parent());
        return !owner || owner->window() != &window || !a->isEnabled() || a->isSeparator() || a->menu();
    });
    if (actions.isEmpty())
        return;
    QAction* a = actions[Pick(int(actions.size()))];
    ++eventsByKind[QStringLiteral("command")];
    a->trigger();
}

void Monkey::Wheel(QWidget& window)
{
    QWidget* w = RandomChild(window);
    const QPointF at(Pick(w->width()), Pick(w->height()));
    const int delta = Pick(2) ? 120 : -120;
    QWheelEvent wheel(at, w->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Pick(5) == 0 ? Qt::ControlModifier : Qt::NoModifier, Qt::NoScrollPhase, false);
    ++eventsByKind[QStringLiteral("wheel")];
    QApplication::sendEvent(w, &wheel);
}

QString Monkey::NameOf(const QWidget& window)
{
    return window.objectName().isEmpty() ? QString::fromLatin1(window.metaObject()->className()) : window.objectName();
}

// Closes the top window a person left open: a popup, a modal dialog, an editor (its pages
// cancelled when a post refuses the close). One that keeps refusing is noted and hidden.
void Monkey::CloseModals()
{
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (modal != closing_) {
        closing_ = modal;
        closeTries_ = 0;
    }
    if (++closeTries_ > kCloseTries) {
        refusedToClose[NameOf(*modal)] += kCloseTries;
        closeTries_ = 0;
        modal->hide();
        return;
    }
    if (auto* editor = qobject_cast<TFormFill*>(modal)) {
        for (int p = 0; p < editor->PageCount(); ++p)
            if (QAction* cancel = editor->PageAt(p).DataSetCancel; cancel && !editor->close())
                cancel->trigger();
        editor->close();
        return;
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
        return;
    }
    modal->close();
}

QStringList InvalidStoredValues(TdmMain& dm)
{
    QStringList faults;
    for (qx::ClientDataSet* ds : dm.AllDataSets()) {
        if (!ds->active())
            continue;
        int row = 0;
        for (ds->first(); !ds->eof(); ds->next()) {
            ++row;
            ds->edit();
            for (int i = 0; i < ds->fieldCount(); ++i) {
                qx::Field& f = ds->field(i);
                if (!f.isData() || f.isNull())
                    continue;
                try {
                    const qx::Value v = f.value();
                    f.setValue(v);  // the field's own checks: width, bounds, type
                } catch (const std::exception& e) {
                    faults << QStringLiteral("%1.%2 row %3: %4").arg(ds->name(), f.fieldName()).arg(row).arg(QString::fromUtf8(e.what()));
                }
            }
            ds->cancel();
        }
    }
    return faults;
}
