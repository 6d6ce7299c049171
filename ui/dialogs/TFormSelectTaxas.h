#pragma once
// Modal picker over the maximum depreciation-rate table, for the M/3 and M/3A editors. The
// caller may set LocateCodigo (the picker lands on the first row whose code begins so, in any
// letter case, once per showing); on OK it reads SelectedRecNo. Group heading rows cannot be
// chosen: OK on one beeps and the window stays. The type column and the notes follow the
// language chosen, Chinese or Portuguese.

#include <QDialog>
#include <QString>

class DataGrid;
class DataMemo;
class DataSource;
class QLabel;
class QPushButton;
class QRadioButton;
class QSplitter;
class QTabWidget;
class QWidget;
class TdmMain;

class TFormSelectTaxas : public QDialog {
    Q_OBJECT
public:
    explicit TFormSelectTaxas(TdmMain& dm, QWidget* parent = nullptr);
    ~TFormSelectTaxas() override;

    QString LocateCodigo;
    int SelectedRecNo = 0;

    QLabel* Label1 = nullptr;
    QLabel* LabelTitle_Por = nullptr;
    QLabel* LabelCodigo = nullptr;
    QLabel* PanelTipo_Chn = nullptr;
    QLabel* PanelTipo_Por = nullptr;
    QLabel* LabelNo_de_Anos = nullptr;
    DataSource* DataSourceTaxas = nullptr;
    DataGrid* DBGridTaxas = nullptr;
    QSplitter* Splitter1 = nullptr;
    QRadioButton* RadioButtonChinese = nullptr;
    QRadioButton* RadioButtonPortugues = nullptr;
    QLabel* LabelPortugues = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QTabWidget* PageControl = nullptr;
    QWidget* TabSheetObs_Chn = nullptr;
    QWidget* TabSheetObs_Por = nullptr;
    DataMemo* MemoObs_Chn = nullptr;
    DataMemo* MemoObs_Por = nullptr;

    // Lands on LocateCodigo, once: run as the window comes up.
    void FormPaint();
    // True when the window may close with `result`.
    bool FormCloseQuery(int result);
    void FormClose();
    void DBGridTaxasDblClick();
    void RadioButtonChineseClick();
    void RadioButtonPortuguesClick();
    void LabelPortuguesClick();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showLanguage(bool portuguese);
    TdmMain& dm_;
};
