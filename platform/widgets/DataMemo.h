#pragma once
// A data-aware memo: the field's text; the first changing key puts the dataset into edit
// (automatic edit only); the text is written into the field on leaving and before every post.

#include "platform/widgets/DataAware.h"
#include "platform/widgets/DataControl.h"

#include <QPlainTextEdit>

class DataMemo : public QPlainTextEdit, public DataAware, public DataControl {
    Q_OBJECT
public:
    explicit DataMemo(QWidget* parent = nullptr);

    bool commit();
    void refresh() override;
    void updateRecord() override;

    ControlKind controlKind() const override { return ControlKind::DataMemo; }
    bool isReadOnly() const override { return QPlainTextEdit::isReadOnly(); }
    const qx::Field* field() const override { return boundField(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool pending_ = false;
};
