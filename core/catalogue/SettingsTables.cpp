// The datasets that are not form pages: the alert list, the settings record, the printer offsets
// and the depreciation-rate table.
#include "core/catalogue/CatalogueTables.h"

namespace catalogue {

namespace {

Table alert()
{
    return {
        field("Obj_Code", integer()),
        field("Field_Name", text(100)),
        field("Alert_Type", integer().centred()),
        field("Alert_Type_Chn", text(10).centred()),
        field("Alert_Type_Por", text(20).centred()),
        field("Msg_Code", text(5).centred()),
        field("Msg_Chn", text(500)),
        field("Msg_Por", text(500)),
        field("Alert_Seq", integer()),
    };
}

Table sys()
{
    return {
        field("App_Version", text(30)),
        field("Form_Version", text(10)),
        field("version", calcText(50)),
        field("Sector_ID", integer()),
        field("sector_chn", calcText(50)),
        field("sector_por", calcText(50)),
        field("App_Log", text(2000)),
    };
}

Table prnSetup()
{
    return {
        field("Computer_Name", text(100).label("電腦 Computador")),
        field("Printer_Name", text(200).label("印表機 Impressora")),
        field("Rpt_ID", text(20)),
        field("Left_Margin", currency().display(",0.00")),
        field("Top_Margin", currency().display(",0.00")),
        field("Update_Time", dateTime()),
        field("Print_Time", dateTime()),
    };
}

Table taxMaxReintAmor()
{
    return {
        field("Codigo", text(5)),
        field("Tipo_Chn", text(39)),
        field("Tipo_Por", text(39)),
        field("Obs_Chn", text(200)),
        field("Obs_Por", text(200)),
        field("Taxa", currency().display(R"(,0.00"%";,0.00"%";" ")").centred()),
        field("No_de_Anos", currency().display("#").centred()),
        field("Is_Header", boolean()),
    };
}

}  // namespace

std::vector<NamedTable> settingsTables()
{
    return {{"cdsAlert", alert()},
            {"cdsSys", sys()},
            {"cdsPrnSetup", prnSetup()},
            {"cdsTaxMaxReintAmor", taxMaxReintAmor()}};
}

}  // namespace catalogue
