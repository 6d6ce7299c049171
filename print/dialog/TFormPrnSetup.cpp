#include "print/dialog/TFormPrnSetup.h"

#include "core/calc/SectorOf.h"
#include "core/module/TdmMain.h"
#include "platform/widgets/ScreenFonts.h"
#include "core/util/Messages.h"
#include "core/util/SystemInfo.h"
#include "print/dialog/OffsetText.h"
#include "print/dialog/MarkedValuesQuestion.h"
#include "print/dialog/PageItemDelegate.h"
#include "print/dialog/PrintRecalc.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <initializer_list>

namespace {

const QString kNoPrinter = QStringLiteral("---");

int IntegerOf(qx::ClientDataSet& dataSet, const char* fieldName)
{
    if (!dataSet.active() || dataSet.isEmpty())
        return 0;
    const qx::Field* field = dataSet.findField(QString::fromLatin1(fieldName));
    return field ? field->asInteger() : 0;
}

// Stops a dataset's controls from following it while a report reads it.
class ControlsDisabled {
public:
    explicit ControlsDisabled(std::vector<qx::ClientDataSet*> dataSets) : dataSets_(std::move(dataSets))
    {
        for (qx::ClientDataSet* ds : dataSets_)
            ds->disableControls();
    }
    ~ControlsDisabled()
    {
        for (qx::ClientDataSet* ds : dataSets_)
            ds->enableControls();
    }
    ControlsDisabled(const ControlsDisabled&) = delete;
    ControlsDisabled& operator=(const ControlsDisabled&) = delete;

private:
    std::vector<qx::ClientDataSet*> dataSets_;
};

QLabel* LinkLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: blue"));
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

// Each page its own job name: a PDF printer names its file after it, so one page's file never
// replaces another's (the M/1 A3 sheets named apart from the A4 pages of the same code, as their
// offsets are kept apart), nor a final print its test page.
QString PrintJobName(const QString& pageKey, int pagNum, bool testPage)
{
    QString name = QStringLiteral("Quendrix ") + pageKey;
    if (pagNum > 1)
        name += QStringLiteral("-%1").arg(pagNum);
    return testPage ? name + QStringLiteral(" test") : name;
}

// The messages of the offset edits: an offset that is no number, and one that would put the
// page's boxes off its paper (%1 the offset, %2 and %3 the range that keeps them on it).
struct OffsetMessages {
    OffsetEdge edge;
    const char* notNumberChn;
    const char* notNumberPor;
    const char* notNumberCode;
    const char* offPaperChn;
    const char* offPaperPor;
    const char* offPaperCode;
};

constexpr OffsetMessages kOffsetMessages[] = {
    {OffsetEdge::Left, "請輸入正確的左邊界", "Por favor, insira um valor válido para a margem esquerda.", "PS-003",
     "左邊界 %1 mm 會使欄位印到紙張以外，請輸入 %2 至 %3 mm 之間的數值",
     "Com a margem esquerda de %1 mm os campos ficam fora do papel. Por favor, insira um valor entre %2 e %3 mm.",
     "PS-008"},
    {OffsetEdge::Top, "請輸入正確的上邊界", "Por favor, insira um valor válido para a margem de topo.", "PS-004",
     "上邊界 %1 mm 會使欄位印到紙張以外，請輸入 %2 至 %3 mm 之間的數值",
     "Com a margem de topo de %1 mm os campos ficam fora do papel. Por favor, insira um valor entre %2 e %3 mm.",
     "PS-009"},
};

const OffsetMessages& MessagesOf(OffsetEdge edge) { return kOffsetMessages[edge == OffsetEdge::Left ? 0 : 1]; }

QLabel* Panel(QWidget* parent)
{
    auto* panel = new QLabel(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setMinimumWidth(260);
    return panel;
}

}  // namespace

TFormPrnSetup::TFormPrnSetup(TdmMain& dm, ReportPages& pages, PrintService& printService, QWidget* parent)
    : QDialog(parent), dm_(dm), pages_(pages), printService_(printService), decimalSeparator_(SystemDecimalSeparator())
{
    setWindowTitle(QStringLiteral("列印設定 Configurar a Impressora"));
    setModal(true);

    PanelComputerName = Panel(this);
    PanelComputerName->setText(GetLocalComputerName());
    PanelPrinterName = Panel(this);
    EditTopMargin = new QLineEdit(this);
    EditLeftMargin = new QLineEdit(this);
    const QFont editFont = DesignFontPixels(QStringLiteral("Arial"), 13);
    for (QLineEdit* edit : {EditTopMargin, EditLeftMargin}) {
        edit->setFont(editFont);
        edit->setStyleSheet(QStringLiteral("color: blue"));
        edit->setMaximumWidth(90);
        edit->installEventFilter(this);
    }
    btnSelectPrinter = new QPushButton(QStringLiteral("轉換印表機"), this);
    btnSaveSetting = new QPushButton(QStringLiteral("儲存設定"), this);
    CheckListBoxRptPage = new QListWidget(this);
    CheckListBoxRptPage->setFont(DesignFontPixels(QStringLiteral("Courier New"), 13));
    CheckListBoxRptPage->setItemDelegate(new PageItemDelegate(CheckListBoxRptPage));
    CheckListBoxRptPage->setUniformItemSizes(true);
    btnPrintTestPage = new QPushButton(QStringLiteral("列印測試頁"), this);
    btnPrint = new QPushButton(QStringLiteral("正式列印"), this);
    // Enter in an offset edit must not press a button (a print is never started by accident).
    for (QPushButton* button : {btnSelectPrinter, btnSaveSetting, btnPrintTestPage, btnPrint})
        button->setAutoDefault(false);
    LabelWhyCannotPrintChn = LinkLabel(QStringLiteral("為何不能正式列印 ?"), this);
    LabelWhyCannotPrintPor = LinkLabel(QStringLiteral("Porque não pode imprimir a versão final?"), this);
    for (QLabel* link : {LabelWhyCannotPrintChn, LabelWhyCannotPrintPor}) {
        link->installEventFilter(this);
        link->hide();
    }

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("電腦 Computador"), this), 0, 0);
    grid->addWidget(PanelComputerName, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("印表機 Impressora"), this), 1, 0);
    grid->addWidget(PanelPrinterName, 1, 1, 1, 2);
    grid->addWidget(btnSelectPrinter, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("上邊界 Margem de Topo"), this), 2, 0);
    grid->addWidget(EditTopMargin, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("mm"), this), 2, 2);
    grid->addWidget(new QLabel(QStringLiteral("左邊界 Margem Esquerda"), this), 3, 0);
    grid->addWidget(EditLeftMargin, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("mm"), this), 3, 2);
    grid->addWidget(btnSaveSetting, 3, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnPrintTestPage);
    buttons->addWidget(btnPrint);
    auto* main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addWidget(CheckListBoxRptPage, 1);
    main->addLayout(buttons);
    main->addWidget(LabelWhyCannotPrintChn);
    main->addWidget(LabelWhyCannotPrintPor);
    resize(520, 440);

    // The selection, not the current row: a click on the list's empty space, or Ctrl and a click on
    // the item, leaves the current row where it was with nothing selected.
    connect(CheckListBoxRptPage, &QListWidget::itemSelectionChanged, this,
            [this] { Guarded([this] { CheckListBoxRptPageClick(); }); });
    for (const OffsetEdge edge : {OffsetEdge::Top, OffsetEdge::Left})
        connect(&EditOf(edge), &QLineEdit::editingFinished, this,
                [this, edge] { Guarded([this, edge] { OffsetEditingFinished(edge); }); });
    connect(btnSelectPrinter, &QPushButton::clicked, this, [this] { Guarded([this] { btnSelectPrinterClick(); }); });
    connect(btnSaveSetting, &QPushButton::clicked, this, [this] { Guarded([this] { SavePrinterSettings(); }); });
    connect(btnPrintTestPage, &QPushButton::clicked, this, [this] { Guarded([this] { btnPrintClick(true); }); });
    connect(btnPrint, &QPushButton::clicked, this, [this] { Guarded([this] { btnPrintClick(false); }); });
}

