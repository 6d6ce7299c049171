#include "core/catalogue/FieldCatalogue.h"

#include "core/catalogue/CatalogueTables.h"

#include <utility>

namespace {

struct ExpandedDataSet {
    QString name;
    std::vector<qx::FieldDef> fields;
};

// Every table expanded once, in catalogue order.
const std::vector<ExpandedDataSet>& expandedCatalogue()
{
    static const std::vector<ExpandedDataSet> all = [] {
        std::vector<ExpandedDataSet> result;
        for (auto tables : {catalogue::settingsTables, catalogue::m1Tables, catalogue::anexoATables,
                            catalogue::anexoBTables, catalogue::m3Tables, catalogue::m3aTables,
                            catalogue::m4Tables, catalogue::workingTables}) {
            for (const catalogue::NamedTable& t : tables())
                result.push_back({QString::fromLatin1(t.dataSet), catalogue::expandTable(t.table)});
        }
        return result;
    }();
    return all;
}

}  // namespace

std::vector<qx::FieldDef> CatalogueFields(QStringView dataSetName)
{
    for (const ExpandedDataSet& ds : expandedCatalogue())
        if (ds.name == dataSetName)
            return ds.fields;
    return {};
}

QStringList CatalogueDataSetNames()
{
    QStringList names;
    for (const ExpandedDataSet& ds : expandedCatalogue())
        names << ds.name;
    return names;
}
