// The two working tables of the print binding: the editor page's controls and the report band's
// data texts, each numbered by line. Never stored.
#include "core/catalogue/CatalogueTables.h"

namespace catalogue {

std::vector<NamedTable> workingTables()
{
    return {
        {"cdsFormField",
         {
             field("Top", integer()),
             field("Left", integer()),
             field("Field_Name", text(50)),
             field("CDS_Code", integer()),
             field("Line", integer()),
         }},
        {"cdsRptField",
         {
             field("Top", integer()),
             field("Left", integer()),
             field("Ctrl_Name", text(50)),
             field("Ctrl_Idx", integer()),
             field("Line", integer()),
         }},
    };
}

}  // namespace catalogue
