#include "core/util/MsgLanguage.h"

int MsgLanguage = 101;

int ChooseMsgLanguage(const QStringList& installedFamilies)
{
    return installedFamilies.contains(QStringLiteral("細明體"), Qt::CaseInsensitive) ? 1 : 101;
}
