// The main window's heading band: the government's and the maker's names at the left, the
// program's title and who the open declaration belongs to at the right.
#include "ui/mainwindow/TFormMain.h"

#include "core/util/Accents.h"
#include "platform/widgets/DataSource.h"
#include "platform/widgets/DataText.h"
#include "platform/widgets/PlatformColor.h"
#include "platform/widgets/ScreenFonts.h"
#include "ui/mainwindow/PaintedLabel.h"
#include "ui/mainwindow/ProgramPictures.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr std::uint32_t kBandColor = 0x00C4C4FF;

QFont designFont(const char16_t* family, int pixels, bool bold = false, bool italic = false)
{
    QFont font = DesignFontPixels(QString::fromUtf16(family), pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QFont& font,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* label = new QLabel(text, parent);
    if (name)
        label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setAlignment(align);
    return label;
}

QLabel* chineseCaption(QWidget* parent, const QString& text)
{
    return makeLabel(parent, nullptr, text, designFont(u"標楷體", 21));
}

QLabel* portugueseCaption(QWidget* parent, const char* name, const QString& text)
{
    return makeLabel(parent, name, text, designFont(u"Times New Roman", 19, false, true));
}

// A data text: Courier New 19 pixels bold blue in a lowered panel.
DataText* dataText(QWidget* parent, DataSource* source, const QString& fieldName, int minWidth)
{
    auto* text = new DataText(parent);
    text->setObjectName(QStringLiteral("DBText") + fieldName);
    text->setAutoSize(false);
    text->setFont(designFont(u"Courier New", 19, true));
    text->setFrameShape(QFrame::Panel);
    text->setFrameShadow(QFrame::Sunken);
    text->setMinimumWidth(minWidth);
    text->setMinimumHeight(QFontMetrics(text->font()).height() + 4);
    text->setTransparent(false);
    text->setBackgroundColor(text->palette().color(QPalette::Window));
    QPalette palette = text->palette();
    palette.setColor(QPalette::WindowText, PlatformColor(clBlue));
    text->setPalette(palette);
    text->setDataSource(source);
    text->setDataField(fieldName);
    return text;
}

// One widget over the other: a Chinese caption over its Portuguese one, or two data texts.
QWidget* captionPair(QWidget* parent, QWidget* chn, QWidget* por)
{
    auto* pair = new QWidget(parent);
    auto* column = new QVBoxLayout(pair);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(chn);
    column->addWidget(por);
    return pair;
}

// The band's data texts: data source, field.
struct BandField {
    bool sys;  // DataSourceSys, else DataSourceM1P1
    const char16_t* name;
};

constexpr BandField kBandFields[] = {
    {false, u"No_Contribuinte"},     {false, u"Ano_Exercicio"}, {false, u"Nome_Contribuinte_1"},
    {false, u"Nome_Contribuinte_2"}, {true, u"sector_chn"},     {true, u"sector_por"},
};

}  // namespace

