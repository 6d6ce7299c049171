#pragma once
// An editor page laid out from its page layout: the page picture, and every box of the layout
// created over it in the layout's order (which is the tab order), at the box's editor pixels.
// What differs between editors comes in through the hooks: the header texts' data source, the
// auto-calc buttons, the click handlers of tick boxes and the names of the date buttons.

#include "ui/framework/EditorDescription.h"
#include "ui/framework/EditorPorts.h"

#include <QString>
#include <functional>

namespace qx {
struct Box;
class ClientDataSet;
}
class DataCheckBox;
class DataEdit;
class DataSource;
class QToolButton;
class TFormFill;

// The page of the layout `layout` ("M1P2"): its picture, tab caption, dataset, code and first and
// last fields (the layout's DBEditPn_First and DBEditPn_Last boxes), and the report band it binds.
EditorPageSpec LayoutPageSpec(const QString& layout, int tab, qx::ClientDataSet* dataSet, int pageCode,
                              const QString& reportForm, const QString& reportBand, int minLeft = 0, int maxLeft = -1);

struct NamedCalcButton {
    QString name;  // "SpeedButton4"
    AutoCalcButton calc;
};

struct BoxHooks {
    DataSource* header = nullptr;  // the source of the taxpayer's header boxes (cdsM1P1)
    bool dateHint = false;         // date edits carry the day/month/year hint
    std::function<NamedCalcButton(const qx::Box&)> calcButton;
    std::function<void(DataCheckBox&, const qx::Box&)> tickBox;
    std::function<QString(const qx::Box&, int nth)> dateButtonName;  // nth: of that field, from 0
};

// Creates the boxes of page `page` (0-based) of the form from its layout.
void AddLayoutBoxes(TFormFill& form, int page, const QString& layout, const BoxHooks& hooks);

// The box a data control was laid out at, in the page's pixels (an auto-sized text moves its own
// left edge; the position binding pairs boxes where the layout put them).
QRect LayoutRectOf(const QWidget& control);
