#include "ui/editors/TFormFillM1.h"

#include "core/calc/SectorOf.h"
#include "core/module/TdmMain.h"
#include "platform/layout/PageLayout.h"
#include "platform/widgets/DataCheckBox.h"
#include "platform/widgets/DataEdit.h"
#include "ui/editors/LayoutPage.h"
#include "ui/editors/M1AutoCalc.h"
#include "ui/editors/M1PrintCodes.h"
#include "ui/editors/TickGroups.h"
#include "ui/framework/HandlerGuard.h"

#include <QPalette>
#include <QRegularExpressionValidator>
#include <QScrollArea>

namespace {

EditorSpec M1Spec(TdmMain& dm)
{
    EditorSpec spec;
    spec.caption = QStringLiteral("M/1格式　Modelo M/1");
    spec.formCode = 1011;
    spec.alertHeight = 88;
    spec.printA3 = true;
    spec.walkSkipsGrids = true;
    const QString a3 = QStringLiteral("FormRpt_M1");
    spec.pages = {
        LayoutPageSpec(QStringLiteral("M1P1"), 1, &dm.cdsM1P1, 1011, a3, QStringLiteral("DetailBandP1")),
        LayoutPageSpec(QStringLiteral("M1P2"), 2, &dm.cdsM1P2, 1012, a3, QStringLiteral("DetailBandP2P3"), 0, 800),
        LayoutPageSpec(QStringLiteral("M1P3"), 3, &dm.cdsM1P3, 1013, a3, QStringLiteral("DetailBandP2P3"), 801),
        LayoutPageSpec(QStringLiteral("M1P4"), 4, nullptr, 1014, QString(), QString()),
    };
    spec.pages[0].background = spec.pages[3].background = QPalette().color(QPalette::Base);
    return spec;
}

// The date buttons by their edit's field; the general assembly's date has one beside each box.
QString DateButtonName(const qx::Box& box, int nth)
{
    static const std::pair<const char*, const char*> names[] = {
        {"Periodo_de", "SpeedButton7"},           {"Periodo_a", "SpeedButton8"},
        {"Data_da_Constituicao", "SpeedButton13"}, {"Data_Deli_Assem_Geral", "SpeedButton9"},
        {"Data_Assi_Aud_Cont", "SpeedButton11"},  {"Data_Assi_Contrib", "SpeedButton12"},
    };
    if (box.field == QLatin1String("Data_Deli_Assem_Geral") && nth == 1)
        return QStringLiteral("SpeedButton10");
    for (const auto& [field, name] : names)
        if (box.field == QLatin1String(field))
            return QString::fromLatin1(name);
    return QString();
}

// Two edits hold fewer characters than their fields could take.
void LimitLength(const QWidget& form, const QString& field, int length)
{
    for (DataEdit* edit : form.findChildren<DataEdit*>())
        if (edit->dataField() == field)
            edit->setValidator(
                new QRegularExpressionValidator(QRegularExpression(QStringLiteral(".{0,%1}").arg(length)), edit));
}

}  // namespace

TFormFillM1::TFormFillM1(TdmMain& dm, QWidget* parent) : TFormFill(M1Spec(dm), parent), dm_(dm)
{
    setObjectName(QStringLiteral("FormFillM1"));
    static const char* const layouts[] = {"M1P1", "M1P2", "M1P3"};
    for (int page = 0; page < 3; ++page) {
        BoxHooks hooks;
        hooks.dateHint = page == 0;
        hooks.dateButtonName = DateButtonName;
        hooks.tickBox = [this, page](DataCheckBox& tick, const qx::Box& box) {
            const TickGroup* group = M1TickGroupOf(page + 1, box.field);
            if (!group)
                return;  // independent, or the Enderecados pair whose handler does nothing
            const QString field = box.field;
            connect(&tick, &QCheckBox::clicked, this, [this, group, field] {
                RunGuarded([&] { TickGroupClick(*group, field); });
            });
        };
        hooks.calcButton = [this](const qx::Box& box) {
            const M1CalcButton* b = M1CalcButtonFor(box.field);
            if (!b)
                throw qx::LayoutError("M/1 auto-calc button of unknown target " + box.field.toStdString());
            return NamedCalcButton{QString::fromLatin1(b->button), {b->target, {}, [this, b] { AutoCalcApply(*b); }}};
        };
        AddLayoutBoxes(*this, page, QString::fromLatin1(layouts[page]), hooks);
    }
    LimitLength(*this, QStringLiteral("No_Contribuinte"), 8);
    LimitLength(*this, QStringLiteral("PC_de_Reducao"), 7);
}

void TFormFillM1::TickGroupClick(const TickGroup& group, const QString& clickedField)
{
    qx::ClientDataSet* page = PageAt(group.page - 1).spec.dataSet;
    ApplyTickGroup(*page, group.fields, clickedField, false);
}

void TFormFillM1::AutoCalcApply(const M1CalcButton& button)
{
    const std::optional<FieldSource> source = M1CalcSource(button, SectorOf(dm_));
    if (!source)
        return;
    qx::ClientDataSet* sourceSet = dm_.DataSetByName(source->dataSet);
    QString visited;
    dm_.RecalcDataSet(*sourceSet, visited);
    dm_.ApplyCalcFieldValue(sourceSet->fieldByName(source->field), dm_.cdsM1P2.fieldByName(button.target));
}

int TFormFillM1::PrintPageCode(int page, bool a3) const
{
    return M1PrintPageCode(page + 1, !a3);
}

// The first show binds the A3 sheets page by page (the pages' own bands); the A4 pages follow.
void TFormFillM1::showEvent(QShowEvent* event)
{
    const bool first = FirstPaint;
    TFormFill::showEvent(event);
    if (!first || FirstPaint || !PrintDialog())
        return;
    RunGuarded([this] {
        for (int page = 0; page < 3; ++page)
            PrintDialog()->BindReportFields(*PageAt(page).ScrollBox, QStringLiteral("FormRpt_M1_A4"),
                                            QStringLiteral("DetailBandP%1").arg(page + 1), 0, -1);
    });
}
