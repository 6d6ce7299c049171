#include "ui/editors/TListGridPage.h"

#include "core/module/TdmMain.h"
#include "core/util/Accents.h"
#include "core/util/Clock.h"
#include "core/util/RowMoves.h"
#include "platform/image/PagePicture.h"
#include "platform/layout/PageLayout.h"
#include "platform/widgets/DataEdit.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/DataNavigator.h"
#include "platform/widgets/DataSource.h"
#include "platform/widgets/DataText.h"
#include "platform/widgets/PlatformColor.h"
#include "platform/widgets/ScreenFonts.h"
#include "platform/widgets/WidgetColor.h"
#include "ui/editors/DepreciationProposal.h"
#include "ui/editors/LayoutBoxNames.h"
#include "ui/editors/RateTablePicker.h"
#include "ui/editors/TypeColumnLine.h"
#include "ui/framework/BoxNames.h"
#include "ui/framework/EditorTabs.h"
#include "ui/framework/HandlerGuard.h"
#include "ui/framework/PagePictureLabel.h"
#include "ui/framework/TFormFill.h"
#include "ui/framework/TFrameDBGridAlert.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

RateTablePicker* TListGridPage::picker_ = nullptr;

namespace {

const QColor kSilver(0xC0, 0xC0, 0xC0);

// The alert lists of every page stay as they are while a row action runs, and show the outcome
// once at its end.
class AlertsFrozen {
public:
    explicit AlertsFrozen(TFormFill& form)
    {
        for (int i = 0; i < form.PageCount(); ++i)
            if (TFrameDBGridAlert* frame = form.PageAt(i).FrameDBGridAlert; frame && frame->cdsCur_DB_Alert) {
                frame->cdsCur_DB_Alert->disableControls();
                frozen_.push_back(frame->cdsCur_DB_Alert.get());
            }
    }
    ~AlertsFrozen()
    {
        for (qx::ClientDataSet* ds : frozen_)
            ds->enableControls();
    }
    AlertsFrozen(const AlertsFrozen&) = delete;
    AlertsFrozen& operator=(const AlertsFrozen&) = delete;

private:
    std::vector<qx::ClientDataSet*> frozen_;
};

QLabel* label(QWidget* parent, const QString& text, const QString& name = {})
{
    auto* l = new QLabel(text, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    return l;
}

QWidget* colouredPanel(QWidget* parent, const QString& name, std::uint32_t colour)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    SetWidgetColor(*panel, QPalette::Window, PlatformColor(colour));
    return panel;
}

// A column's width on screen: its design width and its grid line.
int screenWidth(const ListColumn& c)
{
    return c.width + 1;
}

}  // namespace

void TListGridPage::SetRatePicker(RateTablePicker* picker) { picker_ = picker; }

RateTablePicker* TListGridPage::RatePicker() { return picker_; }

TListGridPage::TListGridPage(TFormFill& form, TdmMain& dm, const ListGridSpec& spec, DataSource& obsSource,
                             DataSource& totalPagSource)
    : QObject(&form),
      form_(form),
      dm_(dm),
      spec_(spec),
      list_(*form.PageAt(spec.page).spec.dataSet),
      source_(form.PageAt(spec.page).Source),
      obsSource_(obsSource),
      totalPagSource_(totalPagSource)
{
    buildGridPanel();
    buildObservations();
    buildActions();
}

int TListGridPage::columnOf(const char* field) const
{
    for (int c = 0; c < int(spec_.columns.size()); ++c)
        if (qstrcmp(spec_.columns[std::size_t(c)].field, field) == 0)
            return c;
    return -1;
}

// The scroll box's canvas: heading, grid and totals, as wide as the columns.
void TListGridPage::buildGridPanel()
{
    TFormFill::Page& page = form_.PageAt(spec_.page);
    canvas_ = page.Content;
    page.ImageForm->hide();
    page.ScrollBox->setWidgetResizable(true);
    auto* canvas = new QVBoxLayout(canvas_);
    canvas->setContentsMargins(0, 0, 0, 0);
    canvas->setSpacing(0);
    canvas->setSizeConstraint(QLayout::SetMinimumSize);
    buildHeading(*canvas);
    buildGrid(*canvas);
    buildTotals(*canvas);
}

