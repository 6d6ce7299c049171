#include "ui/framework/TFrameDBGridAlert.h"

#include "core/module/TdmMain.h"
#include "core/util/Accents.h"
#include "core/util/Messages.h"
#include "platform/widgets/DataAware.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/DataSource.h"
#include "platform/widgets/ScreenFonts.h"
#include "platform/widgets/WidgetColor.h"
#include "ui/framework/HandlerGuard.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QColor kErrorGrid(255, 202, 202);
const QColor kWarningGrid(221, 221, 255);
const QColor kSuggestionGrid(206, 255, 206);

struct PageOfCode {
    int objCode;
    const char* dataSet;
};

constexpr PageOfCode kAlertPages[] = {
    {200, "cdsSys"},           {1011, "cdsM1P1"},         {1012, "cdsM1P2"},         {1013, "cdsM1P3"},
    {2011, "cdsAnexoAP1"},     {2012, "cdsAnexoAP2"},     {2111, "cdsAnexoASegP1"},  {2112, "cdsAnexoASegP2"},
    {2211, "cdsAnexoABankP1"}, {2212, "cdsAnexoABankP2"}, {3011, "cdsAnexoBP1"},     {3012, "cdsAnexoBP2"},
    {3111, "cdsAnexoBSegP1"},  {3212, "cdsAnexoBSegP2"},  {3311, "cdsAnexoBBankP1"}, {3312, "cdsAnexoBBankP2"},
    {4011, "cdsM3P1"},         {6011, "cdsM4P1"},         {6012, "cdsM4P2"},
};

// The text colour of an alert row by its type.
QColor alertTextColor(int alertType)
{
    switch (alertType) {
    case 10: return QColor(255, 0, 0);
    case 20: return QColor(0, 0, 255);
    case 30: return QColor(0, 128, 0);
    default: return QColor(0, 0, 0);
    }
}

// The message dialog's type for an alert type: 10 error, 20 warning, anything else information.
std::uint8_t dialogTypeOf(int alertType)
{
    return alertType == 10 ? dtError : alertType == 20 ? dtWarning : dtInformation;
}

int intOf(const qx::Value& v)
{
    const auto* i = std::get_if<std::int32_t>(&v);
    return i ? *i : 0;
}

QLabel* whiteLabel(const QString& text, const QFont& font, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    SetWidgetColor(*label, QPalette::WindowText, Qt::white);
    return label;
}

}  // namespace

qx::ClientDataSet* AlertPageDataSet(int objCode)
{
    if (!dmMain)
        return nullptr;
    for (const PageOfCode& p : kAlertPages)
        if (p.objCode == objCode)
            return dmMain->DataSetByName(QString::fromLatin1(p.dataSet));
    return nullptr;
}

