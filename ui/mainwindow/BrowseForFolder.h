#pragma once
// The system's folder chooser: directories only, with a title and a start folder.

#include <QString>
#include <functional>

class QWidget;

// The chosen folder's path; "" when cancelled.
QString BrowseForFolder(QWidget* owner, const QString& title, const QString& startFolder);

// Replaces the chooser (tests answer it from a script); nullptr restores Qt's directory chooser.
using FolderBrowser = std::function<QString(QWidget* owner, const QString& title, const QString& startFolder)>;
void SetFolderBrowser(FolderBrowser browser);