// The heading picture in its coloured panel, after the page column(s)' own caption.
void TListGridPage::buildHeading(QBoxLayout& canvas)
{
    const QString n = QString::fromLatin1(spec_.suffix);
    int pageColumnsWidth = 0;
    for (int c = 0; c < columnOf("Codigo"); ++c)
        pageColumnsWidth += screenWidth(spec_.columns[std::size_t(c)]);
    const QImage heading = qx::pagePicture(QString::fromLatin1(spec_.heading));
    PanelGridHeader = colouredPanel(canvas_, QStringLiteral("Panel") + n + QStringLiteral("GridHeader"), kListPink);
    static_cast<QFrame*>(PanelGridHeader)->setFrameShape(QFrame::NoFrame);
    auto* header = new QHBoxLayout(PanelGridHeader);
    header->setContentsMargins(0, 0, 0, 0);
    header->setSpacing(0);
    auto* pagPanel = new QWidget(PanelGridHeader);
    pagPanel->setFixedWidth(pageColumnsWidth);
    auto* pagLabels = new QVBoxLayout(pagPanel);
    pagLabels->setContentsMargins(1, 0, 0, 0);
    pagLabels->addWidget(label(pagPanel, QString::fromUtf8(spec_.pagCaption)));
    pagLabels->addWidget(label(pagPanel, QStringLiteral("Pág."), QString::fromLatin1(spec_.labelPagPor)));
    header->addWidget(pagPanel);
    ImageGridHeader = label(PanelGridHeader, {}, QStringLiteral("Image") + n + QStringLiteral("GridHeader"));
    ImageGridHeader->setPixmap(QPixmap::fromImage(heading, Qt::NoFormatConversion));  // a grey heading stays grey
    ImageGridHeader->setFixedSize(heading.size());
    header->addWidget(ImageGridHeader);
    header->addStretch(1);
    PanelGridHeader->setFixedHeight(heading.height());
    canvas.addWidget(PanelGridHeader);
}

// No titles (the picture above is the heading), no row indicator; its own vertical scroll bar.
void TListGridPage::buildGrid(QBoxLayout& canvas)
{
    DBGrid = new DataGrid(canvas_);
    DBGrid->setObjectName(QStringLiteral("DBGrid") + QString::fromLatin1(spec_.suffix));
    SetFieldBoxNames(*DBGrid, HeadingColumnNames(qx::pageLayout(QString::fromLatin1(spec_.heading))));
    DBGrid->setFrameShape(QFrame::NoFrame);
    DBGrid->horizontalHeader()->hide();
    DBGrid->horizontalHeader()->setMinimumSectionSize(1);  // the face column is 14 pixels wide
    DBGrid->verticalHeader()->hide();
    DBGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    DBGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DBGrid->setFont(DesignFontPixels(QStringLiteral("Courier New"), 13));
    SetWidgetColor(*DBGrid, QPalette::Text, Qt::blue);
    DBGrid->setDataSource(source_);
    std::vector<GridColumn> columns;
    int gridWidth = 0;
    for (const ListColumn& c : spec_.columns) {
        GridColumn g;
        g.fieldName = QString::fromLatin1(c.field);
        g.width = screenWidth(c);
        g.ellipsis = c.ellipsis;
        columns.push_back(g);
        gridWidth += g.width;
    }
    DBGrid->setColumns(std::move(columns));
    DBGrid->setFixedWidth(gridWidth + DBGrid->verticalScrollBar()->sizeHint().width());
    DBGrid->setMinimumHeight(DBGrid->verticalHeader()->defaultSectionSize() * 4);
    DBGrid->gridModel()->cellStyle = [this](int column, const std::vector<qx::Value>& row, GridCellStyle& style) {
        StyleCell(column, row, style);
    };
    canvas.addWidget(DBGrid, 1, Qt::AlignLeft);

    connect(DBGrid, &DataGrid::ellipsisClicked, this, [this](int column) { RunGuarded([&] { GridEllipsisClick(column); }); });
    connect(DBGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                if (current.row() != previous.row())
                    DBGrid->viewport()->update();  // the current row's colour moves with it
                if (!previous.isValid() || current.column() != previous.column()) {
                    RunGuarded([&] {
                        if (previous.isValid())
                            GridColExit(previous.column());
                        if (current.isValid())
                            GridColEnter(current.column());
                    });
                }
            });
    connect(source_, &DataSource::dataChanged, DBGrid->viewport(), qOverload<>(&QWidget::update));
}