TFrameDBGridAlert::TFrameDBGridAlert(QWidget* parent) : QFrame(parent), PageDataSetOf(AlertPageDataSet)
{
    resize(976, 88);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    Panel1 = new QWidget(this);
    Panel1->setFixedHeight(20);
    Panel1->setAutoFillBackground(true);
    SetWidgetColor(*Panel1, QPalette::Window, palette().color(QPalette::Active, QPalette::Highlight));
    auto* bar = new QHBoxLayout(Panel1);
    bar->setContentsMargins(0, 0, 0, 0);
    const QFont chinese = DesignFontPixels(QStringLiteral("新細明體"), 12);
    const QFont arial = DesignFontPixels(QStringLiteral("Arial"), 12);
    Label1 = whiteLabel(QStringLiteral("　請注意　"), chinese, Panel1);
    Label1->setFixedWidth(60);
    LabelAtencao_Por = whiteLabel(QStringLiteral("Aten") + AC(QStringLiteral("c,a~")) + QStringLiteral("o"), arial, Panel1);
    bar->addWidget(Label1);
    bar->addWidget(LabelAtencao_Por);
    bar->addStretch();
    Panel2 = new QWidget(Panel1);
    auto* langs = new QHBoxLayout(Panel2);
    langs->setContentsMargins(0, 0, 8, 0);
    RadioButtonChinese = new QRadioButton(QStringLiteral("中文"), Panel2);
    RadioButtonChinese->setFont(chinese);
    RadioButtonChinese->setPalette(Label1->palette());
    RadioButtonChinese->setChecked(true);
    RadioButtonPortugues = new QRadioButton(Panel2);
    RadioButtonPortugues->setFont(arial);
    LabelPortugues = whiteLabel(QStringLiteral("Portugu") + AC(QStringLiteral("e^")) + QStringLiteral("s"), arial, Panel2);
    LabelPortugues->setBuddy(RadioButtonPortugues);
    LabelPortugues->setEnabled(RadioButtonPortugues->isEnabled());
    LabelPortugues->installEventFilter(this);
    langs->addWidget(RadioButtonChinese);
    langs->addWidget(RadioButtonPortugues);
    langs->addWidget(LabelPortugues);
    Panel2->setMinimumWidth(qMax(160, langs->sizeHint().width() + 8));  // wider where the fonts need it
    bar->addWidget(Panel2);
    outer->addWidget(Panel1);

    DataSourceCur_DB_Alert = new DataSource(this);
    DataSourceCur_DB_Alert->setAutoEdit(false);
    DBGridAlert = new DataGrid(this);
    DBGridAlert->setReadOnly(true);
    DBGridAlert->setCursor(Qt::PointingHandCursor);
    DBGridAlert->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGridAlert->setFont(DesignFontPixels(QStringLiteral("Arial"), 13));
    DBGridAlert->horizontalHeader()->setFont(DesignFontPixels(QStringLiteral("Arial"), 13));
    // A title wider than its column shows its beginning; the message column fills the grid.
    DBGridAlert->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    DBGridAlert->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    DBGridAlert->setToolTip(QStringLiteral("單擊 Click - 跳至出現問題之欄位\n雙擊 Double Click - 顯示完整之信息"));
    DBGridAlert->setDataSource(DataSourceCur_DB_Alert);
    const QFont cell = DesignFontPixels(QStringLiteral("新細明體"), 13);
    DBGridAlert->setColumns({
        {QStringLiteral("Alert_Type_Chn"), {}, 80, Qt::AlignCenter, cell},
        {QStringLiteral("Msg_Code"), {}, 50, Qt::AlignCenter, {}},
        {QStringLiteral("Msg_Chn"), {}, 300, Qt::AlignLeft | Qt::AlignVCenter, cell},
    });
    DBGridAlert->gridModel()->cellStyle = [this](int, const std::vector<qx::Value>& values, GridCellStyle& style) {
        const qx::Field* type = cdsCur_DB_Alert ? cdsCur_DB_Alert->findField(u"Alert_Type") : nullptr;
        style.text = alertTextColor(type ? intOf(values[std::size_t(type->index())]) : 0);
    };
    SetWidgetColor(*DBGridAlert->horizontalHeader(), QPalette::ButtonText, Qt::blue);
    fitColumnTitles();
    outer->addWidget(DBGridAlert);

    connect(DataSourceCur_DB_Alert, &DataSource::dataChanged, this, [this] { RunGuarded([this] { UpdateAlertFrameVisibility(); }); });
    connect(DataSourceCur_DB_Alert, &DataSource::stateChanged, this, [this] { RunGuarded([this] { UpdateAlertFrameVisibility(); }); });
    connect(DBGridAlert, &DataGrid::cellClicked, this, [this](int column) {
        RunGuarded([&] {
            if (OnCellClick)
                OnCellClick(column);
            else
                DBGridAlertCellClick(column);
        });
    });
    connect(DBGridAlert, &DataGrid::cellDoubleClicked, this, [this] { RunGuarded([this] { DBGridAlertDblClick(); }); });
    connect(RadioButtonChinese, &QRadioButton::clicked, this, [this] { RunGuarded([this] { RadioButtonChineseClick(); }); });
    connect(RadioButtonPortugues, &QRadioButton::clicked, this, [this] { RunGuarded([this] { RadioButtonChineseClick(); }); });
}

TFrameDBGridAlert::~TFrameDBGridAlert()
{
    DataSourceCur_DB_Alert->disconnect(this);
    DataSourceCur_DB_Alert->setDataSet(nullptr);
}

void TFrameDBGridAlert::BindToPage()
{
    if (!dmMain)
        return;
    DataSourceCur_DB_Alert->setDataSet(nullptr);
    cdsCur_DB_Alert = dmMain->cdsAlert.cloneCursor();
    cdsCur_DB_Alert->setIndexFieldNames(QStringLiteral("Alert_Seq"));
    cdsCur_DB_Alert->setFilter(QStringLiteral("Obj_Code=%1").arg(ObjCode));
    cdsCur_DB_Alert->setFiltered(true);
    if (cdsCur_DB_Alert->active())
        cdsCur_DB_Alert->first();
    DataSourceCur_DB_Alert->setDataSet(cdsCur_DB_Alert.get());
    UpdateAlertFrameVisibility();
}

bool TFrameDBGridAlert::cloneHasRows() const
{
    return cdsCur_DB_Alert && cdsCur_DB_Alert->active() && cdsCur_DB_Alert->recordCount() > 0;
}

void TFrameDBGridAlert::UpdateAlertFrameVisibility()
{
    if (cloneHasRows()) {
        if (isHidden()) {
            show();
            if (Splitter)
                Splitter->show();
        }
        ColorAlertGrid();
        return;
    }
    if (Splitter)
        Splitter->hide();
    hide();
}

