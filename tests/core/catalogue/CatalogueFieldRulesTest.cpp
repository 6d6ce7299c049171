// Rules every field of the catalogue keeps: names by kind, widths, patterns, twins, and the
// particular fields whose type or look differ from the rest.
#include "core/catalogue/FieldCatalogue.h"
#include "core/catalogue/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>
#include <optional>

using qx::Alignment;
using qx::FieldDef;
using qx::FieldKind;
using qx::FieldType;

namespace {

const QString kAmountDisplay = QStringLiteral(R"x(,0" ";"(",0")";"--- ")x");

// Calls `check` for every field of every dataset, with the dataset's name in the trace.
template <typename Check>
void forEveryField(Check check)
{
    for (const QString& ds : CatalogueDataSetNames()) {
        SCOPED_TRACE(qPrintable(ds));
        for (const FieldDef& f : CatalogueFields(ds)) {
            SCOPED_TRACE(qPrintable(f.name));
            check(ds, f);
        }
    }
}

std::optional<FieldDef> fieldOf(const char* dataSet, const char* name)
{
    for (const FieldDef& f : CatalogueFields(QString::fromLatin1(dataSet)))
        if (f.name == QString::fromLatin1(name))
            return f;
    return std::nullopt;
}

FieldDef require(const char* dataSet, const char* name)
{
    const std::optional<FieldDef> f = fieldOf(dataSet, name);
    EXPECT_TRUE(f.has_value()) << dataSet << " has no " << name;
    return f.value_or(FieldDef{});
}

// Names of amounts; Moeda_Reg_Con_Mop is the check box "kept in MOP", not an amount.
bool isAmountName(const QString& name)
{
    static const QRegularExpression amount(QStringLiteral("(_mop|_per_ant|_sum|_ttl)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return amount.match(name).hasMatch() && name != QLatin1String("Moeda_Reg_Con_Mop");
}

}  // namespace

TEST(CatalogueFieldRules, NamesAreUniqueIgnoringCase)
{
    for (const QString& ds : CatalogueDataSetNames()) {
        QSet<QString> seen;
        for (const FieldDef& f : CatalogueFields(ds)) {
            EXPECT_FALSE(seen.contains(f.name.toLower())) << qPrintable(ds) << " repeats " << qPrintable(f.name);
            seen.insert(f.name.toLower());
        }
    }
}

TEST(CatalogueFieldRules, InputsAreCapitalisedAndCalculatedFieldsLowerCase)
{
    // An input begins with an upper-case letter, after a table number where it has one; the
    // aggregates (COL1_TTL ...) are neither and keep their upper-case names.
    static const QRegularExpression input(QStringLiteral("^(\\d+_)?[A-Z][A-Za-z0-9_]*$"));
    static const QRegularExpression calculated(QStringLiteral("^[a-z0-9_]+$"));
    static const QRegularExpression aggregate(QStringLiteral("^COL\\d+_TTL$"));
    forEveryField([](const QString&, const FieldDef& f) {
        switch (f.kind) {
        case FieldKind::Data: EXPECT_TRUE(input.match(f.name).hasMatch()); break;
        case FieldKind::Calculated: EXPECT_TRUE(calculated.match(f.name).hasMatch()); break;
        case FieldKind::Aggregate: EXPECT_TRUE(aggregate.match(f.name).hasMatch()); break;
        }
    });
}

TEST(CatalogueFieldRules, EveryTextHasAWidthAndNothingElseHasOne)
{
    forEveryField([](const QString&, const FieldDef& f) {
        if (f.type == FieldType::String)
            EXPECT_GT(f.size, 0);
        else
            EXPECT_EQ(f.size, 0);
    });
}

TEST(CatalogueFieldRules, EveryAmountShowsAndEditsLikeTheForms)
{
    int amounts = 0;
    forEveryField([&](const QString&, const FieldDef& f) {
        if (!isAmountName(f.name))
            return;
        ++amounts;
        EXPECT_EQ(f.type, FieldType::Currency);
        EXPECT_EQ(f.displayFormat, kAmountDisplay);
        // The aggregates and the calculated iv_r214_mop have no edit pattern of their own.
        if (f.kind == FieldKind::Aggregate || f.name == QLatin1String("iv_r214_mop")) {
            EXPECT_TRUE(f.editFormat.isEmpty());
        } else {
            EXPECT_EQ(f.editFormat, QLatin1String("0"));
        }
    });
    EXPECT_GT(amounts, 900);
}

TEST(CatalogueFieldRules, PreviousPeriodTwinFollowsItsFieldWithTheSameTypeAndKind)
{
    for (const QString& ds : CatalogueDataSetNames()) {
        const std::vector<FieldDef> fields = CatalogueFields(ds);
        for (size_t i = 0; i < fields.size(); ++i) {
            const FieldDef& twin = fields[i];
            if (!twin.name.endsWith(QLatin1String("_per_ant"), Qt::CaseInsensitive))
                continue;
            SCOPED_TRACE(qPrintable(ds + QLatin1Char('.') + twin.name));
            ASSERT_GT(i, 0u);
            const FieldDef& current = fields[i - 1];
            EXPECT_EQ(current.name.toLower() + QLatin1String("_per_ant"), twin.name.toLower());
            EXPECT_EQ(current.type, twin.type);
            // The suffix follows the twin's own kind; only a few current values are computed
            // while their previous-period twin is typed in.
            EXPECT_TRUE(twin.name.endsWith(twin.kind == FieldKind::Data ? QLatin1String("_Per_Ant")
                                                                        : QLatin1String("_per_ant")));
            if (current.kind == FieldKind::Data) {
                EXPECT_EQ(twin.kind, FieldKind::Data);
            }
        }
    }
    // A computed current value with a typed-in previous value.
    EXPECT_EQ(require("cdsAnexoAP2", "iv_r214_mop").kind, FieldKind::Calculated);
    EXPECT_EQ(require("cdsAnexoAP2", "IV_R214_Mop_Per_Ant").kind, FieldKind::Data);
    EXPECT_FALSE(fieldOf("cdsAnexoAP2", "IV_R214_Mop").has_value());
}

TEST(CatalogueFieldRules, OverflowListCanNameEveryCalculatedAmountOfItsRecord)
{
    for (const QString& ds : CatalogueDataSetNames()) {
        int needed = 0;
        std::optional<FieldDef> overflow;
        for (const FieldDef& f : CatalogueFields(ds)) {
            if (f.kind == FieldKind::Calculated && f.type == FieldType::Currency)
                needed += f.name.size() + 2;  // "/" + name + "/"
            if (f.name == QLatin1String("overflow_fields"))
                overflow = f;
        }
        SCOPED_TRACE(qPrintable(ds));
        if (needed == 0)
            continue;
        ASSERT_TRUE(overflow.has_value());
        EXPECT_EQ(overflow->kind, FieldKind::Calculated);
        EXPECT_EQ(overflow->type, FieldType::String);
        EXPECT_GE(overflow->size, needed);
    }
    EXPECT_EQ(require("cdsM3VCLF", "overflow_fields").size, 200);
    EXPECT_EQ(require("cdsM4P1", "overflow_fields").size, 1000);
}

TEST(CatalogueFieldRules, CheckBoxesShowXExceptTheRateTableHeadingFlag)
{
    int boxes = 0;
    forEveryField([&](const QString& ds, const FieldDef& f) {
        if (f.type != FieldType::Boolean)
            return;
        if (ds == QLatin1String("cdsTaxMaxReintAmor")) {
            EXPECT_TRUE(f.displayValues.isEmpty());
            return;
        }
        ++boxes;
        EXPECT_EQ(f.displayValues, QLatin1String("X;"));
    });
    EXPECT_EQ(boxes, 23 + 15 + 4 + 2 * 3);  // M/1 front, M/1 back, Anexo A, Anexo B fronts
}

TEST(CatalogueFieldRules, AggregatesOnlyInTheAssetListsWithTheirSums)
{
    forEveryField([](const QString& ds, const FieldDef& f) {
        if (f.kind == FieldKind::Aggregate) {
            EXPECT_TRUE(ds == QLatin1String("cdsM3VCLF") || ds == QLatin1String("cdsM3AAli")
                        || ds == QLatin1String("cdsM3AAba"));
            EXPECT_TRUE(f.expression.startsWith(QLatin1String("sum("), Qt::CaseInsensitive));
        } else {
            EXPECT_TRUE(f.expression.isEmpty());
        }
    });
    EXPECT_EQ(require("cdsM3VCLF", "COL3_TTL").expression, QLatin1String("sum(col1_mop-col2_mop)"));
    EXPECT_EQ(require("cdsM3VCLF", "COL8_TTL").expression,
              QLatin1String("sum(Col1_Mop-Col2_Mop - Col4_Mop-Col5_Mop+Col6_Mop)"));
    EXPECT_EQ(require("cdsM3AAli", "COL8_TTL").expression, QLatin1String("SUM(Col3_Mop+Col4_Mop-Col2_Mop-Col5_Mop)"));
    EXPECT_EQ(require("cdsM3AAba", "COL7_TTL").expression, QLatin1String("SUM(Col2_Mop-Col4_Mop-Col1_Mop+Col3_Mop)"));
}

TEST(CatalogueFieldRules, StoredNamesKeepTheirOriginalSpelling)
{
    // Files written by earlier versions carry these names; a corrected spelling would lose data.
    EXPECT_TRUE(fieldOf("cdsAnexoAP1", "Criteiro_Val_Inv_Cust_Padrao").has_value());
    EXPECT_FALSE(fieldOf("cdsAnexoAP1", "Criterio_Val_Inv_Cust_Padrao").has_value());
    EXPECT_TRUE(fieldOf("cdsM1P1", "Acomp_Parecer_Conelho_Fiscal").has_value());
    EXPECT_FALSE(fieldOf("cdsM1P1", "Acomp_Parecer_Conselho_Fiscal").has_value());
}

TEST(CatalogueFieldRules, LabelsNameTheFieldsInBothLanguages)
{
    EXPECT_EQ(require("cdsPrnSetup", "Computer_Name").displayLabel, QStringLiteral("電腦 Computador"));
    EXPECT_EQ(require("cdsPrnSetup", "Printer_Name").displayLabel, QStringLiteral("印表機 Impressora"));
    EXPECT_EQ(require("cdsM1P1", "No_Contribuinte").displayLabel, QStringLiteral("納稅人編號 No. de contribuinte"));
    EXPECT_EQ(require("cdsM1P1", "Tipo_Contribuinte_Outros").displayLabel,
              QStringLiteral("納稅人類別 Tipo de contribuinte - 其怹 Outros"));
    // Both the box and the text of an "other document" are named alike.
    EXPECT_EQ(require("cdsM1P1", "Acomp_Outros_1").displayLabel, require("cdsM1P1", "Acomp_Outros_1_Desc").displayLabel);
    EXPECT_TRUE(require("cdsM1P1", "Exercicio_Anterior_Grupo_A").displayLabel.isEmpty());
    int labelled = 0;
    forEveryField([&](const QString&, const FieldDef& f) { labelled += !f.displayLabel.isEmpty(); });
    EXPECT_EQ(labelled, 2 + 46);
}

TEST(CatalogueFieldRules, FieldsWithTheirOwnTypeOrPatterns)
{
    const FieldDef taxNo = require("cdsM1P1", "No_Contribuinte");
    EXPECT_EQ(taxNo.type, FieldType::Integer);
    EXPECT_EQ(taxNo.displayFormat, QLatin1String("00000000;00000000;#"));
    EXPECT_EQ(taxNo.editFormat, QLatin1String("00000000"));
    EXPECT_EQ(taxNo.maxValue, 99999999);

    const FieldDef year = require("cdsM1P1", "Ano_Exercicio");
    EXPECT_EQ(year.displayFormat, QLatin1String("0000"));
    EXPECT_EQ(year.editFormat, QLatin1String("0000"));

    for (const char* ds : {"cdsAnexoBP1", "cdsAnexoBSegP1", "cdsAnexoBBankP1"}) {
        SCOPED_TRACE(ds);
        const FieldDef f = require(ds, "II_B_IV");
        EXPECT_EQ(f.type, FieldType::LargeInt);
        EXPECT_EQ(f.editFormat, QLatin1String("0"));
        EXPECT_EQ(require(ds, "II_B_II").type, FieldType::Date);
        EXPECT_EQ(require(ds, "II_B_VI").type, FieldType::Currency);
    }
    EXPECT_EQ(require("cdsAnexoBP1", "II_B_IV").displayFormat, QLatin1String(R"(,0;,0;"---")"));
    EXPECT_EQ(require("cdsAnexoBBankP1", "II_B_IV").displayFormat, kAmountDisplay);

    const FieldDef reduction = require("cdsM1P2", "PC_de_Reducao");
    EXPECT_EQ(reduction.type, FieldType::Currency);
    EXPECT_TRUE(reduction.displayFormat.isEmpty());
    EXPECT_EQ(reduction.editFormat, QLatin1String(";;"));

    EXPECT_EQ(require("cdsM3VCLF", "DA_Taxas").displayFormat, QLatin1String(R"(,0.00"%";,0.00"%";"-")"));
    EXPECT_EQ(require("cdsM3VCLF", "DA_Taxas").editFormat, QLatin1String("0.00"));
    EXPECT_EQ(require("cdsTaxMaxReintAmor", "Taxa").displayFormat, QLatin1String(R"(,0.00"%";,0.00"%";" ")"));
    EXPECT_EQ(require("cdsTaxMaxReintAmor", "No_de_Anos").type, FieldType::Currency);
    EXPECT_EQ(require("cdsPrnSetup", "Left_Margin").displayFormat, QLatin1String(",0.00"));
    EXPECT_EQ(require("cdsPrnSetup", "Update_Time").type, FieldType::DateTime);

    for (const char* ds : {"cdsM3VCLF", "cdsM3Obs", "cdsM3AAli", "cdsM3AAba", "cdsM3AObs"})
        EXPECT_EQ(require(ds, "Rec_AID").type, FieldType::AutoInc) << ds;
    EXPECT_EQ(require("cdsM3Obs", "pag_num").kind, FieldKind::Calculated);
}

TEST(CatalogueFieldRules, CentredWhereTheFormsCentreThemAndNumbersRightAligned)
{
    const QSet<QString> centred = {
        "cdsAlert.Alert_Type",      "cdsAlert.Alert_Type_Chn",   "cdsAlert.Alert_Type_Por",
        "cdsAlert.Msg_Code",        "cdsTaxMaxReintAmor.Taxa",   "cdsTaxMaxReintAmor.No_de_Anos",
        "cdsM3P1.total_pag",        "cdsM3P1.last_face",         "cdsM3VCLF.Ano_Aqu",
        "cdsM3VCLF.Mes_Ini_de_Util", "cdsM3VCLF.DA_Taxas",       "cdsM3VCLF.DA_Meses",
        "cdsM3AAli.Ano_Aqu",        "cdsM3AAli.Mes_Venda",       "cdsM3AAli.ali_total_pag",
        "cdsM3AAli.m3a_total_pag",  "cdsM3AAba.Codigo",          "cdsM3AAba.Ano_Aqu",
        "cdsM3AAba.Mes_Abate",
    };
    forEveryField([&](const QString& ds, const FieldDef& f) {
        if (centred.contains(ds + QLatin1Char('.') + f.name))
            EXPECT_EQ(f.alignment, Alignment::Center);
        else if (f.type == FieldType::String || f.type == FieldType::Boolean || f.type == FieldType::Date
                 || f.type == FieldType::DateTime)
            EXPECT_EQ(f.alignment, Alignment::Left);
        else
            EXPECT_EQ(f.alignment, Alignment::Right);
    });
}
