#include "ui/mainwindow/BrowseForFolder.h"

#include <QFileDialog>

namespace {
FolderBrowser installedBrowser;
}  // namespace

QString BrowseForFolder(QWidget* owner, const QString& title, const QString& startFolder)
{
    if (installedBrowser)
        return installedBrowser(owner, title, startFolder);
    return QFileDialog::getExistingDirectory(owner, title, startFolder, QFileDialog::ShowDirsOnly);
}

void SetFolderBrowser(FolderBrowser browser) { installedBrowser = std::move(browser); }
