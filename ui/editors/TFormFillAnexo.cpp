#include "ui/editors/TFormFillAnexo.h"

#include "core/module/TdmMain.h"
#include "platform/widgets/DataSource.h"
#include "core/util/Messages.h"
#include "platform/layout/PageLayout.h"
#include "platform/widgets/DataCheckBox.h"
#include "ui/editors/AnnexCalcValue.h"
#include "ui/editors/AnnexVariants.h"
#include "ui/editors/LayoutPage.h"
#include "ui/editors/TickGroups.h"
#include "ui/framework/HandlerGuard.h"

#include <QPalette>

namespace {

EditorSpec AnnexSpec(const AnnexVariant& variant, TdmMain& dm)
{
    EditorSpec spec;
    spec.caption = variant.caption;
    spec.formCode = variant.pages[0].pageCode / 1000 * 1000 + 11;
    const QString form = QString::fromLatin1(variant.reportForm);
    for (int p = 0; p < 2; ++p) {
        const AnnexPage& page = variant.pages[std::size_t(p)];
        spec.pages.push_back(LayoutPageSpec(QString::fromLatin1(page.layout), p + 1,
                                            dm.DataSetByName(QString::fromLatin1(page.dataSet)), page.pageCode, form,
                                            QStringLiteral("DetailBandP%1").arg(p + 1)));
    }
    spec.pages[0].background = QPalette().color(QPalette::Base);
    return spec;
}

}  // namespace

TFormFillAnexo::TFormFillAnexo(const AnnexVariant& variant, TdmMain& dm, QWidget* parent)
    : TFormFill(AnnexSpec(variant, dm), parent), variant_(variant), dm_(dm)
{
    setObjectName(QString::fromLatin1(variant.instance));
    DataSourceM1P1 = AddDataSource(&dm.cdsM1P1);
    DataSourceM1P1->setObjectName(QStringLiteral("DataSourceM1P1"));
    for (int page = 0; page < 2; ++page) {
        BoxHooks hooks;
        hooks.header = DataSourceM1P1;
        hooks.dateHint = variant.iibiPair;
        hooks.dateButtonName = [](const qx::Box&, int) { return QStringLiteral("SpeedButton8"); };
        hooks.tickBox = [this](DataCheckBox& tick, const qx::Box& box) {
            if (!variant_.iibiPair || !IIBIPairFields().contains(box.field))
                return;  // the inventory criteria of Anexo A are independent
            tick.setObjectName(box.field == QLatin1String("II_B_I_True") ? QStringLiteral("DBCheckBoxII_B_I")
                                                                          : QStringLiteral("DBCheckBoxii_b_i_false"));
            const QString field = box.field;
            connect(&tick, &QCheckBox::clicked, this, [this, field] { RunGuarded([&] { DBCheckBoxII_B_IClick(field); }); });
        };
        hooks.calcButton = [this](const qx::Box& box) {
            const AnnexCalcButton* b = AnnexCalcButtonFor(variant_, box.field);
            if (!b)
                throw qx::LayoutError(std::string(variant_.editor) + " auto-calc button of unknown target "
                                      + box.field.toStdString());
            AutoCalcButton calc{b->target, {}, [this, b] { AutoCalcApply(*b); }};
            for (const QString& name : b->recalc)
                calc.sources.push_back(dm_.DataSetByName(name));
            return NamedCalcButton{QString::fromLatin1(b->button), std::move(calc)};
        };
        AddLayoutBoxes(*this, page, QString::fromLatin1(variant.pages[std::size_t(page)].layout), hooks);
    }
}

void TFormFillAnexo::DBCheckBoxII_B_IClick(const QString& clickedField)
{
    ApplyTickGroup(*PageAt(0).spec.dataSet, IIBIPairFields(), clickedField, true);
}

void TFormFillAnexo::AutoCalcApply(const AnnexCalcButton& button)
{
    qx::Currency value;
    try {
        value = AnnexCalcValue(dm_, button);
    } catch (const qx::CurrencyOverflow&) {
        if (button.msgCode.isEmpty())
            throw;
        const MessageTexts texts = AnnexOverflowMessage(button.msgCode);
        ShowMultiLangMsg(texts.chn, texts.por, QString(), dtError, button.msgCode);
        return;
    }
    qx::ClientDataSet& page = *PageAt(button.page - 1).spec.dataSet;
    dm_.ApplyCalculatedValue(page.fieldByName(button.target), value);
}