// The current row in aqua (its selected cell in the highlight the grid draws), the page column by
// the sheet's parity, the face column black for a front and silver for a back, the rest in their
// column's colour.
void TListGridPage::StyleCell(int column, const std::vector<qx::Value>& row, GridCellStyle& style) const
{
    auto valueOf = [&](const char* field) -> const qx::Value* {
        const qx::Field* f = list_.findField(QString::fromLatin1(field));
        return f && f->index() < int(row.size()) ? &row[std::size_t(f->index())] : nullptr;
    };
    const qx::Field* key = list_.findField(u"Rec_AID");
    if (const qx::Value* rowKey = valueOf("Rec_AID"); rowKey && key && *rowKey == key->value()) {
        style.background = PlatformColor(clAqua);
        return;
    }
    const ListColumn& c = spec_.columns[std::size_t(column)];
    const qx::Value* value = valueOf(c.field);
    const int number = value && std::holds_alternative<std::int32_t>(*value) ? std::get<std::int32_t>(*value) : 0;
    if (qstrcmp(c.field, "pag_num") == 0) {
        style.background = PlatformColor(number % 2 != 0 ? kListPink : kListOrange);
    } else if (qstrcmp(c.field, "face_num") == 0) {
        style.background = number == 1 ? QColor(Qt::black) : kSilver;
        style.text = number == 1 ? QColor(Qt::white) : QColor(Qt::black);
    } else if (c.colour != kListWindow) {
        style.background = PlatformColor(c.colour);
    }
}

void TListGridPage::buildTotals(QBoxLayout& canvas)
{
    auto* row = new QWidget(canvas_);
    auto* panels = new QHBoxLayout(row);
    panels->setContentsMargins(0, 0, 0, 0);
    panels->setSpacing(0);
    const int height = 2 * QFontMetrics(form_.font()).height() + 6;

    int headWidth = 0;
    for (int c = 0; c < spec_.headColumns; ++c)
        headWidth += screenWidth(spec_.columns[std::size_t(c)]);
    QWidget* head = colouredPanel(row, QString::fromLatin1(spec_.headPanel), kListPink);
    head->setFixedSize(headWidth, height);
    auto* headLayout = new QGridLayout(head);
    headLayout->setContentsMargins(2, 1, 4, 1);
    headLayout->setVerticalSpacing(0);
    headLayout->addWidget(label(head, QStringLiteral(" 總頁數")), 0, 0);
    headLayout->addWidget(label(head, QString::fromUtf8(spec_.totalPagCaption), QString::fromLatin1(spec_.totalPagLabel)), 1, 0);
    DataText* pages = form_.AddText(spec_.page, QString::fromLatin1(spec_.totalPagField), {}, &totalPagSource_);
    pages->setParent(head);
    pages->setAutoSize(false);
    pages->setAlignment(Qt::AlignCenter);
    headLayout->addWidget(pages, 0, 1, 2, 1);
    headLayout->setColumnStretch(1, 1);
    auto* total = label(head, QStringLiteral("總計"));
    total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    headLayout->addWidget(total, 0, 2);
    auto* totalPor = label(head, QStringLiteral(" Total "));
    totalPor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    headLayout->addWidget(totalPor, 1, 2);
    panels->addWidget(head);
    panels_.push_back(head);

    const QString prefix = QString::fromLatin1(spec_.panelPrefix);
    for (int c = spec_.headColumns; c < int(spec_.columns.size()); ++c) {
        QWidget* panel = colouredPanel(row, prefix + QString::number(c + 1), kListPink);
        panel->setFixedSize(screenWidth(spec_.columns[std::size_t(c)]), height);
        if (const char* field = spec_.totals[std::size_t(c - spec_.headColumns)]) {
            auto* layout = new QVBoxLayout(panel);
            layout->setContentsMargins(1, 1, 3, 1);
            DataText* sum = form_.AddText(spec_.page, QString::fromLatin1(field), {}, source_);
            sum->setParent(panel);
            sum->setAutoSize(false);
            layout->addWidget(sum);
        }
        panels->addWidget(panel);
        panels_.push_back(panel);
    }
    QWidget* rest = colouredPanel(row, prefix + QString::number(int(spec_.columns.size()) + 1), kListPink);
    rest->setFixedHeight(height);
    panels->addWidget(rest, 1);
    panels_.push_back(rest);
    canvas.addWidget(row);
}

