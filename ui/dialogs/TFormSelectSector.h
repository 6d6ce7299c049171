#pragma once
// Modal choice of the taxpayer's sector, written into Sector_ID of the settings record. After the
// dialog Sector_ID is always 0, 11 or 21: OK writes the choice, any other way of closing turns a
// value that is none of them into 0 and keeps a valid one.

#include <QDialog>

namespace qx {
class ClientDataSet;
}
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class TFormSelectSector : public QDialog {
    Q_OBJECT
public:
    // `sys`: the settings record cdsSys.
    explicit TFormSelectSector(qx::ClientDataSet& sys, QWidget* parent = nullptr);

    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label3 = nullptr;
    QRadioButton* RadioButtonSegurador = nullptr;
    QRadioButton* RadioButtonBank = nullptr;
    QRadioButton* RadioButtonGeral = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* LabelBank = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

    void FormShow();
    void FormClose(int result);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    qx::ClientDataSet& sys_;
};

// The radio button's sector: Segurador 11, Bank 21, anything else (Geral) 0.
enum class SectorChoice { Segurador, Bank, Geral };
int SectorIdOfChoice(SectorChoice choice);
SectorChoice ChoiceOfSectorId(int sectorId);
// Sets Sector_ID, putting the record into edit and posting when it was not being edited.
void WriteSectorId(qx::ClientDataSet& sys, int sectorId);
