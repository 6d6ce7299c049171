#pragma once
// A data-aware text: the field's display text, never editable and never focused.
//   setAutoSize(on)       the box fits its text, up to its maximum width; a right-aligned box
//                         keeps its right edge. A number or a date wider than the maximum width
//                         shows as '#' marks, never cut and never over its neighbour.
//   setTransparent(on)    transparent (what lies under it shows) or opaque in backgroundColor()
//   setBackgroundColor(c) the colour shown while opaque (used by the flash)

#include "platform/widgets/DataAware.h"
#include "platform/widgets/DataControl.h"

#include <QLabel>

class DataText : public QLabel, public DataAware, public DataControl {
    Q_OBJECT
public:
    explicit DataText(QWidget* parent = nullptr);

    void setAutoSize(bool on);
    bool autoSize() const { return autoSize_; }
    void setTransparent(bool on);
    bool transparent() const { return !autoFillBackground(); }
    void setBackgroundColor(const QColor& color);
    QColor backgroundColor() const;

    void refresh() override;
    bool takesFieldFocus() const override { return false; }

    ControlKind controlKind() const override { return ControlKind::DataText; }
    bool isReadOnly() const override { return true; }
    const qx::Field* field() const override { return boundField(); }

private:
    void fitToText();
    bool autoSize_ = true;
};
