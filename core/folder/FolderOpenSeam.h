#pragma once
// Test seams of the open of a form folder. Empty in the program.

#include <QString>
#include <functional>

namespace FolderOpenSeam {
// Called with the folder's path once every file of the folder has been checked and opened, before
// any is read, so that a test can swap an entry in between.
inline std::function<void(const QString& folder)> afterFilesChecked;
// Asked with each file's name before it is opened; a non-zero answer makes that open fail with
// that error number, as a file the user may not read or a failing disk would.
inline std::function<int(const QString& fileName)> openFault;
}
