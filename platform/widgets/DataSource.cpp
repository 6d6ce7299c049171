#include "platform/widgets/DataSource.h"

#include "platform/widgets/DataAware.h"

#include <algorithm>

DataSource::DataSource(QObject* parent) : QObject(parent) {}

DataSource::~DataSource()
{
    unlisten();
    const auto controls = controls_;
    for (DataAware* c : controls)
        c->setDataSource(nullptr);
}

void DataSource::setDataSet(qx::ClientDataSet* dataSet)
{
    if (dataSet == dataSet_)
        return;
    unlisten();
    dataSet_ = dataSet;
    listen();
    tellControls(qx::DataEvent::StateChanged);
    emit stateChanged();
}

void DataSource::setEnabled(bool on)
{
    if (on == enabled_)
        return;
    unlisten();
    enabled_ = on;
    listen();
    tellControls(qx::DataEvent::StateChanged);
    emit stateChanged();
}

void DataSource::listen()
{
    if (dataSet_ && enabled_)
        observer_ = dataSet_->addObserver([this](qx::DataEvent e) { onDataEvent(e); });
}

void DataSource::unlisten()
{
    if (dataSet_ && observer_ >= 0)
        dataSet_->removeObserver(observer_);
    observer_ = -1;
}

qx::DataSetState DataSource::state() const
{
    return dataSet_ && enabled_ ? dataSet_->state() : qx::DataSetState::Inactive;
}

bool DataSource::editing() const
{
    const qx::DataSetState s = state();
    return s == qx::DataSetState::Edit || s == qx::DataSetState::Insert;
}

void DataSource::edit()
{
    if (active() && !editing())
        dataSet_->edit();
}

void DataSource::post()
{
    if (active())
        dataSet_->post();
}

void DataSource::attach(DataAware* control)
{
    if (std::find(controls_.begin(), controls_.end(), control) == controls_.end())
        controls_.push_back(control);
}

void DataSource::detach(DataAware* control)
{
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

void DataSource::onDataEvent(qx::DataEvent event)
{
    tellControls(event);
    if (event == qx::DataEvent::StateChanged)
        emit stateChanged();
    else if (event != qx::DataEvent::UpdateRecord)
        emit dataChanged();
}

// A control writing its input may throw (a refused text): the post then stops there.
void DataSource::tellControls(qx::DataEvent event)
{
    const auto controls = controls_;  // a control may detach itself
    for (DataAware* c : controls)
        if (std::find(controls_.begin(), controls_.end(), c) != controls_.end())
            c->dataEvent(event);
}
