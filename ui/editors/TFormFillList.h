#pragma once
// What the M/3 and M/3A editors share on top of the editor framework: their list pages
// (TListGridPage), the observation records of the current sheet behind DataSourceP3, the Edit
// menu of row actions, and the protocols that take the observations and the lists along:
//   - the File menu's post and cancel act on the observations while one of their edits is
//     entered, on the list while its grid is; the Edit menu acts on the list of the page shown;
//   - the grids exempt from the Enter/Up/Down walk: Enter and Tab move to the next column,
//     Shift+Tab to the one before;
//   - a page change, a close and every print post the observations and the page's list first,
//     and a list row its checks refuse keeps the user (and the focus) in its grid.

#include "ui/framework/TFormFill.h"

#include <vector>

class QMenu;
class TListGridPage;
class TdmMain;
struct ListGridSpec;

class TFormFillList : public TFormFill {
    Q_OBJECT
public:
    TFormFillList(EditorSpec spec, TdmMain& dm, qx::ClientDataSet& observations, QWidget* parent = nullptr);
    ~TFormFillList() override;

    DataSource* DataSourceM1P1 = nullptr;
    DataSource* DataSourceP3 = nullptr;  // the observations
    QAction* DataSetPostP3 = nullptr;
    QAction* DataSetCancelP3 = nullptr;
    QMenu* smEdit = nullptr;
    QAction* miSelectNAdd = nullptr;
    QAction* miInsert = nullptr;
    QAction* miDelete = nullptr;
    QAction* miMoveUp = nullptr;
    QAction* miMoveDown = nullptr;

    // The list page shown on editor page `page`; nullptr for any other page.
    TListGridPage* GridPageAt(int page) const;
    const std::vector<TListGridPage*>& GridPages() const { return gridPages_; }

    // Posts a pending edit of the observations; true when they are not in edit afterwards.
    bool PostObservations();

protected:
    TListGridPage* AddGridPage(const ListGridSpec& spec, DataSource& totalPagSource);
    // The page's own post action (the File menu may point elsewhere for a while).
    QAction* PagePost(int page) const { return ownPosts_[std::size_t(page)]; }
    // Runs the post actions in order; false as soon as one leaves its data source in edit.
    bool PostInOrder(std::initializer_list<std::pair<QAction*, const DataSource*>> posts);
    // Prints page `page` with the print dialog on `pageCode` (and, when given, the sheet and
    // face), the list of `quiet` detached meanwhile and its position kept.
    void ShowPrintDialog(DataSource& quiet, int pageCode, int pagNum = 0, int faceNum = 0);
    // Pointing the menus after a page change, a focus change or a change of state.
    void RefreshListActions();
    virtual void CloseRefused() {}

    TdmMain& dm_;
    qx::ClientDataSet& observations_;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildEditMenu();
    bool leavePage(int from);
    void pageChanged();
    void focusChanged(QWidget* old, QWidget* now);
    void pointFileMenu(bool toObservations);

    std::vector<TListGridPage*> gridPages_;
    std::vector<QAction*> ownPosts_, ownCancels_;
    bool observationsEntered_ = false;
};
