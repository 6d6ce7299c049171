#include "print/binding/TFormAutoMap.h"

#include "core/module/TdmMain.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/DataSource.h"

#include <QHBoxLayout>

namespace {

DataGrid* readOnlyGrid(QWidget* parent, qx::ClientDataSet& table, const char* name,
                       std::initializer_list<const char*> columns)
{
    auto* source = new DataSource(parent);
    source->setDataSet(&table);
    auto* grid = new DataGrid(parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setReadOnly(true);
    std::vector<GridColumn> cols;
    for (const char* c : columns)
        cols.push_back(GridColumn{QString::fromLatin1(c), QString::fromLatin1(c), 80, {}, {}, false});
    grid->setColumns(std::move(cols));
    grid->setDataSource(source);
    return grid;
}

}  // namespace

TFormAutoMap::TFormAutoMap(TdmMain& dm, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAutoMap"));
    setWindowTitle(QStringLiteral("FormAutoMap"));
    auto* layout = new QHBoxLayout(this);
    DBGrid1 = readOnlyGrid(this, dm.cdsFormField, "DBGrid1", {"Left", "Top", "Line", "Field_Name", "CDS_Code"});
    DBGrid2 = readOnlyGrid(this, dm.cdsRptField, "DBGrid2", {"Left", "Top", "Line", "Ctrl_Name", "Ctrl_Idx"});
    layout->addWidget(DBGrid1);
    layout->addWidget(DBGrid2);
}

int TFormAutoMap::ShowModal()
{
    setWindowState(windowState() | Qt::WindowMaximized);
    return exec();
}

TFormAutoMap& TFormAutoMap::Instance(TdmMain& dm)
{
    static TFormAutoMap* form = new TFormAutoMap(dm);  // lives until the program ends
    return *form;
}
