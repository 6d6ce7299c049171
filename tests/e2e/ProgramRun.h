#pragma once
// One run of the program as main() makes it: every form, the data module, the main window; the
// folder chooser, the message dialog and the modal windows scripted by the caller.

#include "core/module/TdmMain.h"
#include "core/util/Messages.h"
#include "support/ModalScript.h"
#include "ui/dialogs/TFormSelectSector.h"
#include "ui/framework/TFormFill.h"
#include "ui/mainwindow/ProgramForms.h"
#include "ui/mainwindow/TFormMain.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>

class ProgramRun {
public:
    // `messages`: the message presenter to answer in place of the program's message dialog.
    explicit ProgramRun(MessagePresenter* messages = nullptr) : forms_(QStringLiteral("1.0.0.0"))
    {
        forms_.CreateAll();
        if (messages)
            SetMessagePresenter(messages);
    }

    TFormMain& main() { return *forms_.FormMain; }
    TdmMain& dm() { return *forms_.dmMain; }
    ProgramForms& forms() { return forms_; }
    TFormFill* Editor(const QString& name) { return forms_.Editor(name); }

private:
    ProgramForms forms_;
};

// The sector dialog that a new folder brings up, answered with `sectorId` (0, 11, 21).
inline void ScriptSectorChoice(ModalScript& modals, int sectorId)
{
    modals.then([sectorId](QWidget& w) {
        auto& dialog = static_cast<TFormSelectSector&>(w);
        QRadioButton* radio = sectorId == 11 ? dialog.RadioButtonSegurador
                            : sectorId == 21 ? dialog.RadioButtonBank
                                             : dialog.RadioButtonGeral;
        radio->click();
        dialog.BitBtn1->click();
    });
}

// Opens the new folder the chooser gives through the Open command, in the general sector.
inline void OpenNewFolder(ProgramRun& run)
{
    ModalScript modals;
    ScriptSectorChoice(modals, 0);
    run.main().FirstPaint = false;
    run.main().ActionSelectFolder->trigger();
}
