#pragma once
// Runs qxfolder's commands, in order, on one data module.

#include "CommandLine.h"

#include <functional>

class TdmMain;

class ToolCommands {
public:
    using Output = std::function<void(const QString& line)>;
    ToolCommands(TdmMain& dm, QString folder, Output out);

    // True when the command succeeded; a failure has been printed as FAILED<TAB>command.
    bool run(const ToolCommand& command);

private:
    bool runOrThrow(const ToolCommand& command);
    bool set(const QString& assignment);
    bool append(const QStringList& args);
    bool row(const QString& dataSet, int recNo);
    bool remove(const QString& dataSet);
    bool dump(const QStringList& args);
    bool alerts();

    TdmMain& dm_;
    QString folder_;
    Output out_;
};
