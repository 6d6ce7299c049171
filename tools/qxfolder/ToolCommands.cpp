#include "ToolCommands.h"

#include "FieldText.h"
#include "core/module/TdmMain.h"

#include <algorithm>

namespace {

qx::ClientDataSet& dataSetNamed(const TdmMain& dm, const QString& name)
{
    qx::ClientDataSet* ds = dm.DataSetByName(name);
    if (!ds)
        throw qx::DataSetError(QStringLiteral("unknown dataset %1").arg(name).toStdString());
    return *ds;
}

// Splits "NAME=VALUE" at the first '='.
std::pair<QString, QString> splitAssignment(const QString& word)
{
    const qsizetype eq = word.indexOf(QLatin1Char('='));
    return {word.left(eq), word.mid(eq + 1)};
}

}  // namespace

ToolCommands::ToolCommands(TdmMain& dm, QString folder, Output out)
    : dm_(dm), folder_(std::move(folder)), out_(std::move(out))
{
}

bool ToolCommands::run(const ToolCommand& command)
{
    bool ok = false;
    try {
        ok = runOrThrow(command);
    } catch (const std::exception&) {
        ok = false;
    }
    if (!ok)
        out_(QStringLiteral("FAILED\t") + EscapeText(command.text()));
    return ok;
}

bool ToolCommands::runOrThrow(const ToolCommand& c)
{
    const QString& w = c.word;
    if (w == u"open")
        return dm_.ProcessFormFolder(folder_, ffOpen) == TFolderResult::frDone;
    if (w == u"save") {
        // Nothing to save is no failure: nothing is lost.
        const TFolderResult r = dm_.ProcessFormFolder(dm_.CurrentFormFolder, ffSaveAll);
        return r == TFolderResult::frDone || r == TFolderResult::frNothingToSave;
    }
    if (w == u"close")
        return dm_.ProcessFormFolder(dm_.CurrentFormFolder, ffClose) == TFolderResult::frDone;
    if (w == u"set")
        return set(c.args[0]);
    if (w == u"append")
        return append(c.args);
    if (w == u"row")
        return row(c.args[0], c.args[1].toInt());
    if (w == u"delete")
        return remove(c.args[0]);
    if (w == u"dump")
        return dump(c.args);
    if (w == u"alerts")
        return alerts();
    return false;
}

bool ToolCommands::set(const QString& assignment)
{
    const auto [target, value] = splitAssignment(assignment);
    const qsizetype dot = target.indexOf(QLatin1Char('.'));
    qx::ClientDataSet& ds = dataSetNamed(dm_, target.left(dot));
    qx::Field& field = ds.fieldByName(target.mid(dot + 1));
    ds.edit();
    try {
        SetFieldFromText(field, value);
        ds.post();
    } catch (const std::exception&) {
        dm_.CancelWithoutQuestion(ds);
        return false;
    }
    return true;
}

bool ToolCommands::append(const QStringList& args)
{
    qx::ClientDataSet& ds = dataSetNamed(dm_, args[0]);
    ds.append();
    try {
        for (qsizetype i = 1; i < args.size(); ++i) {
            const auto [name, value] = splitAssignment(args[i]);
            SetFieldFromText(ds.fieldByName(name), value);
        }
        ds.post();
    } catch (const std::exception&) {
        dm_.CancelWithoutQuestion(ds);
        return false;
    }
    return true;
}

bool ToolCommands::row(const QString& dataSet, int recNo)
{
    qx::ClientDataSet& ds = dataSetNamed(dm_, dataSet);
    if (!ds.active() || recNo < 1 || recNo > ds.recordCount())
        return false;
    ds.setRecNo(recNo);
    return ds.recNo() == recNo;
}

bool ToolCommands::remove(const QString& dataSet)
{
    qx::ClientDataSet& ds = dataSetNamed(dm_, dataSet);
    if (!ds.active() || ds.isEmpty())
        return false;
    ds.deleteRecord();
    return true;
}

bool ToolCommands::dump(const QStringList& args)
{
    qx::ClientDataSet& ds = dataSetNamed(dm_, args[0]);
    if (!ds.active())
        return false;
    std::vector<qx::Field*> fields;
    if (args.size() == 1) {
        for (int i = 0; i < ds.fieldCount(); ++i)
            fields.push_back(&ds.field(i));
    } else {
        for (qsizetype i = 1; i < args.size(); ++i)
            fields.push_back(&ds.fieldByName(args[i]));
    }
    for (int recNo = 1; recNo <= ds.recordCount(); ++recNo) {
        QStringList pairs;
        for (qx::Field* f : fields)
            pairs << f->fieldName() + QLatin1Char('=') + ValueText(ds.rowValue(recNo, f->index()));
        out_(pairs.join(QLatin1Char('\t')));
    }
    return true;
}

bool ToolCommands::alerts()
{
    qx::ClientDataSet& ds = dm_.cdsAlert;
    if (!ds.active())
        return true;  // no folder opened yet: no findings
    static const char* const columns[] = {"Obj_Code", "Field_Name", "Alert_Type", "Msg_Code", "Msg_Chn", "Msg_Por"};
    const int seq = ds.fieldByName(u"Alert_Seq").index();
    std::vector<std::pair<std::int32_t, QString>> lines;
    for (int recNo = 1; recNo <= ds.recordCount(); ++recNo) {
        QStringList cells;
        for (const char* column : columns)
            cells << ValueText(ds.rowValue(recNo, ds.fieldByName(QString::fromLatin1(column)).index()));
        const qx::Value order = ds.rowValue(recNo, seq);
        const std::int32_t* n = std::get_if<std::int32_t>(&order);
        lines.emplace_back(n ? *n : 0, cells.join(QLatin1Char('\t')));
    }
    std::stable_sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& line : lines)
        out_(line.second);
    return true;
}
