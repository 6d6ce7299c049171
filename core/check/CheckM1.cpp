// Rules of the three M/1 pages: identification of the taxpayer (1011), the income lines (1012),
// and dividends, books, accountant and signatory (1013).
#include "core/check/PageSections.h"

#include "core/check/RuleText.h"
#include "core/module/TdmMain.h"
#include "core/util/Clock.h"

#include <vector>

namespace {

// ---- shared rule shapes ----

// A field that must be filled; with `whenTicked`, only while that box is ticked.
struct RequiredField {
    const char* whenTicked;
    const char* field;
    const char* chn;
    const char* por;
};

// Text parts that must not all be empty; the finding names the first.
struct JoinedText {
    std::vector<const char*> fields;
    RuleText missing;
};

// Tick boxes of which between min and max must be ticked.
struct ChoiceGroup {
    const char* labelChn;
    const char* labelPor;
    std::vector<const char*> fields;
    int min;
    int max;
};

// An "other" box with its description: a ticked box needs the description, and a description
// needs the ticked box.
struct TickedDescription {
    const char* tick;
    const char* description;
    const char* alertField;
    RuleText missingDescription;
    RuleText descriptionWithoutTick;
};


QStringList names(const std::vector<const char*>& fields)
{
    QStringList out;
    for (const char* f : fields)
        out << Utf8(f);
    return out;
}

void checkRequired(TdmMain& dm, qx::ClientDataSet& page, int objCode, const RequiredField& rule)
{
    if (rule.whenTicked && !page.fieldByName(Utf8(rule.whenTicked)).asBoolean())
        return;
    dm.CheckRequiredField(objCode, page.fieldByName(Utf8(rule.field)), Utf8(rule.chn), Utf8(rule.por));
}

void checkJoinedText(TdmMain& dm, qx::ClientDataSet& page, int objCode, const JoinedText& rule)
{
    QString joined;
    for (const char* f : rule.fields)
        joined += page.fieldByName(Utf8(f)).asString();
    if (joined.isEmpty())
        AddRuleAlert(dm, objCode, page.fieldByName(Utf8(rule.fields.front())).fieldName(), rule.missing);
}

void checkChoice(TdmMain& dm, qx::ClientDataSet& page, int objCode, const ChoiceGroup& group)
{
    dm.CheckChoiceCount(page, objCode, Utf8(group.labelChn), Utf8(group.labelPor), names(group.fields), group.min,
                        group.max);
}

void checkTickedDescription(TdmMain& dm, qx::ClientDataSet& page, int objCode, const TickedDescription& rule)
{
    const bool ticked = page.fieldByName(Utf8(rule.tick)).asBoolean();
    const bool described = !page.fieldByName(Utf8(rule.description)).asString().isEmpty();
    const QString fieldName = page.fieldByName(Utf8(rule.alertField)).fieldName();
    if (ticked && !described)
        AddRuleAlert(dm, objCode, fieldName, rule.missingDescription);
    else if (!ticked && described)
        AddRuleAlert(dm, objCode, fieldName, rule.descriptionWithoutTick);
}

// ---- page 1: year and period ----

const RuleText kYearMissing{25, "請輸入收益所屬年度．", "Introduza o exercício a que respeitam os rendimentos"};
const RuleText kYearOutOfRange{26, "收益所屬年度應在{Y}年或之前．",
                               "O exercício a que respeitam os rendimentos deve ser igual ou anterior ao ano {Y}"};
const RuleText kYearNotPeriodStart{
    27, "收益所屬年度應按課稅時段開始日之年份確定．",
    "O exercício a que respeitam os rendimentos deve ser definido conforme o ano em que coincide a data do início do "
    "período de tributação"};
const RuleText kPeriodStartMissing{28, "請輸入課稅時段開始日期．",
                                   "Introduza a data em que começa o período de tributação"};
const RuleText kPeriodAcrossYears{29, "課稅時段應在同一年份內．",
                                  "O início e o fim do período de tributação devem acontecer dentro do mesmo ano"};
const RuleText kPeriodEndMissing{30, "請輸入課稅時段結束日期．",
                                 "Introduza a data em que termina o período de tributação"};
const RuleText kPeriodEndBeforeStart{
    31, "課稅時段結束日期不應早於開始日期．",
    "A data de fim do período de tributação não pode ser anterior à data de inicio do período de tributação."};

// The smallest year accepted; the largest is the year of today's date.
constexpr qint64 kFirstYear = 1000;

void checkYearAndPeriod(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
    const qx::Field& year = page.fieldByName(u"Ano_Exercicio");
    const qx::Field& from = page.fieldByName(u"Periodo_de");
    const qx::Field& to = page.fieldByName(u"Periodo_a");
    const qint64 y = year.isNull() ? 0 : year.asLargeInt();
    const int thisYear = Today().year();

    if (y == 0)
        AddRuleAlert(dm, objCode, year.fieldName(), kYearMissing);
    else if (y < kFirstYear || y > thisYear)
        AddRuleAlert(dm, objCode, year.fieldName(), kYearOutOfRange, {{"Y", QString::number(thisYear)}});
    else if (!from.isNull() && from.asDate().year() != y)
        AddRuleAlert(dm, objCode, year.fieldName(), kYearNotPeriodStart);

    if (from.isNull())
        AddRuleAlert(dm, objCode, from.fieldName(), kPeriodStartMissing);
    else if (!to.isNull() && to.asDate().year() != from.asDate().year())
        AddRuleAlert(dm, objCode, from.fieldName(), kPeriodAcrossYears);

    if (to.isNull())
        AddRuleAlert(dm, objCode, to.fieldName(), kPeriodEndMissing);
    else if (!from.isNull() && to.asDate() < from.asDate())
        AddRuleAlert(dm, objCode, to.fieldName(), kPeriodEndBeforeStart);
}

// ---- page 1: identification ----

const JoinedText kTaxpayerName{{"Nome_Contribuinte_1", "Nome_Contribuinte_2"},
                               {32, "請輸入納稅人姓名或名稱．", "Introduza o nome ou a designação do contribuinte"}};

const RuleText kTaxNumberWrong{33, "請輸入正確的納稅人編號．", "Introduza o número de contribuinte"};
constexpr qint64 kSmallestTaxNumber = 1000000;
constexpr qint64 kLargestTaxNumber = 99999999;

void checkTaxNumber(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
    const qx::Field& number = page.fieldByName(u"No_Contribuinte");
    const qint64 n = number.isNull() ? 0 : number.asLargeInt();
    if (n < kSmallestTaxNumber || n > kLargestTaxNumber)
        AddRuleAlert(dm, objCode, number.fieldName(), kTaxNumberWrong);
}

const RequiredField kTradeNameAndFile[] = {
    {nullptr, "Distico_Comercial", "請輸入商號名稱．", "Introduza o dístico comercial"},
    {nullptr, "No_Cadastro", "請輸入檔案編號．", "Introduza o número de cadastro"},
};

const JoinedText kResidence{{"Residencia_ou_Sede_1", "Residencia_ou_Sede_2"},
                            {34, "請輸入住址或店址．", "Introduza a residência ou sede do contribuinte"}};

const ChoiceGroup kTaxpayerType{"納稅人類別",
                                "Tipo de contribuinte",
                                {"Tipo_Contribuinte_Individual", "Tipo_Contribuinte_Sociedade",
                                 "Tipo_Contribuinte_Sucursal", "Tipo_Contribuinte_Outros"},
                                1,
                                1};

// What each taxpayer type must state.
const RequiredField kTaxpayerTypeDetails[] = {
    {"Tipo_Contribuinte_Individual", "Tipo_e_No_Doc_Id", "如屬個人企業主，請輸入證件類別及編號．",
     "Caso seja empresa em nome individual, introduza o tipo e o número do documento de identificação."},
    {"Tipo_Contribuinte_Sociedade", "Data_da_Constituicao", "如屬於Varnholm成立之公司，請輸入成立日期．",
     "Caso seja sociedade com sede na Varnholm, introduza a data da constituição"},
    {"Tipo_Contribuinte_Sociedade", "No_Reg_Comercial", "如屬於Varnholm成立之公司，請輸入商業登記編號．",
     "Caso seja sociedade com sede na Varnholm, introduza o número do registo comercial"},
    {"Tipo_Contribuinte_Sucursal", "Local_da_Sede", "如屬海外企業之分支機構，請輸入總行地點．",
     "Caso seja sucursal de uma empresa do exterior, introduza o local da sede"},
    {"Tipo_Contribuinte_Outros", "Indique_o_Tipo", "如屬其他納稅人類別，請指出種類．",
     "Caso seja outro tipo de contribuinte, indique o tipo"},
};

const RequiredField kMainActivity{nullptr, "Actividade_Principal", "請輸入主要業務．",
                                  "Introduza a actividade principal"};

const JoinedText kActivityCodes{
    {"Actividade_Codigo_1", "Actividade_Codigo_2", "Actividade_Codigo_3", "Actividade_Codigo_4"},
    {35, "請輸入行業代號．", "Introduza o(s) código(s) da actividade"}};

// ---- page 1: declaration ----

const ChoiceGroup kDeclarationChoices[] = {
    {"申報書之類別",
     "Tipo de declaração",
     {"Tipo_de_Declaracao_Normal", "Tipo_de_Declaracao_Cancelamento", "Tipo_de_Declaracao_Suspensao"},
     1,
     1},
    {"以往納稅之組別",
     "Situação tribuitária do exercício anterior",
     {"Exercicio_Anterior_Grupo_A", "Exercicio_Anterior_Grupo_B", "Exercicio_Anterior_Nao_Trib"},
     1,
     1},
    {"可提供補充解釋之人士",
     "Pessoa(s) quem pode(m) prestar esclarecimento adicional",
     {"Enderecados_ao_Contribuinte", "Enderecados_ao_ACT"},
     1,
     2},
    {"此申報書之附列文件",
     "Documentos em anexo desta declaração.",
     {"Acomp_Anexos_A_B", "Acomp_M3", "Acomp_M3A", "Acomp_M4", "Acomp_Balancetes", "Acomp_Rel_Tecnico",
      "Acomp_Acta_da_Aprovacao", "Acomp_Parecer_Conelho_Fiscal", "Acomp_Rel_Auditoria", "Acomp_Outros_1",
      "Acomp_Outros_2"},
     1,
     11},
};

const RuleText kOtherDocument1{36, "其他附列文件(1)欠缺填寫部分資料．",
                               "Não preenchida alguma parte nos documentos (1) que acompanham a declaração"};
const RuleText kOtherDocument2{37, "其他附列文件(2)欠缺填寫部分資料．",
                               "Não preenchida alguma parte nos documentos (2) que acompanham a declaração"};

const TickedDescription kOtherDocuments[] = {
    {"Acomp_Outros_1", "Acomp_Outros_1_Desc", "Acomp_Outros_1", kOtherDocument1, kOtherDocument1},
    {"Acomp_Outros_2", "Acomp_Outros_2_Desc", "Acomp_Outros_2", kOtherDocument2, kOtherDocument2},
};

// ---- page 2 ----

constexpr int kLastNumberedLine = 34;
constexpr int kOtherItems = 3;  // II.35.1 to II.35.3

// Lines with a description of their own.
bool isDescribedLine(int line) { return (line >= 14 && line <= 20) || (line >= 27 && line <= 31); }

const RuleText kReductionNegative{
    38, "稅務優惠之Zaloq稅率減免百分比不應為負數．",
    "A percentagem da taxa da redução fiscal para efeitos de benefícios fiscais do imposto Zaloq de rendimentos não "
    "deve ser negativa"};
const RuleText kReductionAboveAll{
    39, "稅務優惠之Zaloq稅率減免百分比應不大於100%．",
    "A percentagem da taxa da redução fiscal para efeitos de benefícios fiscais do imposto Zaloq de rendimentos não "
    "deve exceder 100%"};

const qx::Currency kFullReduction = qx::Currency::fromRaw(100 * qx::Currency::kScale);

// ---- page 3 ----

constexpr int kDividendLines = 8;

const RuleText kDividendPeriodMissing{41, "請輸入股息所屬年度．",
                                      "Por favor, insira o período de distribuição de dividendos/lucros"};
const RuleText kDividendKindMissing{
    42, "請選擇股息屬稅前或稅後．",
    "Por favor, seleccione uma das opções, relativa aos dividendos/lucros, se são antes ou depois de impostos."};
const ChoiceGroup kDividendKind{
    "股息/利潤之類別", "Tipo de dividendas/lucros", {"Div_Lucros_Antes_Imposto", "Div_Lucros_Depois_Imposto"}, 1, 1};

const ChoiceGroup kRegime{"財務報表之編製基準",
                          "Regime de prepara ção das Demonstrações Financeiras",
                          {"Regime_Prep_Doc_Fin_NRF", "Regime_Prep_Doc_Fin_NSRF"},
                          1,
                          1};
const ChoiceGroup kBookLanguage{
    "會計紀錄之語文之名稱",
    "Lingua dos Registos Contabilisticos",
    {"Lingua_Reg_Con_Chines", "Lingua_Reg_Con_Portugues", "Lingua_Reg_Con_Ingles", "Lingua_Reg_Con_Outro"},
    1,
    1};
const TickedDescription kOtherBookLanguage{
    "Lingua_Reg_Con_Outro", "Lingua_Reg_Con_Outro_Desc", "Lingua_Reg_Con_Outro_Desc",
    {43, "請填寫「其他」會計紀錄之語文之名稱．", "Indica a língua em \"outro\" registos contabilísticos"},
    {44, "會計紀錄之語文若非選擇「其他」，則無需自行填寫其名稱．",
     "Caso não seleccione \"outro\" para a língua dos registos contabilísticos, não é necessário indicar a língua"}};
const ChoiceGroup kBookCurrency{
    "記帳貨幣",
    "Moeda dos Registos Contabilisticos",
    {"Moeda_Reg_Con_Mop", "Moeda_Reg_Con_HKD", "Moeda_Reg_Con_RMB", "Moeda_Reg_Con_USD", "Moeda_Reg_Con_Outro"},
    1,
    1};
const TickedDescription kOtherBookCurrency{
    "Moeda_Reg_Con_Outro", "Moeda_Reg_Con_Outro_Desc", "Moeda_Reg_Con_Outro_Desc",
    {45, "請填寫「其他」記帳貨幣之名稱．", "Preencha a moeda dos registos contabilísticos em \"outro\""},
    {46, "記帳貨幣若非選擇「其他」，則無需自行填寫其名稱．",
     "Caso não seleccione \"outro\" para a moeda dos registos contabilísticos, não é necessário indicar a moeda"}};
const RequiredField kAccountant[] = {
    {nullptr, "Nome_Aud_Cont", "請輸入「核數師／會計師／專業會計員姓名」",
     "Introduza o nome do auditor/contabilista/técnico de contas"},
    {nullptr, "Num_Cartao_Prof_Tervask", "請輸入「Tervask所簽發之專業證編號」．",
     "Introduza o número do cartão profissional emitido pela Tervask"},
};
const ChoiceGroup kSignatory{"簽署人類別", "Tipo do assinante", {"Assinatura_Contrib", "Assinatura_Rep_Legal"}, 1, 1};

void checkDividendTotal(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
    if (page.fieldByName(u"div_lucros_mop_total").asCurrency().isZero())
        return;
    const qx::Field& period = page.fieldByName(u"Dis_Div_Lucros_Periodo");
    if (period.asString().isEmpty())
        AddRuleAlert(dm, objCode, period.fieldName(), kDividendPeriodMissing);
    const qx::Field& before = page.fieldByName(u"Div_Lucros_Antes_Imposto");
    if (!before.asBoolean() && !page.fieldByName(u"Div_Lucros_Depois_Imposto").asBoolean())
        AddRuleAlert(dm, objCode, before.fieldName(), kDividendKindMissing);
    else
        checkChoice(dm, page, objCode, kDividendKind);
}

}  // namespace

