#pragma once
// Test seam of the open of a form folder: called with the folder's path once every file of the
// folder has been checked and opened, before any is read, so that a test can swap an entry in
// between. Empty in the program.

#include <QString>
#include <functional>

namespace FolderOpenSeam {
inline std::function<void(const QString& folder)> afterFilesChecked;
}
