#pragma once
// The link between one dataset and its data-aware controls.
//   setDataSet(ds)     the dataset (must outlive the source, or be unset first)
//   setEnabled(on)     a disabled source detaches its controls: they show nothing and write nothing
//   setAutoEdit(on)    whether the first changing key of a control puts the dataset into edit
//   state()/editing()  the dataset's state, Inactive while disabled
//   edit()/post()      edit (append on an empty dataset) and post, when active
// Notices: stateChanged() and dataChanged() signals, and every bound control (DataAware) hears
// the dataset's events; before each post of the dataset, every bound control writes its pending
// input into its field (a refused input stops the post).

#include "platform/data/ClientDataSet.h"

#include <QObject>
#include <vector>

class DataAware;

class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(QObject* parent = nullptr);
    ~DataSource() override;

    void setDataSet(qx::ClientDataSet* dataSet);
    qx::ClientDataSet* dataSet() const { return dataSet_; }
    void setEnabled(bool on);
    bool enabled() const { return enabled_; }
    void setAutoEdit(bool on) { autoEdit_ = on; }
    bool autoEdit() const { return autoEdit_; }

    qx::DataSetState state() const;
    bool active() const { return state() != qx::DataSetState::Inactive; }
    bool editing() const;
    void edit();
    void post();

    void attach(DataAware* control);
    void detach(DataAware* control);
    const std::vector<DataAware*>& controls() const { return controls_; }

signals:
    void stateChanged();
    void dataChanged();

private:
    void listen();
    void unlisten();
    void onDataEvent(qx::DataEvent event);
    void tellControls(qx::DataEvent event);

    qx::ClientDataSet* dataSet_ = nullptr;
    int observer_ = -1;
    bool enabled_ = true;
    bool autoEdit_ = true;
    std::vector<DataAware*> controls_;
};
