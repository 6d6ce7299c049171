#pragma once
// The fields of every dataset of the data module: names, types, widths, kinds, labels, display
// patterns and aggregates, expanded from compact tables.

#include "platform/data/FieldDef.h"

#include <QStringList>
#include <QStringView>
#include <vector>

// Fields of the dataset named `dataSetName` ("cdsM1P1", ...), in their defined order; empty for
// an unknown name.
std::vector<qx::FieldDef> CatalogueFields(QStringView dataSetName);
// Names of every dataset the catalogue describes, in catalogue order.
QStringList CatalogueDataSetNames();
