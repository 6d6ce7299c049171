#include "ui/dialogs/TFormSelectTaxas.h"

#include "core/module/TdmMain.h"
#include "core/util/Accents.h"
#include "core/util/Clock.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/DataMemo.h"
#include "platform/widgets/DataSource.h"
#include "platform/widgets/PlatformColor.h"
#include "platform/widgets/ScreenFonts.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

enum Column { ColCodigo = 0, ColTipoChn = 1, ColTipoPor = 2, ColTaxa = 3, ColAnos = 4 };

// A lowered heading cell: the Chinese caption over the Portuguese one, `width` wide or as wide as
// its captions need at the program's fonts.
QLabel* headingCell(QWidget* parent, int width, const QString& chn, QLabel** porLabel, const QString& por)
{
    auto* cell = new QLabel(parent);
    cell->setFrameShape(QFrame::Panel);
    cell->setFrameShadow(QFrame::Sunken);
    auto* column = new QVBoxLayout(cell);
    column->setContentsMargins(1, 1, 1, 1);
    column->setSpacing(0);
    auto* top = new QLabel(chn, cell);
    top->setAlignment(Qt::AlignCenter);
    auto* bottom = new QLabel(por, cell);
    bottom->setAlignment(Qt::AlignCenter);
    column->addWidget(top);
    column->addWidget(bottom);
    const int captions = qMax(top->sizeHint().width(), bottom->sizeHint().width());
    cell->setFixedWidth(qMax(width, captions + 2 * (cell->frameWidth() + 1) + 4));
    if (porLabel)
        *porLabel = bottom;
    return cell;
}

GridColumn gridColumn(const char16_t* field, int width, std::optional<QFont> font = std::nullopt)
{
    GridColumn column;
    column.fieldName = QString::fromUtf16(field);
    column.width = width;
    column.font = std::move(font);
    return column;
}

// A 150 x 15 tab picture with the language's name.
QPixmap tabPicture(const QString& name, const QFont& font)
{
    QPixmap pixmap(150, 15);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setFont(font);
    p.setPen(QColor(64, 64, 64));
    p.drawText(pixmap.rect(), Qt::AlignCenter, name);
    return pixmap;
}

DataMemo* notesMemo(QWidget* page, DataSource* source, const char* field, const QFont& font)
{
    auto* memo = new DataMemo(page);
    memo->setObjectName(QStringLiteral("DBMemo") + QLatin1String(field));
    memo->setReadOnly(true);
    memo->setFont(font);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    memo->setPalette(palette);
    memo->setDataSource(source);
    memo->setDataField(QLatin1String(field));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo);
    return memo;
}

}  // namespace