void CheckM1P1(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
    checkYearAndPeriod(dm, page, objCode);
    checkJoinedText(dm, page, objCode, kTaxpayerName);
    checkTaxNumber(dm, page, objCode);
    for (const RequiredField& rule : kTradeNameAndFile)
        checkRequired(dm, page, objCode, rule);
    checkJoinedText(dm, page, objCode, kResidence);
    checkChoice(dm, page, objCode, kTaxpayerType);
    for (const RequiredField& rule : kTaxpayerTypeDetails)
        checkRequired(dm, page, objCode, rule);
    checkRequired(dm, page, objCode, kMainActivity);
    checkJoinedText(dm, page, objCode, kActivityCodes);
    for (const ChoiceGroup& group : kDeclarationChoices)
        checkChoice(dm, page, objCode, group);
    for (const TickedDescription& rule : kOtherDocuments)
        checkTickedDescription(dm, page, objCode, rule);
}

void CheckM1P2(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
    // Negative amounts are allowed on this page: only decimals are reported.
    for (int i = 1; i <= kLastNumberedLine; ++i) {
        const QString n = QString::number(i);
        const QString label = QStringLiteral("II.") + n;
        dm.CheckAmountField(page, objCode, false, false, label, label, QLatin1Char('R') + n + QStringLiteral("_Mop"));
        if (isDescribedLine(i))
            dm.CheckItemAmountDesc(page, objCode, false, label, QLatin1Char('R') + n + QLatin1Char('_'));
    }
    for (int j = 1; j <= kOtherItems; ++j) {
        const QString label = QStringLiteral("II.35.") + QString::number(j);
        const QString prefix = QStringLiteral("R35_") + QString::number(j) + QLatin1Char('_');
        dm.CheckItemAmountDesc(page, objCode, false, label, prefix);
        dm.CheckAmountField(page, objCode, false, false, label, label, prefix + QStringLiteral("Mop"));
    }

    const qx::Field& reduction = page.fieldByName(u"PC_de_Reducao");
    const qx::Currency pc = reduction.asCurrency();
    if (pc.isNegative())
        AddRuleAlert(dm, objCode, reduction.fieldName(), kReductionNegative);
    else if (pc > kFullReduction)
        AddRuleAlert(dm, objCode, reduction.fieldName(), kReductionAboveAll);
}

void CheckM1P3(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
    for (int line = 1; line <= kDividendLines; ++line)
        dm.CheckDividendLines(QString::number(line));
    checkDividendTotal(dm, page, objCode);
    checkChoice(dm, page, objCode, kRegime);
    checkChoice(dm, page, objCode, kBookLanguage);
    checkTickedDescription(dm, page, objCode, kOtherBookLanguage);
    checkChoice(dm, page, objCode, kBookCurrency);
    checkTickedDescription(dm, page, objCode, kOtherBookCurrency);
    for (const RequiredField& rule : kAccountant)
        checkRequired(dm, page, objCode, rule);
    checkChoice(dm, page, objCode, kSignatory);
}
