#pragma once
// The panel under an editor page that lists the alerts of that page.
//   Set Splitter (or nullptr) and ObjCode, then BindToPage() once: the frame follows a clone of
//   the alert list filtered on its page code, ordered by Alert_Seq. It shows itself (and its
//   splitter) only while the page has alerts, colours its grid by the worst alert type, and
//   switches its columns between Chinese and Portuguese with the two radio buttons.
//   A click puts the focus on the alert's field (DBGridAlertCellClick; an editor may replace
//   OnCellClick); a double click shows the whole alert in the message dialog.
//   PageDataSetOf maps a page code to its dataset (by default the data module's pages).

#include "platform/data/ClientDataSet.h"

#include <QFrame>
#include <QPointer>
#include <functional>
#include <memory>

class DataGrid;
class DataSource;
class QLabel;
class QRadioButton;
class QWidget;

class TFrameDBGridAlert : public QFrame {
    Q_OBJECT
public:
    explicit TFrameDBGridAlert(QWidget* parent = nullptr);
    ~TFrameDBGridAlert() override;

    QPointer<QWidget> Splitter;
    std::int32_t ObjCode = 0;
    std::function<void(int column)> OnCellClick;
    std::function<qx::ClientDataSet*(int objCode)> PageDataSetOf;

    QWidget* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* LabelAtencao_Por = nullptr;
    QWidget* Panel2 = nullptr;
    QRadioButton* RadioButtonChinese = nullptr;
    QRadioButton* RadioButtonPortugues = nullptr;
    QLabel* LabelPortugues = nullptr;
    DataGrid* DBGridAlert = nullptr;
    DataSource* DataSourceCur_DB_Alert = nullptr;
    std::unique_ptr<qx::ClientDataSet> cdsCur_DB_Alert;

    void BindToPage();
    void DBGridAlertCellClick(int column);
    void DBGridAlertDblClick();
    void RadioButtonChineseClick();
    void LabelPortuguesClick();
    void FrameResize();
    void UpdateAlertFrameVisibility();
    void ColorAlertGrid();

    // The current alert's field name; empty without one.
    QString CurrentFieldName() const;
    // The frame's height that shows whole rows: as many as begin within `designHeight` at the
    // frame's fonts, the last one no longer cut.
    int HeightForWholeRows(int designHeight) const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitColumnTitles();
    bool cloneHasRows() const;
    bool hasAlertType(int type) const;
};

// The page dataset of the data module for a page code (200 cdsSys, 1011 cdsM1P1, ...), nullptr
// for any other code (the list pages among them).
qx::ClientDataSet* AlertPageDataSet(int objCode);
