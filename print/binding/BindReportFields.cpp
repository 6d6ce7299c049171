#include "print/binding/BindReportFields.h"

#include "core/module/TdmMain.h"
#include "core/util/Messages.h"
#include "platform/report/ReportPage.h"
#include "print/binding/PageCodes.h"
#include "print/binding/TFormAutoMap.h"

#include <limits>

namespace {

constexpr int kLineTolerance = 5;  // pixels

std::function<void()>& autoMapPresenter()
{
    static std::function<void()> show;
    return show;
}

void showAutoMap()
{
    if (autoMapPresenter())
        autoMapPresenter()();
    else
        TFormAutoMap::Instance(*dmMain).ShowModal();
}

bool counted(EditorControl::Kind kind) { return kind != EditorControl::Kind::Other; }

// Empties a working table (creating it when closed) and drops its index.
void resetWorkingTable(qx::ClientDataSet& table)
{
    if (!table.active())
        table.createDataSet();
    table.setIndexFieldNames(QString());
    table.emptyDataSet();
}

// Numbers the lines in "Top;Left" order: a row more than 5 pixels from the line's first row opens
// the next line. Leaves the table in "Line;Left" order.
void numberLines(qx::ClientDataSet& table)
{
    table.setIndexFieldNames(QStringLiteral("Top;Left"));
    qx::Field& top = table.fieldByName(u"Top");
    qx::Field& line = table.fieldByName(u"Line");
    std::int64_t anchor = std::numeric_limits<std::int64_t>::min() / 2;
    int counter = 0;
    for (table.first(); !table.eof(); table.next()) {
        if (std::abs(top.asInteger() - anchor) > kLineTolerance) {
            anchor = top.asInteger();
            ++counter;
        }
        table.edit();
        line.setAsInteger(counter);
        table.post();
    }
    table.setIndexFieldNames(QStringLiteral("Line;Left"));
}

void appendRow(qx::ClientDataSet& table, std::initializer_list<std::pair<const char*, qx::Value>> values)
{
    table.append();
    for (const auto& [name, value] : values)
        table.fieldByName(QLatin1String(name)).setValue(value);
    table.post();
}

void fillFormFields(TdmMain& dm, const EditorPageControls& scrollBox)
{
    qx::ClientDataSet& t = dm.cdsFormField;
    resetWorkingTable(t);
    for (const EditorControl& c : scrollBox.controls)
        if (counted(c.kind))
            appendRow(t, {{"Top", std::int32_t{c.top}},
                          {"Left", std::int32_t{c.left}},
                          {"Field_Name", c.fieldName},
                          {"CDS_Code", std::int32_t{PageCodeOfDataSet(dm, c.dataSet)}}});
    numberLines(t);
}

void fillReportFields(TdmMain& dm, const qx::report::ReportBand& band, int minLeft, int maxLeft)
{
    qx::ClientDataSet& t = dm.cdsRptField;
    resetWorkingTable(t);
    for (int i = 0; i < band.childCount(); ++i) {
        const auto* text = dynamic_cast<const qx::report::ReportDataText*>(&band.child(i));
        if (!text)
            continue;
        const int left = qRound(text->left);
        if (left < minLeft || left > maxLeft)
            continue;
        appendRow(t, {{"Top", std::int32_t{qRound(text->top)}},
                      {"Left", std::int32_t{left}},
                      {"Ctrl_Name", text->name},
                      {"Ctrl_Idx", std::int32_t{i}}});
    }
    numberLines(t);
}

void reportMismatch(const QString& chn, const QString& code)
{
    ShowMultiLangMsg(chn, QStringLiteral("Fields in form <> Fields in Report"), QString(), dtError, code);
    showAutoMap();
}

}  // namespace

void SetAutoMapPresenter(std::function<void()> show) { autoMapPresenter() = std::move(show); }

bool BindReportFields(const EditorPageControls& scrollBox, qx::report::ReportBand& band, int minLeft, int maxLeft)
{
    TdmMain& dm = *dmMain;
    fillFormFields(dm, scrollBox);
    fillReportFields(dm, band, minLeft, maxLeft);
    qx::ClientDataSet& form = dm.cdsFormField;
    qx::ClientDataSet& rpt = dm.cdsRptField;
    if (form.recordCount() != rpt.recordCount()) {
        reportMismatch(scrollBox.name + QStringLiteral(": ") +
                           QStringLiteral("Fields in form %1 <> ").arg(form.recordCount()) + band.name() +
                           QStringLiteral(": Fields in report %1").arg(rpt.recordCount()),
                       QStringLiteral("PS-001"));
        return false;
    }
    rpt.setIndexFieldNames(QStringLiteral("Line;Left"));
    for (rpt.first(); !rpt.eof(); rpt.next()) {
        const int recNo = rpt.recNo();
        form.setRecNo(recNo);
        const int formLine = form.fieldByName(u"Line").asInteger();
        const int rptLine = rpt.fieldByName(u"Line").asInteger();
        if (formLine != rptLine) {
            reportMismatch(QStringLiteral("RecNo=%1, ").arg(recNo) +
                               QStringLiteral("RecNo=%1, Fields in form line=%2 <> Fields in report line=%3")
                                   .arg(recNo)
                                   .arg(formLine)
                                   .arg(rptLine),
                           QStringLiteral("PS-002"));
            return false;
        }
        auto& text = dynamic_cast<qx::report::ReportDataText&>(band.child(rpt.fieldByName(u"Ctrl_Idx").asInteger()));
        text.dataSet = DataSetOfPageCode(dm, form.fieldByName(u"CDS_Code").asInteger());
        text.dataField = form.fieldByName(u"Field_Name").asString();
    }
    return true;
}
