#pragma once
// The M/3A editor: the list of assets alienated (page 1, code 5011) and the list of assets
// written off (page 2, code 5012), both with the observations of the current M/3A page. The
// observation edits take text only while the list changed last has rows; insert-from-the-rate-
// table waits, on both pages, while a written-off row is being edited. A refused close forgets
// the form asked for next.

#include "ui/editors/TFormFillList.h"

class TListGridPage;

class TFormFillM3A : public TFormFillList {
    Q_OBJECT
public:
    explicit TFormFillM3A(TdmMain& dm, QWidget* parent = nullptr);

    TListGridPage* AliPage = nullptr;
    TListGridPage* AbaPage = nullptr;

    void ActionPrintExecute(int page);

protected:
    void CloseRefused() override;
    void showEvent(QShowEvent* event) override;

private:
    void observationsFollow(const TListGridPage& changed);
    void selectNAddFollowsAba();
};