void TFormMain::BuildHeadingBand(QWidget* central)
{
    auto* client = new QVBoxLayout(central);
    client->setContentsMargins(0, 0, 0, 0);
    client->setSpacing(0);

    Panel17 = new QFrame(central);
    Panel17->setObjectName(QStringLiteral("Panel17"));
    Panel17->setAutoFillBackground(true);
    QPalette band = Panel17->palette();
    band.setColor(QPalette::Window, PlatformColor(kBandColor));
    Panel17->setPalette(band);
    auto* row = new QHBoxLayout(Panel17);
    row->setContentsMargins(8, 6, 8, 6);

    // Left: the government and the maker.
    auto* left = new QWidget(Panel17);
    left->setFixedWidth(144);
    auto* leftColumn = new QVBoxLayout(left);
    leftColumn->setContentsMargins(0, 0, 0, 0);
    leftColumn->setSpacing(0);
    Image2 = new QLabel(left);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(LogoPicture(48));
    Image2->setAlignment(Qt::AlignCenter);
    const QFont smallChn = designFont(u"新細明體", 15);
    const QFont smallPor = designFont(u"Times New Roman", 13, false, true);
    const Qt::Alignment centred = Qt::AlignCenter;
    LabelVarnholm_Por = makeLabel(left, "LabelVarnholm_Por", QStringLiteral("Governo da Varnholm"), smallPor, centred);
    LabelCorvel_Por = makeLabel(left, "LabelCorvel_Por", QStringLiteral("Corvel"), smallPor, centred);
    leftColumn->addWidget(Image2);
    leftColumn->addWidget(makeLabel(left, "Label11", QStringLiteral("Varnholm政府"), smallChn, centred));
    leftColumn->addWidget(LabelVarnholm_Por);
    leftColumn->addWidget(makeLabel(left, "Label6", QStringLiteral("C　o　r　v　e　l"), smallChn, centred));
    leftColumn->addWidget(LabelCorvel_Por);
    row->addWidget(left);
    auto* line = new QFrame(Panel17);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    row->addWidget(line);

    // Right, centred: the title and the taxpayer.
    auto* right = new QWidget(Panel17);
    auto* rightColumn = new QVBoxLayout(right);
    rightColumn->setContentsMargins(0, 0, 0, 0);
    rightColumn->setSpacing(2);
    Label1 = makeLabel(right, "Label1", QStringLiteral("Ｑｕｅｎｄｒｉｘ"), designFont(u"標楷體", 29, true),
                       Qt::AlignCenter);
    LabelZaloq_por = makeLabel(right, "LabelZaloq_por",
                               QStringLiteral("Declara") + AC(QStringLiteral("c,a~")) + QStringLiteral("o de Rendimentos do Imposto Zaloq de Rendimentos - Grupo A"),
                               designFont(u"Times New Roman", 21, true, true), Qt::AlignCenter);
    rightColumn->addWidget(Label1);
    rightColumn->addWidget(LabelZaloq_por);

    for (const BandField& f : kBandFields) {
        const QString name = QString::fromUtf16(f.name);
        const bool wide = name.startsWith(QLatin1String("Nome")) || name.startsWith(QLatin1String("sector"));
        dataTexts_[name] = dataText(right, f.sys ? DataSourceSys : DataSourceM1P1, name,
                                    wide ? 420 : name == QLatin1String("Ano_Exercicio") ? 70 : 160);
    }
    LabelNum_Cont_Por = portugueseCaption(right, "LabelNum_Cont_Por", QStringLiteral("N") + AC(QStringLiteral("o_")) + QStringLiteral(" contribuinte:"));
    LabelAno_Exec_Por = portugueseCaption(right, "LabelAno_Exec_Por", QStringLiteral("Exerc") + AC(QStringLiteral("i/")) + QStringLiteral("cio:"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->addWidget(captionPair(right, chineseCaption(right, QStringLiteral("納稅人編號")), LabelNum_Cont_Por), 0, 0);
    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(dataTexts_[QStringLiteral("No_Contribuinte")]);
    numberRow->addSpacing(24);
    numberRow->addWidget(captionPair(right, chineseCaption(right, QStringLiteral("年度")), LabelAno_Exec_Por));
    numberRow->addWidget(dataTexts_[QStringLiteral("Ano_Exercicio")]);
    numberRow->addStretch(1);
    grid->addLayout(numberRow, 0, 1);
    grid->addWidget(captionPair(right, chineseCaption(right, QStringLiteral("納稅人名稱")),
                                portugueseCaption(right, nullptr, QStringLiteral("Nome do contribuinte:"))),
                    1, 0);
    grid->addWidget(captionPair(right, dataTexts_[QStringLiteral("Nome_Contribuinte_1")],
                            dataTexts_[QStringLiteral("Nome_Contribuinte_2")]),
                    1, 1);
    grid->addWidget(captionPair(right, chineseCaption(right, QStringLiteral("行　　　業")),
                                portugueseCaption(right, nullptr, QStringLiteral("Sector:"))),
                    2, 0);
    grid->addWidget(captionPair(right, dataTexts_[QStringLiteral("sector_chn")], dataTexts_[QStringLiteral("sector_por")]),
                    2, 1);
    rightColumn->addLayout(grid);
    row->addStretch(1);
    row->addWidget(right);
    row->addStretch(1);
    client->addWidget(Panel17);

    ImageBackground = new PaintedLabel(PaintBackground, central);
    ImageBackground->setObjectName(QStringLiteral("ImageBackground"));
    ImageBackground->setMinimumSize(1, 1);
    client->addWidget(ImageBackground, 1);
}
