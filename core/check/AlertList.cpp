// The alert list: one row per finding of the validation.
#include "core/module/TdmMain.h"

#include "core/check/AlertText.h"
#include "core/check/DisabledControls.h"
#include "core/check/StoredText.h"
#include "core/util/Clock.h"

namespace {

struct AlertTypeName {
    int type;
    const char* chn;
    const char* por;
};

const AlertTypeName kAlertTypeNames[] = {
    {10, "錯誤", "Erro"},
    {20, "提醒", "Aviso"},
    {30, "提示", "Sugestão"},
};

const AlertTypeName* alertTypeName(int type)
{
    for (const AlertTypeName& n : kAlertTypeNames)
        if (n.type == type)
            return &n;
    return nullptr;
}

}  // namespace

QString AlertMsgCode(int msgNo)
{
    if (msgNo == 0)
        return QString(QLatin1String(""));
    const QString digits = QString::number(qAbs(qint64{msgNo})).rightJustified(3, QLatin1Char('0'));
    return QStringLiteral("A-") + (msgNo < 0 ? QStringLiteral("-") : QString()) + digits;
}

bool TdmMain::AddAlert(int objCode, const QString& fieldName, int alertType, int msgNo, const QString& msgChn,
                       const QString& msgPor)
{
    cdsAlert.append();
    try {
        cdsAlert.fieldByName(u"Obj_Code").setAsInteger(objCode);
        SetTextCut(cdsAlert.fieldByName(u"Field_Name"), fieldName);
        cdsAlert.fieldByName(u"Alert_Type").setAsInteger(alertType);
        SetTextCut(cdsAlert.fieldByName(u"Msg_Code"), AlertMsgCode(msgNo));
        SetTextCut(cdsAlert.fieldByName(u"Msg_Chn"), msgChn);
        SetTextCut(cdsAlert.fieldByName(u"Msg_Por"), msgPor);
        cdsAlert.post();
    } catch (...) {
        if (cdsAlert.editing())
            cdsAlert.cancel();
        throw;
    }
    return true;
}

bool TdmMain::ClearAlerts()
{
    DisabledControls quiet(cdsAlert, DisabledControls::UnlessAlreadyDisabled);
    cdsAlert.emptyDataSet();
    cdsAlert.mergeChangeLog();
    return true;
}

bool TdmMain::DeleteAlertsOfObject(int objCode)
{
    DisabledControls quiet(cdsAlert, DisabledControls::UnlessAlreadyDisabled);
    cdsAlert.first();
    // The index keeps the rows of one page together, so they are deleted in one run. Rows added
    // since it was set were placed by it, so setting it again would only re-sort a sorted list.
    const QString byPage = QStringLiteral("OBJ_CODE");
    if (cdsAlert.indexFieldNames() != byPage)
        cdsAlert.setIndexFieldNames(byPage);
    if (!cdsAlert.locate(QStringLiteral("OBJ_CODE"), {qx::Value(std::int32_t{objCode})}))
        return false;
    try {
        while (!cdsAlert.isEmpty() && !cdsAlert.eof()
               && cdsAlert.fieldByName(u"OBJ_CODE").asInteger() == objCode)
            cdsAlert.deleteRecord();
    } catch (const std::exception&) {
        Beep();
        cdsAlert.next();
        return false;
    }
    cdsAlert.mergeChangeLog();
    return true;
}

void TdmMain::cdsAlertNewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

void TdmMain::cdsAlertBeforePost(qx::ClientDataSet& dataSet)
{
    if (const AlertTypeName* name = alertTypeName(dataSet.fieldByName(u"Alert_Type").asInteger())) {
        dataSet.fieldByName(u"Alert_Type_Chn").setAsString(QString::fromUtf8(name->chn));
        dataSet.fieldByName(u"Alert_Type_Por").setAsString(QString::fromUtf8(name->por));
    }
    // The row being posted is not counted yet.
    dataSet.fieldByName(u"Alert_Seq").setAsInteger(dataSet.recordCount() + 1);
}
