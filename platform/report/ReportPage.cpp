#include "platform/report/ReportPage.h"

#include "platform/data/ClientDataSet.h"

namespace qx::report {

const Field* ReportDataText::field() const
{
    if (!dataSet || dataField.isEmpty() || !dataSet->active() || (dataSet->isEmpty() && !dataSet->editing()))
        return nullptr;
    return dataSet->findField(dataField);
}

QString ReportDataText::fieldText() const
{
    const Field* field = this->field();
    if (!field)
        return {};
    if (field->dataType() == FieldType::Boolean)
        return !field->isNull() && field->asBoolean() ? QStringLiteral("X") : QString();
    return field->displayText();
}

Overflow ReportDataText::overflow() const
{
    const Field* field = this->field();
    return field && ShowsWhole(field->dataType()) ? Overflow::Marks : Overflow::Cut;
}

ReportItem* ReportBand::findChild(const QString& itemName) const
{
    for (const auto& item : items_)
        if (item->name == itemName)
            return item.get();
    return nullptr;
}

ReportBand& ReportPage::addBand(ReportBand::Kind kind, QString bandName)
{
    bands_.push_back(std::make_unique<ReportBand>(kind, std::move(bandName)));
    return *bands_.back();
}

ReportBand* ReportPage::findBand(const QString& bandName) const
{
    for (const auto& band : bands_)
        if (band->name() == bandName)
            return band.get();
    return nullptr;
}

double ReportPage::paperWidthMm() const
{
    const double shortSide = paper == PaperSize::A3 ? 297.0 : 210.0;
    const double longSide = paper == PaperSize::A3 ? 420.0 : 297.0;
    return orientation == Orientation::Portrait ? shortSide : longSide;
}

double ReportPage::paperHeightMm() const
{
    const double shortSide = paper == PaperSize::A3 ? 297.0 : 210.0;
    const double longSide = paper == PaperSize::A3 ? 420.0 : 297.0;
    return orientation == Orientation::Portrait ? longSide : shortSide;
}

}  // namespace qx::report
