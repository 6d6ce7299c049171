#include "platform/widgets/DataAware.h"

#include "platform/widgets/DataSource.h"
#include "platform/widgets/WidgetErrors.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {

// Every live data-aware control, in creation order (the order the field's focus searches).
std::vector<DataAware*>& registry()
{
    static std::vector<DataAware*> controls;
    return controls;
}

}  // namespace

DataAware::DataAware(QWidget* self) : self_(self)
{
    registry().push_back(this);
}

DataAware::~DataAware()
{
    if (source_)
        source_->detach(this);
    auto& all = registry();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

void DataAware::setDataSource(DataSource* source)
{
    if (source_ == source)
        return;
    if (source_)
        source_->detach(this);
    source_ = source;
    if (source_)
        source_->attach(this);
    refresh();
}

void DataAware::setDataField(const QString& name)
{
    fieldName_ = name;
    refresh();
}

bool DataAware::sourceActive() const
{
    return source_ && source_->active();
}

qx::Field* DataAware::boundField() const
{
    if (!sourceActive() || fieldName_.isEmpty())
        return nullptr;
    return source_->dataSet()->findField(fieldName_);
}

void DataAware::dataEvent(qx::DataEvent event)
{
    if (event == qx::DataEvent::UpdateRecord)
        updateRecord();
    else
        refresh();
}

bool DataAware::takesFieldFocus() const
{
    return self_ && self_->isVisible() && self_->isEnabled() && self_->focusPolicy() != Qt::NoFocus;
}

bool DataAware::beginFieldEdit()
{
    if (!sourceActive())
        return false;
    if (source_->editing())
        return true;
    if (!source_->autoEdit())
        return false;
    try {
        source_->edit();
    } catch (const std::exception& e) {
        ReportWidgetError(e);
        return false;
    }
    return source_->editing();
}

bool DataAware::writeFieldText(const QString& text)
{
    qx::Field* field = boundField();
    if (!field)
        return true;
    try {
        if (!source_->editing())
            source_->edit();
        field->setAsString(text);
        return true;
    } catch (const std::exception& e) {
        ReportWidgetError(e, self_);
        // The focus goes back to the refused box, unless it is on its way back to another refused
        // box right now: two boxes holding refused text would hand it to each other for ever.
        static bool returningFocus = false;
        if (self_ && !returningFocus) {
            returningFocus = true;
            self_->setFocus(Qt::OtherFocusReason);
            returningFocus = false;
        }
        return false;
    }
}

void DataAware::updateRecord()
{
    if (!commit())
        throw qx::SilentAbort();
}

bool DataAware::commit()
{
    if (!pending_)
        return true;
    if (!writeFieldText(inputText())) {
        inputRefused();
        return false;
    }
    pending_ = false;
    inputWritten();
    return true;
}

void DataAware::typeKey(QKeyEvent* event, bool changesText, const std::function<void()>& handle)
{
    if (changesText && !beginFieldEdit()) {
        event->accept();
        return;
    }
    const QString before = inputText();
    handle();
    if (inputText() != before)
        pending_ = true;
}

bool DataAware::keepsPendingInput()
{
    if (pending_ && source_ && source_->editing())
        return true;
    pending_ = false;
    return false;
}

bool IsFieldExit(const QFocusEvent* event)
{
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

bool FocusField(const qx::ClientDataSet& dataSet, const QString& fieldName)
{
    const auto controls = registry();
    for (DataAware* c : controls) {
        DataSource* src = c->dataSource();
        if (!src || src->dataSet() != &dataSet || c->dataField().compare(fieldName, Qt::CaseInsensitive) != 0)
            continue;
        if (!c->takesFieldFocus())
            continue;
        c->widget()->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return false;
}
