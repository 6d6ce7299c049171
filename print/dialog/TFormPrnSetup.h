#pragma once
// The print dialog: shown modally by an editor's print action after it set PageCode (and M1OnA4
// for M/1, PagNum and FaceNum for M/3). On show it recomputes and validates the declaration,
// gates the final print on the error alerts, lists the form's paper pages and shows the offsets
// stored for the selected page, this computer and the printer. It prints a test page (with
// calibration marks) or the final page through the report page the item stands for, and ticks
// what was printed for real during this showing.

#include "print/dialog/OffsetRoom.h"
#include "print/dialog/OffsetRows.h"
#include "print/dialog/PageList.h"
#include "print/dialog/PrintGate.h"
#include "print/dialog/PrintService.h"

#include <QDialog>
#include <map>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TdmMain;

class TFormPrnSetup : public QDialog {
    Q_OBJECT
public:
    // The report pages and the print service are not owned and outlive the dialog.
    TFormPrnSetup(TdmMain& dm, ReportPages& pages, PrintService& printService, QWidget* parent = nullptr);
    ~TFormPrnSetup() override;

    // ---- set by the caller before showing; kept between showings ----
    int PageCode = 0;
    bool M1OnA4 = false;
    int PagNum = 1;
    int FaceNum = 1;

    // ---- controls ----
    QLabel* PanelComputerName = nullptr;
    QLabel* PanelPrinterName = nullptr;
    int PanelPrinterNameTag = 0;  // index of the printer shown
    int LabelRpt_IDTag = 0;       // page code whose offsets are shown
    QLineEdit* EditTopMargin = nullptr;
    QLineEdit* EditLeftMargin = nullptr;
    QPushButton* btnSelectPrinter = nullptr;
    QPushButton* btnSaveSetting = nullptr;
    QListWidget* CheckListBoxRptPage = nullptr;
    QPushButton* btnPrintTestPage = nullptr;
    QPushButton* btnPrint = nullptr;
    QLabel* LabelWhyCannotPrintChn = nullptr;
    QLabel* LabelWhyCannotPrintPor = nullptr;

    // ---- handlers ----
    void FormShow();
    void FormClose();
    void CheckListBoxRptPageClick();
    void LoadPrinterSettings();
    bool ApplyPrinterSettings(bool quiet);
    void SavePrinterSettings();
    void btnSelectPrinterClick();
    void btnPrintClick(bool testPage);
    void LabelWhyCannotPrintClick();

    // ---- state, for the program's tools and tests ----
    bool CanPrint() const { return gate_.canPrint; }
    const PrintGate& Gate() const { return gate_; }
    ReportPage* CurrentReport() const { return currentReport_; }
    const PageList& PageItems() const { return list_; }
    bool ItemTicked(int index) const;
    // The decimal separator the offset edits take (the system's by default).
    void setDecimalSeparator(QChar separator) { decimalSeparator_ = separator; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct PageSettings {
        StoredOffsets margins;
        PrinterChoice printer;
    };
    QLineEdit& EditOf(OffsetEdge edge) const;
    // The text an offset edit goes back to when a value is refused: the last one shown or accepted.
    QString& AcceptedText(OffsetEdge edge) { return edge == OffsetEdge::Top ? acceptedTop_ : acceptedLeft_; }
    // Whether the offset keeps the current page's boxes on its paper; the message when it does not.
    bool OffsetFits(OffsetEdge edge, qx::Currency offset) const;
    void SayOffsetOffPaper(OffsetEdge edge, qx::Currency offset);
    // The offset in an edit. When it is no number, or would put the boxes off the paper, and not
    // quiet: says so and focuses the edit, which goes back to its accepted text in the latter case.
    std::optional<qx::Currency> ReadOffset(OffsetEdge edge, bool quiet);
    // An offset typed and left (or Enter): refused at once when it puts the boxes off the paper.
    void OffsetEditingFinished(OffsetEdge edge);
    PageSettings& SettingsOf(ReportPage& page);
    SharedKeyDefaults SharedDefaults() const;
    void FillPageList();
    void UpdateControls();
    // A printer (or a PDF file) is shown, under whose name offsets can be saved.
    bool PrinterShown() const;
    // The name the shown printer's offsets are kept under.
    QString ShownPrinterKey() const;
    bool SelectedItemPrints() const;
    int SelectedItem() const;
    template <typename Handler> void Guarded(Handler handler);

    TdmMain& dm_;
    ReportPages& pages_;
    PrintService& printService_;
    PrintGate gate_;
    PageList list_;
    ReportPage* currentReport_ = nullptr;
    std::map<ReportPage*, PageSettings> settings_;
    QChar decimalSeparator_;
    QString acceptedTop_;
    QString acceptedLeft_;
};
