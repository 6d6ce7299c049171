// Form M/1: front page, back page left (income lines) and back page right (dividends, books,
// auditor, signatures).
#include "core/catalogue/CatalogueTables.h"

namespace catalogue {

namespace {

Table m1p1()
{
    return {
        field("Ano_Exercicio", integer().display("0000").edit("0000").label("年度 Ano Exercicio")),
        field("Periodo_de", date().display("dd/mm/yyyy").label("課稅期間 由 ... Periodo de tributacao de")),
        field("Periodo_a", date().display("dd/mm/yyyy").label("課稅期間 至 ... Periodo de tributacao a")),
        field("Nome_Contribuinte_1", text(47).label("維稅人姓名或名稱 Nome ou designacao do contribuinte (1)")),
        field("Nome_Contribuinte_2", text(47).label("維稅人姓名或名稱 Nome ou designacao do contribuinte (2)")),
        field("nome_contribuinte", calcText(100)),
        field("No_Contribuinte", integer().display("00000000;00000000;#").edit("00000000").max(99999999).label("納稅人編號 No. de contribuinte")),
        field("Distico_Comercial", text(77).label("商號名稱 Distico comercial")),
        field("No_Cadastro", text(77).label("檔案編號 No. de catastro")),
        field("Residencia_ou_Sede_1", text(77).label("住址或店址 Residencia ou sede (1)")),
        field("Residencia_ou_Sede_2", text(77).label("住址或店址 Residencia ou sede (2)")),
        field("Telefone", text(14).label("電話 Telefone")),
        field("Fax", text(14).label("傳真 Fax")),
        field("Email_Web", text(25).label("電郵 / 網址 Email / web-site")),
        field("Tipo_Contribuinte_Individual", shownX().label("納稅人類別 Tipo de contribuinte - 個人企業主 Empresa em nome individual")),
        field("Tipo_e_No_Doc_Id", text(50).label("證件類別及編號 Tipo e no. doc identificacao")),
        field("Tipo_Contribuinte_Sociedade", shownX().label("納稅人類別 Tipo de contribuinte - 於Varnholm成立之公司 Sociedade com sede na Varnholm")),
        field("Data_da_Constituicao", date().display("dd/mm/yyyy").label("成立日期 Data da constituicao")),
        field("No_Reg_Comercial", text(20).label("商業登記編號 No. do registo comercial")),
        field("Tipo_Contribuinte_Sucursal", shownX().label("納稅人類別 Tipo de contribuinte - 海外企業之分支機構 Sucursal de empresa do exterior")),
        field("Local_da_Sede", text(33).label("總行地點 Local da sede")),
        field("Tipo_Contribuinte_Outros", shownX().label("納稅人類別 Tipo de contribuinte - 其怹 Outros")),
        field("Indique_o_Tipo", text(22).label("指出種類 Indique o tipo")),
        field("Actividade_Principal", text(50).label("主要業務 Actividade principal")),
        field("Outras_Actividades", text(50).label("其他業務 Outras actividade")),
        field("Actividade_Codigo_1", text(31).label("行業代號 (1)")),
        field("Actividade_Codigo_2", text(31).label("行業代號 (2)")),
        field("Actividade_Codigo_3", text(31).label("行業代號 (3)")),
        field("Actividade_Codigo_4", text(31).label("行業代號 (4)")),
        field("Tipo_de_Declaracao_Normal", shownX().label("申報書類別 - 平常 Tipo de declaracao - Normal")),
        field("Tipo_de_Declaracao_Cancelamento", shownX().label("申報書類別 - 結業 Tipo de declaracao - Cancelamento")),
        field("Tipo_de_Declaracao_Suspensao", shownX().label("申報書類別 - 停業 Tipo de declaracao - Suspensao")),
        field("Exercicio_Anterior_Grupo_A", shownX()),
        field("Exercicio_Anterior_Grupo_B", shownX()),
        field("Exercicio_Anterior_Nao_Trib", shownX()),
        field("Enderecados_ao_Contribuinte", shownX().label("可函致納稅人 Enderecados ao contribuinte")),
        field("Enderecados_ao_ACT", shownX().label("可函致核數師/會計師/專業會計員 Enderecados ao auditor/contabilista/tecnico de contas")),
        field("Acomp_Anexos_A_B", shownX().label("附列文件 Doc. que acompanham - 財務報表(附件A及B) Demonstracoes financeirus (Anexos A e B)")),
        field("Acomp_M3", shownX().label("附列文件 Doc. que acompanham - M/3攤折表 Mapas de depreciacoes e amortizacoes (M/3)")),
        field("Acomp_M3A", shownX().label("附列文件 Doc. que acompanham - M/3A變賣及報銷明細表 Discriminacao dos elementos alienados e abatidos (M/3A)")),
        field("Acomp_M4", shownX().label("附列文件 Doc. que acompanham - M/4備用金變動表 Mapas de movimento das provisoes (M/4)")),
        field("Acomp_Balancetes", shownX().label("附列文件 Doc. que acompanham - 試算表 Balanceies")),
        field("Acomp_Rel_Tecnico", shownX().label("附列文件 Doc. que acompanham - 技術報告書 Relatorio tecnico")),
        field("Acomp_Acta_da_Aprovacao", shownX().label("附列文件 Doc. que acompanham - 通過帳目之會議紀錄 Copia da acta da aprovacao de contas")),
        field("Acomp_Parecer_Conelho_Fiscal", shownX().label("附列文件 Doc. que acompanham - 監事會意見書 Parecer do conselho Fiscal")),
        field("Acomp_Rel_Auditoria", shownX().label("附列文件 Doc. que acompanham - 核數報告 Relatorio de auditoria")),
        field("Acomp_Outros_1", shownX().label("附列文件 Doc. que acompanham - 其他 Outros (1)")),
        field("Acomp_Outros_2", shownX().label("附列文件 Doc. que acompanham - 其他 Outros (2)")),
        field("Acomp_Outros_1_Desc", text(55).label("附列文件 Doc. que acompanham - 其他 Outros (1)")),
        field("Acomp_Outros_2_Desc", text(55).label("附列文件 Doc. que acompanham - 其他 Outros (2)")),
        field("overflow_fields", calcText(1000)),
    };
}

Table m1p2()
{
    return {
        field("r1_mop", sum()),
        series("R%d_Mop", 2, 13, amount()),
        group(14, 20, {{"R%d_Desc", text(150)}, {"R%d_Mop", amount()}}),
        field("r21_mop", sum()),
        series("R%d_Mop", 22, 26, amount()),
        group(27, 31, {{"R%d_Desc", text(150)}, {"R%d_Mop", amount()}}),
        field("r32_mop", sum()),
        series("R%d_Mop", 33, 34, amount()),
        group(1, 3, {{"R35_%d_Desc", text(30)}, {"R35_%d_Mop", amount()}}),
        field("r36_mop", sum()),
        field("PC_de_Reducao", currency().edit(";;")),
        field("overflow_fields", calcText(1000)),
    };
}

Table m1p3()
{
    return {
        field("Data_Deli_Assem_Geral", date()),
        field("Dis_Div_Lucros_Periodo", text(30)),
        field("Div_Lucros_Antes_Imposto", shownX()),
        field("Div_Lucros_Depois_Imposto", shownX()),
        group(1, 8, {{"Nome_Desig_Bene_R%d", text(100)},
                     {"Tipo_Doc_ID_R%d", text(30)},
                     {"Tipo_Soc_No_Reg_Com_R%d", text(30)},
                     {"Div_Lucros_Mop_R%d", amount()}}),
        field("div_lucros_mop_total", sum()),
        field("Regime_Prep_Doc_Fin_NRF", shownX()),
        field("Regime_Prep_Doc_Fin_NSRF", shownX()),
        field("Lingua_Reg_Con_Chines", shownX()),
        field("Lingua_Reg_Con_Portugues", shownX()),
        field("Lingua_Reg_Con_Ingles", shownX()),
        field("Lingua_Reg_Con_Outro", shownX()),
        field("Lingua_Reg_Con_Outro_Desc", text(50)),
        field("Moeda_Reg_Con_Mop", shownX()),
        field("Moeda_Reg_Con_HKD", shownX()),
        field("Moeda_Reg_Con_RMB", shownX()),
        field("Moeda_Reg_Con_USD", shownX()),
        field("Moeda_Reg_Con_Outro", shownX()),
        field("Moeda_Reg_Con_Outro_Desc", text(20)),
        field("Nome_Aud_Cont", text(100)),
        field("Num_Cartao_Prof_Tervask", text(30)),
        field("Tel_Aud_Cont", text(30)),
        field("Fax_Aud_Cont", text(30)),
        field("Data_Assi_Aud_Cont", date()),
        field("Assinatura_Contrib", shownX()),
        field("Assinatura_Rep_Legal", shownX()),
        field("Data_Assi_Contrib", date()),
        field("overflow_fields", calcText(1000)),
    };
}

}  // namespace

std::vector<NamedTable> m1Tables()
{
    return {{"cdsM1P1", m1p1()}, {"cdsM1P2", m1p2()}, {"cdsM1P3", m1p3()}};
}

}  // namespace catalogue