// Under the scroll box: the observations of the current sheet, the navigator and the alert frame.
void TListGridPage::buildObservations()
{
    TFormFill::Page& page = form_.PageAt(spec_.page);
    auto* bottom = new QWidget(page.TabSheet);
    bottom->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* row = new QHBoxLayout(bottom);
    row->setContentsMargins(0, 0, 0, 0);

    PanelObs = new QFrame(bottom);
    PanelObs->setObjectName(QString::fromLatin1(spec_.obsPanel));
    static_cast<QFrame*>(PanelObs)->setFrameShape(QFrame::StyledPanel);
    auto* obs = new QGridLayout(PanelObs);
    obs->setContentsMargins(4, 2, 4, 2);
    obs->setVerticalSpacing(1);
    obs->addWidget(label(PanelObs, QStringLiteral("備註")), 0, 0);
    obs->addWidget(label(PanelObs, QStringLiteral("Observação"), QString::fromLatin1(spec_.labelObsPor)), 0, 1);
    obs->setColumnStretch(2, 1);
    obs->addWidget(label(PanelObs, QStringLiteral("頁")), 0, 3);
    obs->addWidget(label(PanelObs, QStringLiteral("Pág."), QString::fromLatin1(spec_.labelObsPagNumPor)), 0, 4);
    DataText* pagNum = form_.AddText(spec_.page, QStringLiteral("pag_num"), {}, &obsSource_);
    pagNum->setParent(PanelObs);
    pagNum->setAutoSize(false);
    pagNum->setMinimumWidth(40);
    obs->addWidget(pagNum, 0, 5);
    const int editWidth = QFontMetrics(DesignFontPixels(QStringLiteral("Courier New"), 13)).horizontalAdvance(QString(61, u'W'));
    for (int r = 1; r <= 5; ++r) {
        DataEdit* edit = form_.AddEdit(spec_.page, QStringLiteral("R%1_Obs").arg(r), {});
        edit->setParent(PanelObs);
        edit->setDataSource(&obsSource_);
        edit->setFixedWidth(editWidth);
        edit->setObjectName(r == 5 ? QString::fromLatin1(spec_.lastObsEdit) : QStringLiteral("DBEditObs%1").arg(r));
        SetBoxName(*edit, {QStringLiteral("備註 第%1行").arg(r), QStringLiteral("Observação, linha %1").arg(r)});
        obs->addWidget(edit, r, 0, 1, 6);
        ObsEdits.push_back(edit);
    }
    page.Last = ObsEdits.back();
    row->addWidget(PanelObs);

    auto* right = new QVBoxLayout;
    DBNavigator = new DataNavigator(bottom);
    DBNavigator->setObjectName(QStringLiteral("DBNavigator") + QString::fromLatin1(spec_.suffix));
    DBNavigator->setDataSource(source_);
    right->addWidget(DBNavigator, 0, Qt::AlignLeft);
    // The alert frame leaves the page's splitter: a list page has none.
    page.SplitterAlert = nullptr;
    right->addWidget(page.FrameDBGridAlert, 1);
    row->addLayout(right, 1);
    auto* sheet = static_cast<QBoxLayout*>(page.TabSheet->layout());
    sheet->addWidget(bottom);
    sheet->setStretch(0, 1);
}

void TListGridPage::buildActions()
{
    TFormFill::Page& page = form_.PageAt(spec_.page);
    const QString n = QString::fromLatin1(spec_.suffix);
    auto action = [&](const char* name, const QString& caption, void (TListGridPage::*handler)()) {
        auto* a = new QAction(caption, &form_);
        a->setObjectName(QString::fromLatin1(name) + n);
        connect(a, &QAction::triggered, this, [this, handler] { RunGuarded([&] { (this->*handler)(); }); });
        return a;
    };
    DataSetInsert = action("DataSetInsert", QStringLiteral("插入一行 &Insert"), &TListGridPage::DataSetInsertExecute);
    DataSetDelete = action("DataSetDelete", QStringLiteral("刪除一行 &Delete"), &TListGridPage::DataSetDeleteExecute);
    ActionMoveUp = action("ActionMoveUp", QStringLiteral("上移一行 Move &Up"), &TListGridPage::ActionMoveUpExecute);
    ActionMoveDown = action("ActionMoveDown", QStringLiteral("下移一行 Move D&own"), &TListGridPage::ActionMoveDownExecute);
    ActionSelectNAdd = action("ActionSelectNAdd",
                              QStringLiteral("從「固定資產重置與攤折之最高率表」中插入 Insert &From ..."),
                              &TListGridPage::ActionSelectNAddExecute);
    // The page's post runs as a row action.
    DataSetPost = page.DataSetPost;
    DataSetCancel = page.DataSetCancel;
    disconnect(DataSetPost, &QAction::triggered, &form_, nullptr);
    connect(DataSetPost, &QAction::triggered, this, [this] { RunGuarded([this] { DataSetPostExecute(); }); });

    auto browse = [this] {
        const bool browsing = source_->state() == qx::DataSetState::Browse;
        ActionMoveUp->setEnabled(browsing);
        ActionMoveDown->setEnabled(browsing);
        emit actionsChanged();
    };
    connect(source_, &DataSource::stateChanged, this, browse);
    browse();
}