// The presence of a type is read row by row without moving the clone's cursor.
bool TFrameDBGridAlert::hasAlertType(int type) const
{
    const qx::Field* field = cdsCur_DB_Alert->findField(u"Alert_Type");
    if (!field)
        return false;
    for (int r = 1; r <= cdsCur_DB_Alert->recordCount(); ++r)
        if (intOf(cdsCur_DB_Alert->rowValue(r, field->index())) == type)
            return true;
    return false;
}

void TFrameDBGridAlert::ColorAlertGrid()
{
    QColor color = QApplication::palette().color(QPalette::Base);
    if (cdsCur_DB_Alert && cdsCur_DB_Alert->active()) {
        if (hasAlertType(10))
            color = kErrorGrid;
        else if (hasAlertType(20))
            color = kWarningGrid;
        else if (hasAlertType(30))
            color = kSuggestionGrid;
    }
    DBGridAlert->setGridColor(color);
}

QString TFrameDBGridAlert::CurrentFieldName() const
{
    if (!cloneHasRows())
        return {};
    return cdsCur_DB_Alert->fieldByName(u"Field_Name").asString();
}

void TFrameDBGridAlert::DBGridAlertCellClick(int)
{
    const QString fieldName = CurrentFieldName();
    if (fieldName.isEmpty())
        return;
    qx::ClientDataSet* page = PageDataSetOf ? PageDataSetOf(ObjCode) : nullptr;
    if (!page)
        return;
    page->fieldByName(fieldName);  // a name the page does not hold is an error
    FocusField(*page, fieldName);
}

void TFrameDBGridAlert::DBGridAlertDblClick()
{
    if (!cloneHasRows())
        return;
    qx::ClientDataSet& a = *cdsCur_DB_Alert;
    ShowMultiLangMsg(a.fieldByName(u"Msg_Chn").asString(), a.fieldByName(u"Msg_Por").asString(), QString(),
                     dialogTypeOf(a.fieldByName(u"Alert_Type").asInteger()), a.fieldByName(u"Msg_Code").asString());
}

void TFrameDBGridAlert::RadioButtonChineseClick()
{
    const bool chinese = RadioButtonChinese->isChecked();
    DataGridModel& model = *DBGridAlert->gridModel();
    std::vector<GridColumn> columns = model.columns();
    QFont font = *columns[0].font;
    SetDesignFamily(font, chinese ? QStringLiteral("新細明體") : QStringLiteral("Arial"));
    columns[0].fieldName = chinese ? QStringLiteral("Alert_Type_Chn") : QStringLiteral("Alert_Type_Por");
    columns[0].font = font;
    columns[2].fieldName = chinese ? QStringLiteral("Msg_Chn") : QStringLiteral("Msg_Por");
    columns[2].font = font;
    std::vector<int> widths;
    for (int c = 0; c < int(columns.size()); ++c)
        widths.push_back(DBGridAlert->columnWidth(c));
    for (int c = 0; c < int(columns.size()); ++c)
        columns[std::size_t(c)].width = widths[std::size_t(c)];
    DBGridAlert->setColumns(std::move(columns));
    fitColumnTitles();
    FrameResize();
}

// The column titles (the field names) show whole: the type and code columns are widened to
// their titles where the fonts need more than the design widths; the message column fills the rest.
void TFrameDBGridAlert::fitColumnTitles()
{
    QHeaderView* titles = DBGridAlert->horizontalHeader();
    for (int c : {0, 1})
        DBGridAlert->setColumnWidth(c, qMax(DBGridAlert->columnWidth(c), titles->sectionSizeHint(c)));
}

int TFrameDBGridAlert::HeightForWholeRows(int designHeight) const
{
    const int row = qMax(1, DBGridAlert->verticalHeader()->defaultSectionSize());
    const int besidesRows = Panel1->minimumHeight() + 2 * DBGridAlert->frameWidth()
                            + DBGridAlert->horizontalHeader()->sizeHint().height();
    const int rows = qMax(1, (designHeight - besidesRows + row - 1) / row);
    return besidesRows + rows * row;
}

void TFrameDBGridAlert::LabelPortuguesClick()
{
    if (!RadioButtonPortugues->isChecked()) {
        RadioButtonPortugues->setChecked(true);
        RadioButtonChineseClick();
    }
}

void TFrameDBGridAlert::FrameResize()
{
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int indicator = DBGridAlert->verticalHeader()->isVisible() ? DBGridAlert->verticalHeader()->width() : 0;
    const int width = DBGridAlert->width() - indicator - DBGridAlert->columnWidth(0) - DBGridAlert->columnWidth(1) - 2 * scrollBar - 2;
    DBGridAlert->setColumnWidth(2, qMax(0, width));
}

void TFrameDBGridAlert::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    FrameResize();
}

bool TFrameDBGridAlert::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == LabelPortugues && event->type() == QEvent::MouseButtonRelease) {
        RunGuarded([this] { LabelPortuguesClick(); });
        return true;
    }
    return QFrame::eventFilter(watched, event);
}
