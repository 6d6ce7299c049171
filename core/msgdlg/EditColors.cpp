#include "core/msgdlg/EditColors.h"

#include "platform/widgets/PlatformColor.h"
#include "platform/data/Field.h"

#include <QApplication>
#include <QWidget>

namespace {

const QColor kAqua = PlatformColor(clAqua);
const QColor kLightYellow = PlatformColor(0x0080FFFF);
const QColor kNavy = PlatformColor(clNavy);
const QColor kMaroon = PlatformColor(clMaroon);
const QColor kBlue = PlatformColor(clBlue);
const QColor kRed = PlatformColor(clRed);

bool takesEditColors(ControlKind kind)
{
    return kind == ControlKind::DataEdit || kind == ControlKind::DataMemo || kind == ControlKind::DataCheckBox
           || kind == ControlKind::DataLookupList;
}

void applyColors(QWidget* control, bool entering)
{
    const auto* data = dynamic_cast<const DataControl*>(control);
    if (!data)
        return;
    const bool negative = data->controlKind() == ControlKind::DataEdit && IsNegativeFieldValue(data->field());
    const std::optional<EditColors> colors =
        EditColorsFor(data->controlKind(), data->isReadOnly(), negative, entering, QApplication::palette());
    if (!colors)
        return;
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, colors->background);
    palette.setColor(QPalette::Window, colors->background);
    palette.setColor(QPalette::Text, colors->text);
    palette.setColor(QPalette::WindowText, colors->text);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

}  // namespace

std::optional<EditColors> EditColorsFor(ControlKind kind, bool readOnly, bool negative, bool entering,
                                        const QPalette& system)
{
    if (!takesEditColors(kind))
        return std::nullopt;
    if (readOnly)
        return EditColors{system.color(QPalette::Button), system.color(QPalette::WindowText)};
    const bool signedFont = kind == ControlKind::DataEdit && negative;
    if (entering)
        return EditColors{kAqua, signedFont ? kMaroon : kNavy};
    return EditColors{kLightYellow, signedFont ? kRed : kBlue};
}

bool IsNegativeFieldValue(const qx::Field* field)
{
    if (!field || field->isNull())
        return false;
    switch (field->dataType()) {
    case qx::FieldType::Integer:
    case qx::FieldType::AutoInc: return field->asInteger() < 0;
    case qx::FieldType::Currency: return field->asCurrency().isNegative();
    default: return false;
    }
}

void SetEnterColors(QWidget* control) { applyColors(control, true); }

void SetExitColors(QWidget* control) { applyColors(control, false); }
