#pragma once
// The tables of the catalogue, one source file per form; each returns its datasets in catalogue
// order.

#include "core/catalogue/CatalogueNotation.h"

#include <vector>

namespace catalogue {

struct NamedTable {
    const char* dataSet;
    Table table;
};

std::vector<NamedTable> settingsTables();  // alert list, settings, printer offsets, rate table
std::vector<NamedTable> m1Tables();
std::vector<NamedTable> anexoATables();
std::vector<NamedTable> anexoBTables();
std::vector<NamedTable> m3Tables();
std::vector<NamedTable> m3aTables();
std::vector<NamedTable> m4Tables();
std::vector<NamedTable> workingTables();   // the two tables of the print binding

}  // namespace catalogue
