// Handlers shared by the form pages, and the two small formatting routines of the report forms.
#include "core/module/TdmMain.h"

#include "core/util/Clock.h"
#include "core/util/Messages.h"
#include "platform/data/DisplayFormat.h"

namespace {

// Auto-increment keys are numbered by the dataset at post and 64-bit integers stay null.
bool zeroedWhenNull(const qx::Field& field)
{
    return field.isData()
           && (field.dataType() == qx::FieldType::Currency || field.dataType() == qx::FieldType::Integer);
}

// The typed empty value of a new record's data field; null for dates, keys and 64-bit integers.
qx::Value emptyValueOf(qx::FieldType type)
{
    switch (type) {
    case qx::FieldType::String: return QString(QLatin1String(""));
    case qx::FieldType::Integer: return std::int32_t{0};
    case qx::FieldType::Boolean: return false;
    case qx::FieldType::Currency: return qx::Currency();
    case qx::FieldType::LargeInt:
    case qx::FieldType::Date:
    case qx::FieldType::DateTime:
    case qx::FieldType::AutoInc: break;
    }
    return {};
}

}  // namespace

void TdmMain::cdsM1P1BeforePost(qx::ClientDataSet& dataSet)
{
    ZeroNullNumbers(dataSet);
}

void TdmMain::ZeroNullNumbers(qx::ClientDataSet& dataSet)
{
    if (!dataSet.editing())
        return;
    for (int i = 0; i < dataSet.fieldCount(); ++i) {
        qx::Field& f = dataSet.field(i);
        if (zeroedWhenNull(f) && f.isNull())
            f.setValue(emptyValueOf(f.dataType()));
    }
}

void TdmMain::cdsM1P1AfterPost(qx::ClientDataSet& dataSet)
{
    CheckForms(&dataSet);
}

void TdmMain::cdsM1P1BeforeCancel(qx::ClientDataSet& dataSet)
{
    if (dataSet.state() != qx::DataSetState::Edit || CancelQuestionSuppressed())
        return;
    const int answer = ShowMultiLangMsg(
        QStringLiteral("是否取消所有尚未確定更改?"),
        QStringLiteral("Confirma que desiste de todas as alterações inseridas até ao momento?"), QString(),
        dtQuestion, QStringLiteral("DM-016"));
    if (answer != mrYes)
        throw qx::SilentAbort();
}

void TdmMain::CancelWithoutQuestion(qx::ClientDataSet& dataSet)
{
    if (!dataSet.editing())
        return;
    SuppressCancelQuestion quiet(*this);
    dataSet.cancel();
}

void TdmMain::InitRecordFields(qx::ClientDataSet& dataSet)
{
    for (int i = 0; i < dataSet.fieldCount(); ++i) {
        qx::Field& f = dataSet.field(i);
        if (!f.isData())
            continue;
        f.clear();
        const qx::Value empty = emptyValueOf(f.dataType());
        if (!qx::isNull(empty))
            f.setValue(empty);
    }
}

void TdmMain::cdsPrnSetupBeforePost(qx::ClientDataSet& dataSet)
{
    dataSet.fieldByName(u"Update_Time").setAsDateTime(Now());
}

int TdmMain::GetCodeFontSize(const QString& text)
{
    return text.trimmed().size() < 4 ? 8 : 6;
}

QString TdmMain::FormatMopText(qx::Currency value)
{
    return qx::formatNumber(QStringLiteral(",0\" \";\"(\",0\")\";\"--- \""), value);
}
