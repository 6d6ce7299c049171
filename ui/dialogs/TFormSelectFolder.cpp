#include "ui/dialogs/TFormSelectFolder.h"

#include "core/module/TdmMain.h"
#include "core/util/Clock.h"
#include "core/util/Registry.h"

#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

QString FolderPickerStart(const QString& currentFormFolder, const QString& remembered)
{
    return currentFormFolder.isEmpty() ? remembered : currentFormFolder;
}

TFormSelectFolder::TFormSelectFolder(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormSelectFolder"));
    setWindowTitle(QStringLiteral("選擇文件夾"));
    resize(474, 422);

    Model = new QFileSystemModel(this);
    Model->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    Model->setReadOnly(true);
    Model->setRootPath(QString());  // the whole file system, watched for changes

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 0);
    auto* row = new QHBoxLayout;
    auto* treeColumn = new QVBoxLayout;
    ShellTreeView = new QTreeView(this);
    ShellTreeView->setObjectName(QStringLiteral("ShellTreeView"));
    ShellTreeView->setModel(Model);
    ShellTreeView->setHeaderHidden(true);
    for (int column = 1; column < Model->columnCount(); ++column)
        ShellTreeView->hideColumn(column);
    ShellTreeView->setIndentation(19);
    ShellTreeView->setSelectionMode(QAbstractItemView::SingleSelection);
    treeColumn->addWidget(ShellTreeView, 1);
    auto* panel3 = new QWidget(this);
    panel3->setObjectName(QStringLiteral("Panel3"));
    panel3->setFixedHeight(57);
    treeColumn->addWidget(panel3);
    row->addLayout(treeColumn, 1);

    auto* panel1 = new QWidget(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFixedWidth(136);
    btnOpen = new QToolButton(panel1);
    btnOpen->setObjectName(QStringLiteral("btnOpen"));
    btnOpen->setText(QStringLiteral("開啟 &Open"));
    btnOpen->setGeometry(12, 0, 113, 37);
    row->addWidget(panel1);
    outer->addLayout(row, 1);

    StatusBar = new QLabel(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setFrameShape(QFrame::Panel);
    StatusBar->setFrameShadow(QFrame::Sunken);
    outer->addWidget(StatusBar);

    connect(ShellTreeView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { ShellTreeViewChange(); });
    connect(btnOpen, &QToolButton::clicked, this, &TFormSelectFolder::btnOpenClick);
}

QString TFormSelectFolder::TreePath() const
{
    const QModelIndex current = ShellTreeView->currentIndex();
    return current.isValid() ? Model->filePath(current) : QString();
}

bool TFormSelectFolder::SetTreePath(const QString& path)
{
    if (!QFileInfo(path).isDir())
        return false;
    const QModelIndex index = Model->index(QFileInfo(path).absoluteFilePath());
    if (!index.isValid())
        return false;
    ShellTreeView->setCurrentIndex(index);
    ShellTreeView->scrollTo(index);
    return true;
}

void TFormSelectFolder::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFormSelectFolder::FormShow()
{
    const QString start = FolderPickerStart(dmMain ? dmMain->CurrentFormFolder : QString(),
                                            ReadRegString(QString(), QStringLiteral("DefaultFormFolder")));
    if (!start.isEmpty())
        SetTreePath(start);  // a folder that no longer exists leaves the tree where it was
    ShellTreeView->setFocus();
}

void TFormSelectFolder::ShellTreeViewChange()
{
    const QString path = TreePath();
    StatusBar->setText(path);
    btnOpen->setEnabled(!path.isEmpty() && QFileInfo(path).isDir());
}

void TFormSelectFolder::btnOpenClick()
{
    const QString path = TreePath();
    ShellTreeView->setFocus();
    if (path.isEmpty() || !QFileInfo(path).isDir()) {
        Beep();
        return;
    }
    SelectedFolder = path;
    accept();
}
