#pragma once
// The list page of the M/3 and M/3A editors, configured by a ListGridSpec: inside the page's
// scroll box (wider than the window, so it scrolls sideways) the heading picture in its coloured
// panel, the grid without titles and the totals row under its columns; below, the observation
// block of the current sheet, a navigator and the page's alert frame.
//   Row actions (insert, delete, post, move up, move down, insert from the rate table) keep the
//   alert lists still while they run and end on the page with the grid focused; a row that its
//   checks refuse stays in edit and keeps the focus, whatever the way out.
//   Ellipses: Codigo and Tipo pick a rate-table row, Col5_Mop proposes the depreciation.
//   Leaving the Codigo column completes Tipo (and the rate) from a known code; entering a column
//   brings the totals under it into view; Enter and Tab move to the next column, Shift+Tab to the
//   one before.

#include "ui/editors/ListGridColumns.h"

#include "platform/data/Value.h"

#include <QObject>
#include <QPointer>
#include <vector>

class DataEdit;
class DataGrid;
class DataNavigator;
class DataSource;
class QAction;
class QLabel;
class QWidget;
class RateTablePicker;
class TFormFill;
class TdmMain;
namespace qx {
class ClientDataSet;
}

class TListGridPage : public QObject {
    Q_OBJECT
public:
    // `totalPagSource`: the source of the page count shown in the head panel.
    TListGridPage(TFormFill& form, TdmMain& dm, const ListGridSpec& spec, DataSource& obsSource,
                  DataSource& totalPagSource);

    // The rate-table picker of every list page (set once at start-up).
    static void SetRatePicker(RateTablePicker* picker);
    static RateTablePicker* RatePicker();

    const ListGridSpec& Spec() const { return spec_; }
    qx::ClientDataSet& List() const { return list_; }
    DataSource& Source() const { return *source_; }

    QWidget* PanelGridHeader = nullptr;
    QLabel* ImageGridHeader = nullptr;
    DataGrid* DBGrid = nullptr;
    QWidget* PanelObs = nullptr;
    std::vector<DataEdit*> ObsEdits;  // R1_Obs .. R5_Obs
    DataNavigator* DBNavigator = nullptr;
    QAction* DataSetInsert = nullptr;
    QAction* DataSetDelete = nullptr;
    QAction* ActionMoveUp = nullptr;
    QAction* ActionMoveDown = nullptr;
    QAction* ActionSelectNAdd = nullptr;
    QAction* DataSetPost = nullptr;    // the page's own post and cancel (the File menu may point
    QAction* DataSetCancel = nullptr;  // elsewhere while an observation edit is entered)

    // ---- the handlers ----
    void DataSetInsertExecute();
    void DataSetDeleteExecute();
    void DataSetPostExecute();
    void ActionMoveUpExecute();
    void ActionMoveDownExecute();
    void ActionSelectNAddExecute();
    void GridEllipsisClick(int column);
    void PickRateRow(int column);
    void ProposeDepreciation();
    void GridColExit(int column);
    void GridColEnter(int column);
    // Enter and Tab (step 1), Shift+Tab (step -1) in the grid: the cell's text is written and the
    // next or previous column becomes current; a beep past either end.
    void GridColumnKey(int step);
    // Leaving the grid: an untouched new row is dropped, any other edit posted; false (with the
    // focus back in the grid) while the row stays in edit.
    bool GridExit();

    bool InGrid(const QWidget* w) const;
    bool IsObsEdit(const QWidget* w) const;
    void ShowAndFocusGrid();
    // The grid takes the focus back when its row stays in edit.
    void KeepRefusedRow();
    // Writes the text of the cell being typed in; false when the field refused it.
    bool CommitCell();
    // The colours of a cell of the grid, from its row's values.
    void StyleCell(int column, const std::vector<qx::Value>& row, struct GridCellStyle& style) const;

signals:
    // Enabled states of the page's actions may have changed.
    void actionsChanged();

private:
    void buildGridPanel();
    void buildHeading(class QBoxLayout& canvas);
    void buildGrid(class QBoxLayout& canvas);
    void buildTotals(QBoxLayout& canvas);
    void buildObservations();
    void buildActions();
    int columnOf(const char* field) const;
    struct RateRowValues;
    RateRowValues currentRateRow(bool stripAccents) const;
    RateRowValues pickedRateRow(bool stripAccents);
    void fillFromRate(const RateRowValues& rate);
    template <class F>
    void rowAction(F&& action);

    TFormFill& form_;
    TdmMain& dm_;
    const ListGridSpec& spec_;
    qx::ClientDataSet& list_;
    DataSource* source_;
    DataSource& obsSource_;
    DataSource& totalPagSource_;
    QWidget* canvas_ = nullptr;
    std::vector<QWidget*> panels_;

    static RateTablePicker* picker_;
};
