#include "core/assets/RowFindings.h"

#include "core/util/Messages.h"
#include "platform/data/ClientDataSet.h"

namespace {

const QString kLineBreak = QStringLiteral("\r\n");
const QString kEmptyLine = kLineBreak + kLineBreak;

void appendLine(QString& buffer, bool first, const QString& line)
{
    if (!first)
        buffer += kEmptyLine;
    buffer += line;
}

}  // namespace

void RowFindings::add(const QString& chn, const QString& por)
{
    appendLine(chn_, count_ == 0, chn);
    appendLine(por_, count_ == 0, por);
    ++count_;
}

void RowFindings::refuseIfAny(const QString& headingChn, const QString& headingPor, const QString& code) const
{
    if (isEmpty())
        return;
    ShowMultiLangMsg(headingChn + kEmptyLine + chn_, headingPor + kEmptyLine + por_, QString(), dtError, code);
    throw qx::SilentAbort();
}
