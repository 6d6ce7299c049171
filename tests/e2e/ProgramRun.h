#pragma once
// One run of the program as main() makes it: every form, the data module, the main window; the
// folder chooser, the message dialog and the modal windows scripted by the caller.

#include "core/module/TdmMain.h"
#include "core/util/Messages.h"
#include "support/ModalScript.h"
#include "ui/dialogs/TFormSelectSector.h"
#include "ui/editors/FillEditors.h"
#include "ui/framework/TFormFill.h"
#include "ui/mainwindow/EditorWindow.h"
#include "ui/mainwindow/ProgramForms.h"
#include "ui/mainwindow/TFormMain.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

class ProgramRun {
public:
    // `messages`: the message presenter to answer in place of the program's message dialog.
    explicit ProgramRun(MessagePresenter* messages = nullptr) : forms_(QStringLiteral("1.0.0.0"))
    {
        forms_.CreateAll();
        if (messages)
            SetMessagePresenter(messages);
        if (forms_.FormMain->Editors.empty())
            MakeEditors();
    }
    ~ProgramRun()
    {
        forms_.FormMain->Editors.clear();
        windows_.clear();
        editors_.reset();
    }

    TFormMain& main() { return *forms_.FormMain; }
    TdmMain& dm() { return *forms_.dmMain; }
    ProgramForms& forms() { return forms_; }

    TFormFill* Editor(const QString& name)
    {
        if (!editors_)
            return nullptr;
        for (TFormFill* e : editors_->All())
            if (e->objectName() == name)
                return e;
        return nullptr;
    }

private:
    // The editors as the program wires them: shown modally, then the form they asked for.
    class Window final : public EditorWindow {
    public:
        explicit Window(TFormFill& e) : e_(e) {}
        void ShowEditorModal() override { e_.ShowModal(); }
        int NextFormCode() const override { return e_.NextFormCode; }

    private:
        TFormFill& e_;
    };

    void MakeEditors()
    {
        editors_ = std::make_unique<FillEditors>(*forms_.dmMain, forms_.FormMain);
        for (TFormFill* e : editors_->All()) {
            windows_.push_back(std::make_unique<Window>(*e));
            forms_.FormMain->Editors[e->objectName()] = windows_.back().get();
        }
    }

    ProgramForms forms_;
    std::unique_ptr<FillEditors> editors_;
    std::vector<std::unique_ptr<EditorWindow>> windows_;
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
