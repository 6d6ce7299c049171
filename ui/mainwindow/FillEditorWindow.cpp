#include "ui/mainwindow/FillEditorWindow.h"

#include "ui/framework/TFormFill.h"

void FillEditorWindow::ShowEditorModal() { editor_.ShowModal(); }

int FillEditorWindow::NextFormCode() const { return editor_.NextFormCode; }

void FillEditorWindow::ReleaseShownPictures() { editor_.ReleasePagePictures(); }
