#include "platform/widgets/DataEdit.h"

#include "platform/widgets/DataSource.h"
#include "platform/widgets/FieldAlignment.h"
#include "platform/widgets/WholeOrMarks.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegularExpression>

bool ChangesText(const QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut)
        || event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))
        return true;
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)
        return true;
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier);
}

DataEdit::DataEdit(QWidget* parent) : QLineEdit(parent), DataAware(this)
{
    setFrame(false);
    connect(this, &QLineEdit::textEdited, this, [this] { markPendingInput(); });
}

void DataEdit::setReadOnlyFlag(bool on)
{
    readOnlyFlag_ = on;
    refresh();
}

void DataEdit::showFieldText()
{
    const qx::Field* f = boundField();
    QString shown;
    if (f)
        shown = hasFocus() ? f->text() : unfocusedText(*f);
    showsDisplayText_ = !hasFocus();
    if (shown != text())
        setText(shown);
    // A text longer than the box shows its beginning once left, wherever the caret was.
    if (!hasFocus())
        setCursorPosition(0);
}

// The display text, or marks where a number or a date is wider than the room the line edit
// gives its text: the box less its text margins, 2 pixels on each side and the cursor's one.
QString DataEdit::unfocusedText(const qx::Field& field) const
{
    const QString display = field.displayText();
    if (!ShowsWhole(field.dataType()))
        return display;
    const QMargins m = textMargins();
    const int room = contentsRect().width() - m.left() - m.right() - 4 - 1;
    return WholeOrMarks(display, fontMetrics(), room);
}

// A new width or font may let a number show whole, or no longer.
void DataEdit::measureDisplayTextAgain()
{
    if (showsDisplayText_ && !hasFocus() && !pendingInput())
        showFieldText();
}

void DataEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    measureDisplayTextAgain();
}

void DataEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        measureDisplayTextAgain();
}

void DataEdit::refresh()
{
    const qx::Field* f = boundField();
    const bool readOnly = readOnlyFlag_ || !f || !f->isData() || f->readOnly();
    if (readOnly != QLineEdit::isReadOnly())
        setReadOnly(readOnly);
    // Setting the length again would drop the selection.
    const int length = f && f->dataType() == qx::FieldType::String && f->size() > 0 ? f->size() : 32767;
    if (length != maxLength())
        setMaxLength(length);
    if (f && alignment() != QtAlignmentOf(f->alignment()))
        setAlignment(QtAlignmentOf(f->alignment()));
    if (!keepsPendingInput())
        showFieldText();
}

void DataEdit::reset()
{
    dropPendingInput();
    showFieldText();
    selectAll();
}

void DataEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (pendingInput()) {
            reset();
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    typeKey(event, !QLineEdit::isReadOnly() && ChangesText(event), [&] { QLineEdit::keyPressEvent(event); });
}

void DataEdit::selectEditText()
{
    const qx::Field* f = boundField();
    if (f && !pendingInput())
        setText(f->text());
    showsDisplayText_ = false;
    selectAll();
}

// The edit text comes first, so that the line edit's own focus habits (all selected after Tab)
// apply to it. A box the program gives the focus (an alert's click, a date or auto-calc button)
// is entered as by Tab: all selected, so that typing replaces what it holds. A window switched
// back to keeps the caret and selection it left.
void DataEdit::focusInEvent(QFocusEvent* event)
{
    if (!pendingInput()) {
        if (showsDisplayText_)
            end(false);  // the caret after the text, as a line edit leaves it, not where the display put it
        showFieldText();
    }
    QLineEdit::focusInEvent(event);
    focusedByPress_ = event->reason() == Qt::MouseFocusReason;
    if (event->reason() == Qt::OtherFocusReason)
        selectAll();
}

namespace {

// A number's zero: digits that are all 0, at most one decimal point, perhaps a sign.
bool IsLoneZero(const QString& text)
{
    static const QRegularExpression zero(QStringLiteral("^[-+]?0+(\\.0*)?$"));
    return zero.match(text).hasMatch();
}

}  // namespace

// True while the box shows nothing but its number's zero.
bool DataEdit::showsLoneZero() const
{
    const qx::Field* f = boundField();
    if (!f)
        return false;
    const qx::FieldType type = f->dataType();
    const bool number = type == qx::FieldType::Integer || type == qx::FieldType::LargeInt
                        || type == qx::FieldType::Currency;
    return number && IsLoneZero(text());
}

// The press that gives the focus, and any press on a lone zero, selects the whole text instead of
// placing the caret; the rest of that click (a drag, the release) leaves the selection alone.
// Other clicks place the caret.
void DataEdit::mousePressEvent(QMouseEvent* event)
{
    const bool entering = focusedByPress_ && event->button() == Qt::LeftButton;
    focusedByPress_ = false;
    if (!entering && !(event->button() == Qt::LeftButton && showsLoneZero())) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    selectAll();
    pressSelectedAll_ = true;
    event->accept();
}

void DataEdit::mouseMoveEvent(QMouseEvent* event)
{
    if (pressSelectedAll_) {
        event->accept();
        return;
    }
    QLineEdit::mouseMoveEvent(event);
}

void DataEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (pressSelectedAll_ && event->button() == Qt::LeftButton) {
        pressSelectedAll_ = false;
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void DataEdit::focusOutEvent(QFocusEvent* event)
{
    focusedByPress_ = pressSelectedAll_ = false;
    QLineEdit::focusOutEvent(event);
    if (IsFieldExit(event) && commit()) {
        showFieldText();
        emit exited();
    }
}
