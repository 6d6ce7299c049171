#include "platform/widgets/DataMemo.h"

#include "platform/widgets/DataEdit.h"
#include "platform/widgets/DataSource.h"

#include <QKeyEvent>

DataMemo::DataMemo(QWidget* parent) : QPlainTextEdit(parent), DataAware(this) {}

void DataMemo::refresh()
{
    const qx::Field* f = boundField();
    setReadOnly(!f || !f->isData() || f->readOnly());
    if (pending_ && dataSource() && dataSource()->editing())
        return;
    pending_ = false;
    const QString shown = f ? f->asString() : QString();
    if (shown != toPlainText())
        setPlainText(shown);
}

bool DataMemo::commit()
{
    if (!pending_)
        return true;
    if (!writeFieldText(toPlainText()))
        return false;
    pending_ = false;
    return true;
}

void DataMemo::updateRecord()
{
    if (!commit())
        throw qx::SilentAbort();
}

void DataMemo::keyPressEvent(QKeyEvent* event)
{
    const bool changing = ChangesText(event) || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!QPlainTextEdit::isReadOnly() && changing && !beginFieldEdit()) {
        event->accept();
        return;
    }
    const QString before = toPlainText();
    QPlainTextEdit::keyPressEvent(event);
    if (toPlainText() != before)
        pending_ = true;
}

void DataMemo::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        commit();
}
