#include "platform/widgets/DataMemo.h"

#include "platform/widgets/DataEdit.h"

#include <QKeyEvent>

DataMemo::DataMemo(QWidget* parent) : QPlainTextEdit(parent), DataAware(this) {}

void DataMemo::refresh()
{
    const qx::Field* f = boundField();
    setReadOnly(!f || !f->isData() || f->readOnly());
    if (keepsPendingInput())
        return;
    const QString shown = f ? f->asString() : QString();
    if (shown != toPlainText())
        setPlainText(shown);
}

void DataMemo::keyPressEvent(QKeyEvent* event)
{
    const bool changing = ChangesText(event) || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    typeKey(event, !QPlainTextEdit::isReadOnly() && changing, [&] { QPlainTextEdit::keyPressEvent(event); });
}

void DataMemo::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    if (IsFieldExit(event))
        commit();
}
