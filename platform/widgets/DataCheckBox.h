#pragma once
// A data-aware check box: checked for the field's "True", unchecked for "False", partly checked
// for null or any other value. A click puts the dataset into edit (automatic edit only) and
// writes the new value into the field at once.

#include "platform/widgets/DataAware.h"
#include "platform/widgets/DataControl.h"

#include <QCheckBox>

class DataCheckBox : public QCheckBox, public DataAware, public DataControl {
    Q_OBJECT
public:
    explicit DataCheckBox(QWidget* parent = nullptr);

    void setValues(const QString& checked, const QString& unchecked);
    void refresh() override;

    ControlKind controlKind() const override { return ControlKind::DataCheckBox; }
    bool isReadOnly() const override { return readOnly_; }
    const qx::Field* field() const override { return boundField(); }

protected:
    void nextCheckState() override;

private:
    QString checked_ = QStringLiteral("True");
    QString unchecked_ = QStringLiteral("False");
    bool readOnly_ = false;
};
