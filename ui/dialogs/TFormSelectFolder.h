#pragma once
// Modal folder picker on a tree of the file system's folders, which follows changes on disk.
// Open takes the selected folder; anything else beeps. Closing the window any other way gives
// Rejected; SelectedFolder keeps its last value between showings.

#include <QDialog>
#include <QString>

class QFileSystemModel;
class QLabel;
class QToolButton;
class QTreeView;

class TFormSelectFolder : public QDialog {
    Q_OBJECT
public:
    explicit TFormSelectFolder(QWidget* parent = nullptr);

    // The folder chosen with btnOpen.
    QString SelectedFolder;

    QTreeView* ShellTreeView = nullptr;
    QFileSystemModel* Model = nullptr;
    QToolButton* btnOpen = nullptr;
    QLabel* StatusBar = nullptr;

    // The selected folder's path; "" when nothing is selected.
    QString TreePath() const;
    // Selects the folder; false (and nothing changes) when it cannot be shown.
    bool SetTreePath(const QString& path);

    void FormShow();
    void ShellTreeViewChange();
    void btnOpenClick();

protected:
    void showEvent(QShowEvent* event) override;
};

// Where the picker starts: the open folder, else the remembered one ("" when neither).
QString FolderPickerStart(const QString& currentFormFolder, const QString& remembered);
