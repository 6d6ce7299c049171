// Field lookup by name: letter case ignored, in every string form, for short ASCII names and
// for the rest; a name that only shares a prefix or a hash is not found.
#include "ClientDataSetTestSupport.h"

#include <gtest/gtest.h>

namespace {

using qx::ClientDataSet;
using qx::FieldType;
using qxtest::def;

class FieldLookup : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<qx::FieldDef> defs;
        for (int i = 1; i <= 300; ++i)  // enough names for collisions in any table
            defs.push_back(def(QStringLiteral("R%1_Mop").arg(i).toLatin1().constData(), FieldType::Currency));
        defs.push_back(def("1_R1_Col1_Mop", FieldType::Currency));
        qx::FieldDef accented = def("x", FieldType::String, 10);
        accented.name = QStringLiteral("Descrição_Mop");
        defs.push_back(accented);
        qx::FieldDef kelvin = def("x", FieldType::String, 10);
        kelvin.name = QStringLiteral("\u212A_Mop");  // KELVIN SIGN: lower case is an ASCII k
        defs.push_back(kelvin);
        defs.push_back(def(QString(70, QLatin1Char('L')).toLatin1().constData(), FieldType::Integer));
        ds.setFieldDefs(std::move(defs));
    }

    int indexOf(QAnyStringView name) const
    {
        const qx::Field* f = ds.findField(name);
        return f ? f->index() : -1;
    }

    ClientDataSet ds{QStringLiteral("cdsLookup")};
};

TEST_F(FieldLookup, EveryNameIsFoundInAnyCaseAndStringForm)
{
    for (int i = 0; i < ds.fieldCount(); ++i) {
        const QString& name = ds.field(i).fieldName();
        EXPECT_EQ(indexOf(name), i) << name.toStdString();
        EXPECT_EQ(indexOf(name.toUpper()), i) << name.toStdString();
        EXPECT_EQ(indexOf(name.toLower()), i) << name.toStdString();
    }
    EXPECT_EQ(indexOf(u"r17_MOP"), 16);
    EXPECT_EQ(indexOf(QLatin1String("1_r1_col1_mop")), 300);
    EXPECT_EQ(indexOf("1_R1_COL1_MOP"), 300);
    EXPECT_EQ(indexOf(u"DESCRIÇÃO_MOP"), 301);
    EXPECT_EQ(indexOf("descri\xc3\xa7\xc3\xa3o_mop"), 301);  // UTF-8
    EXPECT_EQ(indexOf("K_MOP"), 302);
    EXPECT_EQ(indexOf(QString(70, QLatin1Char('l'))), 303);
}

TEST_F(FieldLookup, NearNamesAreNotFound)
{
    for (const char* name : {"R0_Mop", "R301_Mop", "R1_Mo", "R1_Mop_", "", "_", "R1 Mop", "Descricao_Mop"})
        EXPECT_EQ(indexOf(name), -1) << name;
    EXPECT_EQ(indexOf(QString(69, QLatin1Char('L'))), -1);
    EXPECT_EQ(indexOf(QString(71, QLatin1Char('L'))), -1);
    EXPECT_THROW(ds.fieldByName(u"R1_Mopp"), qx::DataSetError);
}

TEST_F(FieldLookup, NamesDefinedAnewReplaceTheOldOnes)
{
    const std::uint64_t before = ds.fieldsStamp();
    ds.setFieldDefs({def("Only_Mop", FieldType::Currency)});
    EXPECT_NE(ds.fieldsStamp(), before);
    EXPECT_EQ(indexOf("R1_Mop"), -1);
    EXPECT_EQ(indexOf("ONLY_mop"), 0);
    ClientDataSet other{QStringLiteral("cdsOther")};
    EXPECT_NE(other.fieldsStamp(), ds.fieldsStamp());
    ds.setFieldDefs({});
    EXPECT_EQ(indexOf("Only_Mop"), -1);
}

}  // namespace
