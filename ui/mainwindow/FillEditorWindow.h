#pragma once
// Any editor of the framework as the main window opens it: modally, then its NextFormCode.

#include "ui/mainwindow/EditorWindow.h"

class TFormFill;

class FillEditorWindow final : public EditorWindow {
public:
    explicit FillEditorWindow(TFormFill& editor) : editor_(editor) {}
    void ShowEditorModal() override;
    int NextFormCode() const override;
    void ReleaseShownPictures() override;

private:
    TFormFill& editor_;
};
