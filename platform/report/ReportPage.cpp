#include "platform/report/ReportPage.h"

#include "platform/data/ClientDataSet.h"

namespace qx::report {

namespace {

template <class List, class Item>
Item* findNamed(const List& list, const QString& name, QString (*nameOf)(const Item&))
{
    for (const auto& item : list)
        if (nameOf(*item) == name)
            return item.get();
    return nullptr;
}

}  // namespace

QString ReportDataText::fieldText() const
{
    if (!dataSet || dataField.isEmpty() || !dataSet->active())
        return {};
    if (dataSet->isEmpty() && !dataSet->editing())
        return {};
    const Field* field = dataSet->findField(dataField);
    if (!field)
        return {};
    if (field->dataType() == FieldType::Boolean)
        return !field->isNull() && field->asBoolean() ? QStringLiteral("X") : QString();
    return field->displayText();
}

ReportItem* ReportBand::findChild(const QString& itemName) const
{
    return findNamed<decltype(items_), ReportItem>(items_, itemName,
                                                   [](const ReportItem& i) { return i.name; });
}

ReportBand& ReportPage::addBand(ReportBand::Kind kind, QString bandName)
{
    bands_.push_back(std::make_unique<ReportBand>(kind, std::move(bandName)));
    return *bands_.back();
}

ReportBand* ReportPage::findBand(const QString& bandName) const
{
    return findNamed<decltype(bands_), ReportBand>(bands_, bandName,
                                                   [](const ReportBand& b) { return b.name(); });
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
