#pragma once
// What every data-aware control shares: its data source and field, the dataset's events, and
// the field's focus operation.
//   setDataSource(src) / setDataField(name)  the binding (field names ignore case)
//   boundField()        the field, nullptr while the source is inactive or the name unknown
//   dataEvent(e)        the dataset's events: UpdateRecord -> updateRecord(), else refresh()
//   beginFieldEdit()    puts the dataset into edit for a changing key (automatic edit only)
//   writeFieldText(t)   writes input into the field; a refusal is reported and keeps the focus
//   FocusField(ds, f)   the first bound control of that field that can take the focus takes it

#include "platform/data/ClientDataSet.h"
#include "platform/widgets/DataSource.h"

#include <QPointer>
#include <QString>

class QWidget;

class DataAware {
public:
    // `self`: the control's widget; nullptr for a binding without one (a grid's model).
    explicit DataAware(QWidget* self);
    virtual ~DataAware();
    DataAware(const DataAware&) = delete;
    DataAware& operator=(const DataAware&) = delete;

    QWidget* widget() const { return self_; }
    void setDataSource(DataSource* source);
    DataSource* dataSource() const { return source_; }
    void setDataField(const QString& name);
    const QString& dataField() const { return fieldName_; }
    qx::Field* boundField() const;
    // Any value of the control's dataset shown here? (source enabled, dataset open)
    bool sourceActive() const;

    virtual void dataEvent(qx::DataEvent event);
    // Shows the field's current value.
    virtual void refresh() = 0;
    // Writes pending input into the field; throws SilentAbort after reporting a refusal.
    virtual void updateRecord() {}
    // A control that can take the field's focus: visible, enabled, and an input control.
    virtual bool takesFieldFocus() const;

protected:
    bool beginFieldEdit();
    bool writeFieldText(const QString& text);

private:
    QWidget* self_;
    QPointer<DataSource> source_;
    QString fieldName_;
};

// The field's focus operation; false when no control could take the focus.
bool FocusField(const qx::ClientDataSet& dataSet, const QString& fieldName);