// ---------------------------------------------------------------- row actions

template <class F>
void TListGridPage::rowAction(F&& action)
{
    AlertsFrozen frozen(form_);
    try {
        action();
    } catch (...) {
        KeepRefusedRow();
        throw;
    }
}

void TListGridPage::ShowAndFocusGrid()
{
    form_.PageControl->setCurrentIndex(spec_.page);
    DBGrid->setFocus(Qt::OtherFocusReason);
}

void TListGridPage::KeepRefusedRow()
{
    if (list_.editing() && !InGrid(QApplication::focusWidget()))
        ShowAndFocusGrid();
}

bool TListGridPage::CommitCell()
{
    auto* cell = qobject_cast<DataEdit*>(QApplication::focusWidget());
    return !cell || !InGrid(cell) || cell->commit();
}

void TListGridPage::DataSetInsertExecute()
{
    if (list_.state() == qx::DataSetState::Insert || !CommitCell())
        return;
    rowAction([&] {
        if (InsertRowAtCursor(list_))
            ShowAndFocusGrid();
    });
}

void TListGridPage::DataSetDeleteExecute()
{
    if (!CommitCell())
        return;
    rowAction([&] {
        // An empty list has nothing to delete; a new row is dropped.
        if (!list_.isEmpty() || list_.state() == qx::DataSetState::Insert)
            list_.deleteRecord();
        ShowAndFocusGrid();
    });
}

void TListGridPage::DataSetPostExecute()
{
    rowAction([&] {
        if (source_->editing())
            source_->post();
        ShowAndFocusGrid();
    });
}

void TListGridPage::ActionMoveUpExecute()
{
    rowAction([&] {
        if (MoveRowUp(list_))
            ShowAndFocusGrid();
    });
}

void TListGridPage::ActionMoveDownExecute()
{
    rowAction([&] {
        if (MoveRowDown(list_))
            ShowAndFocusGrid();
    });
}

// The values a row takes from one row of the rate table, read at once: posts that run after it
// (the rows an insert shifts) check their codes against the same table and move its cursor.
struct TListGridPage::RateRowValues {
    QString codigo, tipo, taxa;
};

// The rate table's current row: Codigo, the type in the picker's language (accents gone only
// when asked) and the rate.
TListGridPage::RateRowValues TListGridPage::currentRateRow(bool stripAccents) const
{
    const qx::ClientDataSet& rates = dm_.cdsTaxMaxReintAmor;
    const bool chinese = !picker_ || picker_->Chinese();
    QString tipo = rates.fieldByName(chinese ? u"Tipo_Chn" : u"Tipo_Por").asString();
    if (stripAccents)
        tipo = StripAccents(tipo);
    return {rates.fieldByName(u"Codigo").asString(), tipo, rates.fieldByName(u"Taxa").asString()};
}

// The row picked in the picker, the rate table moved to it.
TListGridPage::RateRowValues TListGridPage::pickedRateRow(bool stripAccents)
{
    qx::ClientDataSet& rates = dm_.cdsTaxMaxReintAmor;
    if (rates.recNo() != picker_->SelectedRecNo())
        rates.setRecNo(picker_->SelectedRecNo());
    return currentRateRow(stripAccents);
}

// Codigo, Tipo (its first line) and, on M/3, the rate.
void TListGridPage::fillFromRate(const RateRowValues& rate)
{
    list_.fieldByName(u"Codigo").setAsString(rate.codigo);
    SetTypeFromRate(list_.fieldByName(u"Tipo"), rate.tipo);
    if (spec_.fillsRate)
        list_.fieldByName(u"DA_Taxas").setAsString(rate.taxa);
}

// Insert from the rate table: a refused row beeps and opens no picker.
void TListGridPage::ActionSelectNAddExecute()
{
    if (source_->editing()) {
        try {
            if (!CommitCell())
                throw qx::SilentAbort();
            AlertsFrozen frozen(form_);
            source_->post();
        } catch (const std::exception&) {
            Beep();
            KeepRefusedRow();
            return;
        }
    }
    if (!picker_ || !picker_->ShowModalOk(QString()))
        return;
    const RateRowValues picked = pickedRateRow(!picker_->Chinese());
    DataSetInsertExecute();
    list_.edit();
    fillFromRate(picked);
    ShowAndFocusGrid();
}

