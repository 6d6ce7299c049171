#include "platform/widgets/DataCheckBox.h"

DataCheckBox::DataCheckBox(QWidget* parent) : QCheckBox(parent), DataAware(this) {}

void DataCheckBox::setValues(const QString& checked, const QString& unchecked)
{
    checked_ = checked;
    unchecked_ = unchecked;
    refresh();
}

void DataCheckBox::refresh()
{
    const qx::Field* f = boundField();
    readOnly_ = !f || !f->isData() || f->readOnly();
    Qt::CheckState state = Qt::PartiallyChecked;
    if (f && !f->isNull()) {
        const QString v = f->asString();
        if (v.compare(checked_, Qt::CaseInsensitive) == 0)
            state = Qt::Checked;
        else if (v.compare(unchecked_, Qt::CaseInsensitive) == 0)
            state = Qt::Unchecked;
    }
    setTristate(state == Qt::PartiallyChecked);
    setCheckState(state);
}

void DataCheckBox::nextCheckState()
{
    if (readOnly_ || !beginFieldEdit())
        return;
    writeFieldText(checkState() == Qt::Checked ? unchecked_ : checked_);
    refresh();
}
