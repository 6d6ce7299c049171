#pragma once
// Qt's own dialogs (the folder chooser, the printer chooser) in the program's Chinese: Qt's
// Traditional Chinese translation of its base library (qtbase_zh_TW.qm, Debian's
// qt6-translations-l10n), installed at start-up before any form is made.

class QCoreApplication;
class QString;

// Installs the translation found in `folder` (the program passes Qt's translations folder).
// False, and nothing installed, when it is not there: the dialogs then keep Qt's English.
bool InstallQtDialogsTranslation(QCoreApplication& app, const QString& folder);