TFormPrnSetup::~TFormPrnSetup()
{
    // QDialog's destructor hides the dialog, which takes the focus from an offset box: its check
    // must not run on a dialog half destroyed.
    for (const OffsetEdge edge : {OffsetEdge::Top, OffsetEdge::Left})
        disconnect(&EditOf(edge), &QLineEdit::editingFinished, this, nullptr);
}

template <typename Handler>
void TFormPrnSetup::Guarded(Handler handler)
{
    try {
        handler();
    } catch (const qx::SilentAbort&) {
    } catch (const std::exception& e) {
        ShowMultiLangMsg(QString::fromUtf8(e.what()), QString::fromUtf8(e.what()), QString::fromUtf8(e.what()),
                         dtError, QString());
    }
}

void TFormPrnSetup::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Guarded([this] { FormShow(); });
}

void TFormPrnSetup::done(int result)
{
    FormClose();
    QDialog::done(result);
}

bool TFormPrnSetup::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == EditTopMargin || watched == EditLeftMargin)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        // Keys that type no character (arrows, Delete) edit as usual.
        if (text.size() == 1 && key->key() != Qt::Key_Delete &&
            !OffsetKeyPasses(text.front(), static_cast<QLineEdit*>(watched)->text(), decimalSeparator_))
            return true;
    }
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched == LabelWhyCannotPrintChn || watched == LabelWhyCannotPrintPor)) {
        Guarded([this] { LabelWhyCannotPrintClick(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

TFormPrnSetup::PageSettings& TFormPrnSetup::SettingsOf(ReportPage& page)
{
    auto it = settings_.find(&page);
    if (it == settings_.end())
        it = settings_.emplace(&page, PageSettings{{page.defaultTopMargin(), page.defaultLeftMargin()}, {}}).first;
    return it->second;
}

SharedKeyDefaults TFormPrnSetup::SharedDefaults() const
{
    SharedKeyDefaults defaults;
    if (ReportPage* own = pages_.reportPage(PageCode, M1OnA4))
        defaults.ownLeft = own->defaultLeftMargin();
    if (ReportPage* other = pages_.reportPage(PageCode, !M1OnA4))
        defaults.otherLeft = other->defaultLeftMargin();
    return defaults;
}

void TFormPrnSetup::FormShow()
{
    RecalcAndCheckForPrint(dm_);
    const int sectorId = SectorOf(dm_);  // -1 while no sector is chosen: no annex page is gated
    gate_ = CheckDeclarationPrintable(dm_.cdsAlert, sectorId);
    LabelWhyCannotPrintChn->setVisible(!gate_.canPrint);
    LabelWhyCannotPrintPor->setVisible(!gate_.canPrint);

    PageListInput input;
    input.pageCode = PageCode;
    input.m1OnA4 = M1OnA4;
    input.sectorId = sectorId;
    input.pagNum = PagNum;
    input.faceNum = FaceNum;
    const PageFamily family = FamilyOfPageCode(PageCode, M1OnA4);
    if (family == PageFamily::M3) {
        input.m3TotalPag = IntegerOf(dm_.cdsM3P1, "total_pag");
        input.m3LastFace = IntegerOf(dm_.cdsM3P1, "last_face");
    } else if (family == PageFamily::M3A) {
        for (qx::ClientDataSet* ds : {&dm_.cdsM3AAli, &dm_.cdsM3AAba, &dm_.cdsM3AObs})
            if (ds->active())
                ds->first();
        input.m3aAliPages = IntegerOf(dm_.cdsM3AAli, "ali_total_pag");
        input.m3aAbaPages = IntegerOf(dm_.cdsM3AAba, "aba_total_pag");
        input.m3aTotalPages = input.m3aAbaPages > 0   ? IntegerOf(dm_.cdsM3AAba, "m3a_total_pag")
                              : input.m3aAliPages > 0 ? IntegerOf(dm_.cdsM3AAli, "m3a_total_pag")
                                                      : 0;
        input.m3aObsHasText = [this](int page) { return dm_.ObsPageHasText(dm_.cdsM3AObs, page, false); };
    }
    list_ = BuildPageList(input);
    currentReport_ = nullptr;
    FillPageList();
    UpdateControls();
    layout()->activate();  // the links may have come or gone
}

void TFormPrnSetup::FillPageList()
{
    const QSignalBlocker blocker(CheckListBoxRptPage);
    CheckListBoxRptPage->clear();
    for (const PageItem& item : list_.items) {
        auto* row = new QListWidgetItem(item.text, CheckListBoxRptPage);
        row->setData(PageItemDelegate::EnabledRole, item.enabled);
        row->setData(Qt::CheckStateRole, Qt::Unchecked);
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    if (list_.initial >= 0) {
        CheckListBoxRptPage->setCurrentRow(list_.initial);
        CheckListBoxRptPageClick();
        LoadPrinterSettings();
    }
}

int TFormPrnSetup::SelectedItem() const
{
    const int row = CheckListBoxRptPage->currentRow();
    const QListWidgetItem* item = CheckListBoxRptPage->item(row);
    return item && item->isSelected() && row < int(list_.items.size()) ? row : -1;
}

bool TFormPrnSetup::SelectedItemPrints() const
{
    const int row = SelectedItem();
    return currentReport_ && row >= 0 && list_.items[row].enabled;
}

bool TFormPrnSetup::ItemTicked(int index) const
{
    const QListWidgetItem* row = CheckListBoxRptPage->item(index);
    return row && row->data(Qt::CheckStateRole).toInt() == Qt::Checked;
}

// One rule for every control, after every change: a page prints only when an item that can print
// is selected and its report page exists; offsets are saved only for a printer.
void TFormPrnSetup::UpdateControls()
{
    const bool selected = SelectedItem() >= 0 && currentReport_;
    EditTopMargin->setEnabled(selected);
    EditLeftMargin->setEnabled(selected);
    btnSelectPrinter->setEnabled(selected);
    btnSaveSetting->setEnabled(selected && PrinterShown() && dm_.cdsPrnSetup.active());
    btnPrintTestPage->setEnabled(SelectedItemPrints());
    btnPrint->setEnabled(SelectedItemPrints() && gate_.canPrint);
}

void TFormPrnSetup::CheckListBoxRptPageClick()
{
    const int code = PageCodeOfItem(list_, SelectedItem());
    if (code != 0) {
        PageCode = code;
        currentReport_ = pages_.reportPage(code, M1OnA4);
        LoadPrinterSettings();
    }
    UpdateControls();
}

void TFormPrnSetup::LoadPrinterSettings()
{
    if (!currentReport_)
        return;
    PageSettings& page = SettingsOf(*currentReport_);
    const bool toFile = !page.printer.pdfFile.isEmpty();
    const QStringList names = printService_.printerNames();
    // A chosen printer is found again by its name, wherever the list has moved it; a page without
    // one, or whose printer is gone, shows the system's current printer.
    int index = -1;
    if (!toFile) {
        index = page.printer.name.isEmpty() ? page.printer.index : int(names.indexOf(page.printer.name));
        if (index < 0)
            index = printService_.currentPrinterIndex();
    }
    if (index >= names.size())
        index = -1;
    // A PDF file is shown in the program's two languages and keeps its offsets under the name
    // stored folders know it by.
    const QString name = toFile ? PdfFilePrinterCaption() : index >= 0 ? names[index] : kNoPrinter;
    PanelPrinterName->setToolTip(toFile ? page.printer.pdfFile : QString());
    if (PanelPrinterName->text() == name && PanelPrinterNameTag == index && LabelRpt_IDTag == PageCode)
        return;
    PanelPrinterName->setText(name);
    PanelPrinterNameTag = index;
    LabelRpt_IDTag = PageCode;
    if (PrinterShown()) {
        const OffsetOwner owner{PageCode, M1OnA4, PanelComputerName->text(), ShownPrinterKey()};
        // Stored offsets that would put the page off its paper (a folder from another computer)
        // are refused as typed ones are; the page keeps the offsets it had.
        if (const auto stored = FindStoredOffsets(dm_.cdsPrnSetup, owner, SharedDefaults())) {
            if (!OffsetFits(OffsetEdge::Left, stored->left))
                SayOffsetOffPaper(OffsetEdge::Left, stored->left);
            else if (!OffsetFits(OffsetEdge::Top, stored->top))
                SayOffsetOffPaper(OffsetEdge::Top, stored->top);
            else
                page.margins = *stored;
        }
    }
    acceptedTop_ = FormatOffset(page.margins.top, decimalSeparator_);
    acceptedLeft_ = FormatOffset(page.margins.left, decimalSeparator_);
    EditTopMargin->setText(acceptedTop_);
    EditLeftMargin->setText(acceptedLeft_);
    UpdateControls();
}

bool TFormPrnSetup::PrinterShown() const
{
    return PanelPrinterNameTag >= 0 || PanelPrinterName->text() == PdfFilePrinterCaption();
}

QString TFormPrnSetup::ShownPrinterKey() const
{
    return PanelPrinterName->text() == PdfFilePrinterCaption() ? PdfFilePrinterName() : PanelPrinterName->text();
}

QLineEdit& TFormPrnSetup::EditOf(OffsetEdge edge) const
{
    return edge == OffsetEdge::Top ? *EditTopMargin : *EditLeftMargin;
}

bool TFormPrnSetup::OffsetFits(OffsetEdge edge, qx::Currency offset) const
{
    return OffsetRangeOf(*currentReport_, edge).holds(offset);
}

void TFormPrnSetup::SayOffsetOffPaper(OffsetEdge edge, qx::Currency offset)
{
    const OffsetRange range = ShownOffsetRange(OffsetRangeOf(*currentReport_, edge));
    const auto say = [&](const char* text) {
        return QString::fromUtf8(text).arg(FormatOffset(offset, decimalSeparator_),
                                          FormatOffset(range.min, decimalSeparator_),
                                          FormatOffset(range.max, decimalSeparator_));
    };
    const OffsetMessages& m = MessagesOf(edge);
    ShowMultiLangMsg(say(m.offPaperChn), say(m.offPaperPor), QString(), dtError, QString::fromLatin1(m.offPaperCode));
}

std::optional<qx::Currency> TFormPrnSetup::ReadOffset(OffsetEdge edge, bool quiet)
{
    QLineEdit& edit = EditOf(edge);
    const OffsetMessages& m = MessagesOf(edge);
    const auto value = ParseOffset(edit.text(), decimalSeparator_);
    if (!value) {
        if (!quiet) {
            ShowMultiLangMsg(QString::fromUtf8(m.notNumberChn), QString::fromUtf8(m.notNumberPor), QString(), dtError,
                             QString::fromLatin1(m.notNumberCode));
            edit.setFocus();
        }
        return std::nullopt;
    }
    if (!OffsetFits(edge, *value)) {
        if (!quiet) {
            edit.setText(AcceptedText(edge));
            SayOffsetOffPaper(edge, *value);
            edit.setFocus();
        }
        return std::nullopt;
    }
    AcceptedText(edge) = edit.text();
    return value;
}

void TFormPrnSetup::OffsetEditingFinished(OffsetEdge edge)
{
    // A text that is no number waits for the print or the save, which name it.
    if (currentReport_ && ParseOffset(EditOf(edge).text(), decimalSeparator_))
        ReadOffset(edge, false);
}

bool TFormPrnSetup::ApplyPrinterSettings(bool quiet)
{
    if (!currentReport_)
        return false;
    // Left first; in quiet mode a bad left value leaves the top value unread.
    const auto left = ReadOffset(OffsetEdge::Left, quiet);
    if (!left && !quiet)
        return false;
    std::optional<qx::Currency> top;
    if (left) {
        top = ReadOffset(OffsetEdge::Top, quiet);
        if (!top && !quiet)
            return false;
    }
    PageSettings& page = SettingsOf(*currentReport_);
    // The page prints on the printer shown, or on none: never on another that took its place.
    if (PanelPrinterNameTag >= 0)
        page.printer = {PanelPrinterNameTag, QString(), PanelPrinterName->text()};
    else if (!PrinterShown())
        page.printer = {};
    if (!left || !top)
        return false;
    page.margins = {*top, *left};
    return true;
}

void TFormPrnSetup::SavePrinterSettings()
{
    // Without a page chosen or a printer there is no row that a later show could find again.
    if (!currentReport_ || SelectedItem() < 0 || !PrinterShown() || !dm_.cdsPrnSetup.active())
        return;
    if (!ApplyPrinterSettings(false))
        return;
    const OffsetOwner owner{PageCode, M1OnA4, PanelComputerName->text(), ShownPrinterKey()};
    StoreOffsets(dm_.cdsPrnSetup, owner, SharedDefaults(), SettingsOf(*currentReport_).margins);
}

void TFormPrnSetup::btnSelectPrinterClick()
{
    if (!currentReport_ || SelectedItem() < 0)
        return;
    ApplyPrinterSettings(true);
    printService_.setupPrinter(this, *currentReport_, SettingsOf(*currentReport_).printer);
    LoadPrinterSettings();
}

void TFormPrnSetup::btnPrintClick(bool testPage)
{
    if (!SelectedItemPrints() || (!testPage && !gate_.canPrint))
        return;
    if (!ApplyPrinterSettings(false))
        return;
    const int item = SelectedItem();
    PageSettings& page = SettingsOf(*currentReport_);
    PagePrintRequest request{page.margins.top, page.margins.left, testPage, 1, QString()};
    std::vector<qx::ClientDataSet*> lists;  // the lists the report reads row by row
    if (list_.family == PageFamily::M3) {
        lists = {&dm_.cdsM3VCLF};
        if (item >= 2)
            request.pagNum = item / 2 + 1;
    } else if (list_.family == PageFamily::M3A) {
        lists = {&dm_.cdsM3AAli, &dm_.cdsM3AAba};
        request.pagNum = (item + 2) / 2;
    }
    request.docName = PrintJobName(OffsetKey(PageCode, M1OnA4), request.pagNum, testPage);
    // A final print never puts '#' in place of a value without saying so first.
    if (!testPage) {
        std::vector<MarkedValue> marked;
        {
            const ControlsDisabled quiet(lists);
            marked = currentReport_->valuesPrintedAsMarks(request);
        }
        if (!ConfirmPrintWithMarks(marked, PageCode, SectorOf(dm_), PageItemTitle(list_, item)))
            return;
    }
    PrintFailure failure;
    PrintOutcome outcome = PrintOutcome::NothingToPrint;
    {
        const ControlsDisabled quiet(std::move(lists));
        outcome = printService_.print(*currentReport_, request, page.printer, failure);
    }
    if (outcome == PrintOutcome::Failed) {
        // Under each language's sentence, the cause in that language on a line of its own.
        const PrintFailureText cause = TextOfPrintFailure(failure);
        ShowMultiLangMsg(QStringLiteral("列印失敗。\r\n") + cause.chn, QStringLiteral("Falha na impressão.\r\n") + cause.por,
                         QString(), dtError, QStringLiteral("PS-006"));
        return;
    }
    if (outcome == PrintOutcome::Printed && !testPage)
        CheckListBoxRptPage->item(item)->setData(Qt::CheckStateRole, Qt::Checked);
}

void TFormPrnSetup::LabelWhyCannotPrintClick() { ShowWhyCannotPrint(gate_); }

void TFormPrnSetup::FormClose()
{
    currentReport_ = nullptr;
    PanelPrinterName->clear();
    PanelPrinterNameTag = 0;
}
