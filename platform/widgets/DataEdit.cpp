#include "platform/widgets/DataEdit.h"

#include "platform/widgets/DataSource.h"

#include <QKeyEvent>

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
    connect(this, &QLineEdit::textEdited, this, [this] { pending_ = true; });
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
        shown = hasFocus() ? f->text() : f->displayText();
    if (shown != text())
        setText(shown);
}

void DataEdit::refresh()
{
    const qx::Field* f = boundField();
    setReadOnly(readOnlyFlag_ || !f || !f->isData() || f->readOnly());
    setMaxLength(f && f->dataType() == qx::FieldType::String && f->size() > 0 ? f->size() : 32767);
    if (f) {
        const Qt::Alignment h = f->alignment() == qx::Alignment::Right    ? Qt::AlignRight
                                : f->alignment() == qx::Alignment::Center ? Qt::AlignHCenter
                                                                          : Qt::AlignLeft;
        setAlignment(h | Qt::AlignVCenter);
    }
    // Input not yet written survives changes of other fields of the record; a move to another
    // record, a post or a cancel has already taken it or dropped it.
    if (pending_ && dataSource() && dataSource()->editing())
        return;
    pending_ = false;
    showFieldText();
}

void DataEdit::reset()
{
    pending_ = false;
    showFieldText();
    selectAll();
}

bool DataEdit::commit()
{
    if (!pending_)
        return true;
    if (!writeFieldText(text())) {
        selectAll();
        return false;
    }
    pending_ = false;
    showFieldText();
    return true;
}

void DataEdit::updateRecord()
{
    if (!commit())
        throw qx::SilentAbort();
}

void DataEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (pending_) {
            reset();
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (!QLineEdit::isReadOnly() && ChangesText(event) && !beginFieldEdit()) {
        event->accept();
        return;
    }
    const QString before = text();
    QLineEdit::keyPressEvent(event);
    if (text() != before)
        pending_ = true;
}

void DataEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (!pending_)
        showFieldText();
}

void DataEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Leaving the window (another window, a menu) is no exit from the edit.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    if (commit()) {
        showFieldText();
        emit exited();
    }
}
