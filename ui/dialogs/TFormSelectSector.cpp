#include "ui/dialogs/TFormSelectSector.h"

#include "core/calc/SectorOf.h"
#include "core/module/TdmMain.h"
#include "core/util/Accents.h"
#include "core/util/PlainMessage.h"
#include "platform/data/ClientDataSet.h"
#include "platform/widgets/ScreenFonts.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <exception>

namespace {

// A radio button with its mnemonic label under it.
QWidget* choiceColumn(QWidget* parent, QRadioButton*& radio, QLabel*& label, const char* radioName,
                      const QString& radioText, const char* labelName, const QString& labelText)
{
    auto* column = new QWidget(parent);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    radio = new QRadioButton(radioText, column);
    radio->setObjectName(QLatin1String(radioName));
    label = new QLabel(labelText, column);
    label->setObjectName(QLatin1String(labelName));
    label->setBuddy(radio);
    label->setContentsMargins(20, 0, 0, 0);
    layout->addWidget(radio);
    layout->addWidget(label);
    return column;
}

}  // namespace

bool IsValidSectorId(int sectorId) { return sectorId == 0 || sectorId == 11 || sectorId == 21; }

int SectorIdOfChoice(SectorChoice choice)
{
    switch (choice) {
    case SectorChoice::Segurador: return 11;
    case SectorChoice::Bank: return 21;
    case SectorChoice::Geral: return 0;
    }
    return 0;
}

SectorChoice ChoiceOfSectorId(int sectorId)
{
    return sectorId == 11 ? SectorChoice::Segurador : sectorId == 21 ? SectorChoice::Bank : SectorChoice::Geral;
}

void WriteSectorId(qx::ClientDataSet& sys, int sectorId)
{
    const bool wasEditing = sys.editing();
    if (!wasEditing)
        sys.edit();
    sys.fieldByName(u"Sector_ID").setAsInteger(sectorId);
    if (!wasEditing)
        sys.post();
}

TFormSelectSector::TFormSelectSector(TdmMain& dm, QWidget* parent) : QDialog(parent), dm_(dm)
{
    setObjectName(QStringLiteral("FormSelectSector"));
    setWindowTitle(QStringLiteral("行業 Sector"));
    setFont(DesignFontPixels(QStringLiteral("新細明體"), 16));
    setFixedSize(479, 161);

    auto* layout = new QVBoxLayout(this);
    GroupBox1 = new QGroupBox(QStringLiteral("請選擇納稅人所屬之行業"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* group = new QVBoxLayout(GroupBox1);
    Label3 = new QLabel(QStringLiteral("Por favor, seleccione o sector a que pertence o contribuinte"), GroupBox1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(DesignFontPixels(QStringLiteral("Arial"), 16));
    group->addWidget(Label3);
    auto* choices = new QHBoxLayout;
    choices->addWidget(choiceColumn(GroupBox1, RadioButtonSegurador, Label2, "RadioButtonSegurador",
                                    QStringLiteral("保險業"), "Label2", QStringLiteral("Sector &Segurador")));
    choices->addWidget(choiceColumn(GroupBox1, RadioButtonBank, LabelBank, "RadioButtonBank", QStringLiteral("銀行業"),
                                    "LabelBank",
                                    QStringLiteral("Sector &Banc") + AC(QStringLiteral("a/")) + QStringLiteral("rio")));
    choices->addWidget(choiceColumn(GroupBox1, RadioButtonGeral, Label1, "RadioButtonGeral", QStringLiteral("其他"),
                                    "Label1", QStringLiteral("&Outros")));
    group->addLayout(choices);
    layout->addWidget(GroupBox1);
    // Each button sits in a column of its own with its label: one group keeps them exclusive.
    auto* exclusive = new QButtonGroup(this);
    for (QRadioButton* radio : {RadioButtonSegurador, RadioButtonBank, RadioButtonGeral})
        exclusive->addButton(radio);
    RadioButtonGeral->setChecked(true);

    auto* buttons = new QHBoxLayout;
    BitBtn1 = new QPushButton(QStringLiteral("確定 C&onfirmar"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("取消 &Cancelar"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    layout->addLayout(buttons);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormSelectSector::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFormSelectSector::FormShow()
{
    switch (ChoiceOfSectorId(SectorOf(dm_))) {
    case SectorChoice::Segurador: RadioButtonSegurador->setChecked(true); break;
    case SectorChoice::Bank: RadioButtonBank->setChecked(true); break;
    case SectorChoice::Geral: RadioButtonGeral->setChecked(true); break;
    }
}

void TFormSelectSector::done(int result)
{
    try {
        FormClose(result);
    } catch (const std::exception& e) {
        ShowPlainMessage(QString::fromUtf8(e.what()));
    }
    QDialog::done(result);
}

void TFormSelectSector::FormClose(int result)
{
    qx::ClientDataSet& sys = dm_.cdsSys;
    if (!sys.active())
        return;
    if (result == QDialog::Accepted) {
        const SectorChoice choice = RadioButtonSegurador->isChecked() ? SectorChoice::Segurador
                                    : RadioButtonBank->isChecked()    ? SectorChoice::Bank
                                                                      : SectorChoice::Geral;
        WriteSectorId(sys, SectorIdOfChoice(choice));
    } else if (!IsValidSectorId(SectorOf(dm_))) {
        WriteSectorId(sys, 0);
    }
}
