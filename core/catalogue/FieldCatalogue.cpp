// Placeholder: the catalogue tables land with the data-module work.
#include "core/catalogue/FieldCatalogue.h"

std::vector<qx::FieldDef> CatalogueFields(QStringView) { return {}; }
QStringList CatalogueDataSetNames() { return {}; }