TFormSelectTaxas::TFormSelectTaxas(TdmMain& dm, QWidget* parent) : QDialog(parent), dm_(dm)
{
    setObjectName(QStringLiteral("FormSelectTaxas"));
    setWindowTitle(QStringLiteral("請選擇 ..."));
    // A dialog border: a title and a close box, no maximising, a fixed size (set below).
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // Title.
    auto* panel2 = new QWidget(this);
    panel2->setFixedHeight(60);
    auto* titles = new QVBoxLayout(panel2);
    Label1 = new QLabel(QStringLiteral("固定資產重置與攤折之最高率表"), panel2);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(DesignFontPixels(QStringLiteral("新細明體"), 19));
    Label1->setAlignment(Qt::AlignCenter);
    LabelTitle_Por = new QLabel(QStringLiteral("TABELA DAS TAXAS M") + AC(QStringLiteral("A/"))
                                    + QStringLiteral("XIMAS DE REINTEGRA") + AC(QStringLiteral("C,A~"))
                                    + QStringLiteral("O E AMORTIZA") + AC(QStringLiteral("C,A~")) + QStringLiteral("O"),
                                panel2);
    LabelTitle_Por->setObjectName(QStringLiteral("LabelTitle_Por"));
    LabelTitle_Por->setFont(DesignFontPixels(QStringLiteral("Arial"), 16));
    LabelTitle_Por->setAlignment(Qt::AlignCenter);
    titles->addWidget(Label1);
    titles->addWidget(LabelTitle_Por);
    layout->addWidget(panel2);

    // Column heading, matching the grid.
    auto* panel3 = new QWidget(this);
    panel3->setFixedHeight(36);
    auto* heading = new QHBoxLayout(panel3);
    heading->setContentsMargins(0, 0, 0, 0);
    heading->setSpacing(0);
    QLabel* headCodigo = headingCell(panel3, 50, QStringLiteral("編號"), &LabelCodigo,
                                     QStringLiteral("C") + AC(QStringLiteral("o/")) + QStringLiteral("digo"));
    heading->addWidget(headCodigo);
    PanelTipo_Chn = new QLabel(QStringLiteral("類別"), panel3);
    PanelTipo_Chn->setObjectName(QStringLiteral("PanelTipo_Chn"));
    PanelTipo_Chn->setFrameShape(QFrame::Panel);
    PanelTipo_Chn->setFrameShadow(QFrame::Sunken);
    PanelTipo_Chn->setAlignment(Qt::AlignCenter);
    PanelTipo_Chn->setFixedWidth(431);
    PanelTipo_Por = new QLabel(QStringLiteral("Tipo"), PanelTipo_Chn);
    PanelTipo_Por->setObjectName(QStringLiteral("PanelTipo_Por"));
    PanelTipo_Por->setAlignment(Qt::AlignCenter);
    PanelTipo_Por->setAutoFillBackground(true);
    PanelTipo_Por->setVisible(false);
    auto* fill = new QVBoxLayout(PanelTipo_Chn);
    fill->setContentsMargins(1, 1, 1, 1);
    fill->addWidget(PanelTipo_Por);
    heading->addWidget(PanelTipo_Chn);
    QLabel* headTaxa = headingCell(panel3, 63, QStringLiteral("攤折率"), nullptr, QStringLiteral("Taxas"));
    QLabel* headAnos = headingCell(panel3, 67, QStringLiteral("年數"), &LabelNo_de_Anos,
                                   QStringLiteral("N") + AC(QStringLiteral("o_")) + QStringLiteral(". de Anos"));
    heading->addWidget(headTaxa);
    heading->addWidget(headAnos);
    heading->addStretch(1);
    layout->addWidget(panel3);

    // The table.
    DataSourceTaxas = new DataSource(this);
    DataSourceTaxas->setObjectName(QStringLiteral("DataSourceTaxas"));
    DataSourceTaxas->setAutoEdit(false);
    DataSourceTaxas->setDataSet(&dm.cdsTaxMaxReintAmor);
    Splitter1 = new QSplitter(Qt::Vertical, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(5);
    DBGridTaxas = new DataGrid(Splitter1);
    DBGridTaxas->setObjectName(QStringLiteral("DBGridTaxas"));
    DBGridTaxas->setReadOnly(true);
    DBGridTaxas->setFont(DesignFontPixels(QStringLiteral("Courier New"), 13));
    DBGridTaxas->horizontalHeader()->hide();
    DBGridTaxas->verticalHeader()->hide();
    DBGridTaxas->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGridTaxas->setShowGrid(true);
    QFont turkishCourier = DesignFontPixels(QStringLiteral("Courier New"), 13);
    // Each column under its heading cell (the cells a column line wider).
    const int widths[] = {headCodigo->minimumWidth() - 2, PanelTipo_Chn->minimumWidth() - 1, PanelTipo_Chn->minimumWidth() - 1,
                          headTaxa->minimumWidth() - 2, headAnos->minimumWidth() - 2};
    DBGridTaxas->setColumns({
        gridColumn(u"Codigo", widths[ColCodigo]),
        gridColumn(u"Tipo_Chn", widths[ColTipoChn]),
        gridColumn(u"Tipo_Por", widths[ColTipoPor], turkishCourier),
        gridColumn(u"Taxa", widths[ColTaxa]),
        gridColumn(u"No_de_Anos", widths[ColAnos]),
    });
    DBGridTaxas->setDataSource(DataSourceTaxas);
    for (int column : {ColCodigo, ColTipoChn, ColTaxa, ColAnos})
        DBGridTaxas->setColumnWidth(column, widths[column]);
    DBGridTaxas->setColumnHidden(ColTipoPor, true);
    // The current row in the highlight colour, aqua where the grid draws it without focus;
    // the group heading rows in the button-face grey.
    QPalette gridPalette = DBGridTaxas->palette();
    gridPalette.setColor(QPalette::Inactive, QPalette::Highlight, PlatformColor(clAqua));
    gridPalette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    DBGridTaxas->setPalette(gridPalette);
    const int isHeader = dm.cdsTaxMaxReintAmor.fieldByName(u"Is_Header").index();
    const QColor buttonFace = palette().color(QPalette::Button);
    DBGridTaxas->gridModel()->cellStyle = [isHeader, buttonFace](int, const std::vector<qx::Value>& row,
                                                                   GridCellStyle& style) {
        if (std::size_t(isHeader) < row.size() && std::holds_alternative<bool>(row[std::size_t(isHeader)])
            && std::get<bool>(row[std::size_t(isHeader)]))
            style.background = buttonFace;
    };
    connect(DBGridTaxas, &DataGrid::cellDoubleClicked, this, [this] { DBGridTaxasDblClick(); });

    // Language, buttons and notes.
    auto* panel1 = new QWidget(Splitter1);
    panel1->setObjectName(QStringLiteral("Panel1"));
    auto* bottom = new QVBoxLayout(panel1);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->setSpacing(0);
    auto* panel9 = new QWidget(panel1);
    panel9->setFixedHeight(45);
    auto* choices = new QHBoxLayout(panel9);
    RadioButtonChinese = new QRadioButton(QStringLiteral("中文"), panel9);
    RadioButtonChinese->setObjectName(QStringLiteral("RadioButtonChinese"));
    RadioButtonChinese->setChecked(true);
    RadioButtonPortugues = new QRadioButton(panel9);
    RadioButtonPortugues->setObjectName(QStringLiteral("RadioButtonPortugues"));
    LabelPortugues = new QLabel(QStringLiteral("Portugu") + AC(QStringLiteral("e^")) + QStringLiteral("s"), panel9);
    LabelPortugues->setObjectName(QStringLiteral("LabelPortugues"));
    LabelPortugues->installEventFilter(this);
    btnOK = new QPushButton(QStringLiteral("確定 Ok"), panel9);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("取消 Cancel"), panel9);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    choices->addWidget(RadioButtonChinese);
    choices->addWidget(RadioButtonPortugues);
    choices->addWidget(LabelPortugues);
    choices->addStretch(1);
    choices->addWidget(btnOK);
    choices->addWidget(BitBtn2);
    bottom->addWidget(panel9);
    PageControl = new QTabWidget(panel1);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setIconSize(QSize(150, 15));
    TabSheetObs_Chn = new QWidget;
    TabSheetObs_Chn->setObjectName(QStringLiteral("TabSheetObs_Chn"));
    TabSheetObs_Por = new QWidget;
    TabSheetObs_Por->setObjectName(QStringLiteral("TabSheetObs_Por"));
    MemoObs_Chn = notesMemo(TabSheetObs_Chn, DataSourceTaxas, "Obs_Chn", DesignFontPixels(QStringLiteral("新細明體"), 15));
    MemoObs_Por = notesMemo(TabSheetObs_Por, DataSourceTaxas, "Obs_Por", DesignFontPixels(QStringLiteral("Arial"), 15));
    PageControl->addTab(TabSheetObs_Chn, QIcon(tabPicture(QStringLiteral("中文"), Label1->font())), QString());
    PageControl->addTab(TabSheetObs_Por, QIcon(tabPicture(LabelPortugues->text(), LabelTitle_Por->font())), QString());
    bottom->addWidget(PageControl, 1);
    auto* statusBar1 = new QStatusBar(panel1);
    statusBar1->setObjectName(QStringLiteral("StatusBar1"));
    statusBar1->setSizeGripEnabled(false);
    bottom->addWidget(statusBar1);
    Splitter1->addWidget(DBGridTaxas);
    Splitter1->addWidget(panel1);
    Splitter1->setCollapsible(1, false);
    panel1->setMinimumHeight(150);
    Splitter1->setSizes({300, 150});
    layout->addWidget(Splitter1, 1);

    // 639 × 515, wider by what the headings needed beyond their design widths.
    const int widened = headCodigo->minimumWidth() - 50 + headTaxa->minimumWidth() - 63 + headAnos->minimumWidth() - 67;
    setFixedSize(639 + widened, 515);

    connect(RadioButtonChinese, &QRadioButton::clicked, this, &TFormSelectTaxas::RadioButtonChineseClick);
    connect(RadioButtonPortugues, &QRadioButton::clicked, this, &TFormSelectTaxas::RadioButtonPortuguesClick);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    showLanguage(false);
}