// ---------------------------------------------------------------- grid

void TListGridPage::GridEllipsisClick(int column)
{
    if (column < 0 || column >= int(spec_.columns.size()) || !CommitCell())
        return;
    const char* field = spec_.columns[std::size_t(column)].field;
    if (qstrcmp(field, "Codigo") == 0 || qstrcmp(field, "Tipo") == 0)
        PickRateRow(column);
    else if (qstrcmp(field, "Col5_Mop") == 0 && spec_.proposesDepreciation)
        ProposeDepreciation();
}

void TListGridPage::PickRateRow(int column)
{
    if (!picker_)
        return;
    const bool onCode = qstrcmp(spec_.columns[std::size_t(column)].field, "Codigo") == 0;
    const bool hasRow = list_.active() && (list_.editing() || !list_.isEmpty());
    const QString locate = onCode && hasRow ? list_.fieldByName(u"Codigo").asString() : QString();
    if (!picker_->ShowModalOk(locate))
        return;
    const RateRowValues picked = pickedRateRow(false);
    if (!list_.editing())
        list_.edit();  // on an empty list a new row
    fillFromRate(picked);
    DBGrid->setFocus(Qt::OtherFocusReason);
}

void TListGridPage::ProposeDepreciation()
{
    if (!list_.active() || (list_.isEmpty() && !list_.editing()))
        return;
    const qx::Currency value = ProposedDepreciation(list_.fieldByName(u"Col1_Mop").asCurrency(),
                                                    list_.fieldByName(u"DA_Taxas").asCurrency(),
                                                    list_.fieldByName(u"DA_Meses").asInteger());
    dm_.ApplyCalculatedValue(list_.fieldByName(u"Col5_Mop"), value);
}

// A known code typed into a row without a type brings its type (and rate) along.
void TListGridPage::GridColExit(int column)
{
    if (column != columnOf("Codigo") || !list_.editing())
        return;
    const QString code = list_.fieldByName(u"Codigo").asString();
    if (code.isEmpty() || !list_.fieldByName(u"Tipo").asString().isEmpty())
        return;
    qx::ClientDataSet& rates = dm_.cdsTaxMaxReintAmor;
    if (!rates.locate(QStringLiteral("Codigo"), {qx::Value(code)}))
        return;
    fillFromRate(currentRateRow(false));
}

void TListGridPage::GridColEnter(int column)
{
    QScrollArea& box = *form_.PageAt(spec_.page).ScrollBox;
    if (column <= spec_.headColumns) {
        box.ensureWidgetVisible(panels_.front(), 0, 0);
        return;
    }
    // panels_[i] lies under column headColumns + i - 1 (panels_[0] is the head panel).
    for (int k : {column, column + 1}) {
        const int i = k - spec_.headColumns;
        if (i >= 0 && i < int(panels_.size()))
            box.ensureWidgetVisible(panels_[std::size_t(i)], 0, 0);
    }
}

void TListGridPage::GridColumnKey(int step)
{
    const QModelIndex current = DBGrid->currentIndex();
    if (!CommitCell())
        return;
    const int column = current.column() + step;
    if (!current.isValid() || column < 0 || column >= int(spec_.columns.size())) {
        Beep();
        return;
    }
    DBGrid->setCurrentIndex(DBGrid->model()->index(current.row(), column));
    DBGrid->setFocus(Qt::OtherFocusReason);
}

bool TListGridPage::GridExit()
{
    if (list_.state() == qx::DataSetState::Insert && !list_.modified())
        dm_.CancelWithoutQuestion(list_);
    if (source_->editing()) {
        try {
            AlertsFrozen frozen(form_);
            source_->post();
        } catch (const std::exception& e) {
            if (!dynamic_cast<const qx::SilentAbort*>(&e))
                ShowHandlerError(e);
        }
    }
    if (!list_.editing())
        return true;
    DBGrid->setFocus(Qt::OtherFocusReason);
    return false;
}

bool TListGridPage::InGrid(const QWidget* w) const
{
    return w && (w == DBGrid || DBGrid->isAncestorOf(w));
}

bool TListGridPage::IsObsEdit(const QWidget* w) const
{
    return std::find(ObsEdits.begin(), ObsEdits.end(), w) != ObsEdits.end();
}
