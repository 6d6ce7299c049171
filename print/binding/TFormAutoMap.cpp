#include "print/binding/TFormAutoMap.h"

#include "core/module/TdmMain.h"
#include "print/binding/WorkingTableModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableView>

namespace {

QTableView* readOnlyGrid(QWidget* parent, WorkingTableModel* model)
{
    auto* grid = new QTableView(parent);
    grid->setModel(model);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->setDefaultSectionSize(18);
    return grid;
}

}  // namespace

TFormAutoMap::TFormAutoMap(TdmMain& dm, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAutoMap"));
    setWindowTitle(QStringLiteral("FormAutoMap"));
    auto* layout = new QHBoxLayout(this);
    DBGrid1 = readOnlyGrid(this, new WorkingTableModel(dm.cdsFormField,
                                                       {QStringLiteral("Left"), QStringLiteral("Top"), QStringLiteral("Line"),
                                                        QStringLiteral("Field_Name"), QStringLiteral("CDS_Code")},
                                                       this));
    DBGrid2 = readOnlyGrid(this, new WorkingTableModel(dm.cdsRptField,
                                                       {QStringLiteral("Left"), QStringLiteral("Top"), QStringLiteral("Line"),
                                                        QStringLiteral("Ctrl_Name"), QStringLiteral("Ctrl_Idx")},
                                                       this));
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid2->setObjectName(QStringLiteral("DBGrid2"));
    layout->addWidget(DBGrid1);
    layout->addWidget(DBGrid2);
}

int TFormAutoMap::ShowModal()
{
    for (QTableView* grid : {DBGrid1, DBGrid2})
        static_cast<WorkingTableModel*>(grid->model())->reload();
    setWindowState(windowState() | Qt::WindowMaximized);
    return exec();
}

TFormAutoMap& TFormAutoMap::Instance(TdmMain& dm)
{
    static TFormAutoMap* form = new TFormAutoMap(dm);  // lives until the program ends
    return *form;
}