TFormSelectTaxas::~TFormSelectTaxas() { DataSourceTaxas->setDataSet(nullptr); }

void TFormSelectTaxas::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormPaint();
}

void TFormSelectTaxas::FormPaint()
{
    qx::ClientDataSet& rates = dm_.cdsTaxMaxReintAmor;
    if (LocateCodigo.isEmpty() || !rates.active())
        return;
    rates.locate(QStringLiteral("Codigo"), {qx::Value(LocateCodigo)}, {.caseInsensitive = true, .partialKey = true});
    LocateCodigo.clear();  // also when nothing matched: once per showing
}

void TFormSelectTaxas::showLanguage(bool portuguese)
{
    DBGridTaxas->setColumnHidden(ColTipoPor, !portuguese);
    DBGridTaxas->setColumnHidden(ColTipoChn, portuguese);
    DBGridTaxas->setColumnWidth(portuguese ? ColTipoPor : ColTipoChn, PanelTipo_Chn->width() - 1);
    PanelTipo_Por->setVisible(portuguese);
    QTabBar* tabs = PageControl->tabBar();
    tabs->setTabVisible(0, !portuguese);
    tabs->setTabVisible(1, portuguese);
    PageControl->setCurrentIndex(portuguese ? 1 : 0);
}

void TFormSelectTaxas::RadioButtonChineseClick() { showLanguage(false); }

void TFormSelectTaxas::RadioButtonPortuguesClick() { showLanguage(true); }

void TFormSelectTaxas::LabelPortuguesClick()
{
    if (RadioButtonPortugues->isChecked())
        return;
    RadioButtonPortugues->setChecked(true);
    RadioButtonPortuguesClick();
}

bool TFormSelectTaxas::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == LabelPortugues && event->type() == QEvent::MouseButtonRelease) {
        LabelPortuguesClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormSelectTaxas::DBGridTaxasDblClick() { btnOK->click(); }

bool TFormSelectTaxas::FormCloseQuery(int result)
{
    if (result != QDialog::Accepted)
        return true;
    qx::ClientDataSet& rates = dm_.cdsTaxMaxReintAmor;
    SelectedRecNo = rates.recNo();
    const qx::Field* header = rates.active() ? rates.findField(u"Is_Header") : nullptr;
    if (header && !header->isNull() && header->asBoolean()) {
        Beep();
        return false;
    }
    return true;
}

void TFormSelectTaxas::FormClose() { LocateCodigo.clear(); }

void TFormSelectTaxas::done(int result)
{
    if (!FormCloseQuery(result))
        return;
    FormClose();
    QDialog::done(result);
}
