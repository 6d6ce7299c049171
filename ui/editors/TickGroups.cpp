#include "ui/editors/TickGroups.h"

#include "platform/data/ClientDataSet.h"

const std::vector<TickGroup>& M1TickGroups()
{
    static const std::vector<TickGroup> groups = {
        {"DBCheckBox1Click", 1,
         {"Tipo_Contribuinte_Individual", "Tipo_Contribuinte_Sociedade", "Tipo_Contribuinte_Sucursal",
          "Tipo_Contribuinte_Outros"}},
        {"DBCheckBox5Click", 1,
         {"Tipo_de_Declaracao_Normal", "Tipo_de_Declaracao_Cancelamento", "Tipo_de_Declaracao_Suspensao"}},
        {"DBCheckBox8Click", 1,
         {"Exercicio_Anterior_Grupo_A", "Exercicio_Anterior_Grupo_B", "Exercicio_Anterior_Nao_Trib"}},
        {"DBCheckBox24Click", 3, {"Div_Lucros_Antes_Imposto", "Div_Lucros_Depois_Imposto"}},
        {"DBCheckBox26Click", 3, {"Regime_Prep_Doc_Fin_NRF", "Regime_Prep_Doc_Fin_NSRF"}},
        {"DBCheckBox28Click", 3,
         {"Lingua_Reg_Con_Chines", "Lingua_Reg_Con_Portugues", "Lingua_Reg_Con_Ingles", "Lingua_Reg_Con_Outro"}},
        {"DBCheckBox32Click", 3,
         {"Moeda_Reg_Con_Mop", "Moeda_Reg_Con_HKD", "Moeda_Reg_Con_RMB", "Moeda_Reg_Con_USD", "Moeda_Reg_Con_Outro"}},
        {"DBCheckBox37Click", 3, {"Assinatura_Contrib", "Assinatura_Rep_Legal"}},
    };
    return groups;
}

const TickGroup* M1TickGroupOf(int page, const QString& field)
{
    for (const TickGroup& g : M1TickGroups())
        if (g.page == page && g.fields.contains(field))
            return &g;
    return nullptr;
}

const QStringList& IIBIPairFields()
{
    static const QStringList fields = {QStringLiteral("II_B_I_False"), QStringLiteral("II_B_I_True")};
    return fields;
}

void ApplyTickGroup(qx::ClientDataSet& dataSet, const QStringList& fields, const QString& clicked, bool onlyTrue)
{
    if (!dataSet.editing() || !dataSet.fieldByName(clicked).asBoolean())
        return;
    for (const QString& name : fields) {
        if (name == clicked)
            continue;
        qx::Field& other = dataSet.fieldByName(name);
        if (!onlyTrue || (!other.isNull() && other.asBoolean()))
            other.setAsBoolean(false);
    }
}
