#pragma once
// The page the message dialog opens on at its first show: 1 Chinese, 101 Portuguese. Set once at
// start-up from the installed fonts.

#include <QStringList>

extern int MsgLanguage;

// 1 when the font family "細明體" is among `installedFamilies` (letter case ignored), else 101.
int ChooseMsgLanguage(const QStringList& installedFamilies);
