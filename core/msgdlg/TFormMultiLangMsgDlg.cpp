#include "core/msgdlg/TFormMultiLangMsgDlg.h"

#include "core/util/SystemInfo.h"

#include "core/msgdlg/DialogPictures.h"
#include "core/msgdlg/MessageText.h"
#include "platform/widgets/PlatformColor.h"
#include "core/msgdlg/PrintTextLines.h"
#include "platform/widgets/ScreenFonts.h"
#include "core/util/Accents.h"
#include "core/util/Clock.h"
#include "core/util/Messages.h"
#include "core/util/MsgLanguage.h"
#include "core/util/SystemInfo.h"

#include <QApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QUrl>
#include <QVBoxLayout>
#include <exception>

namespace {

struct PageCaptions {
    QString form, print, email, yes, no, ok;
    QString fontFamily;
    int fontSize;
};

// Captions and button font of each page: Chinese, Portuguese, English.
PageCaptions captionsOf(int page)
{
    switch (page) {
    case 0:
        return {QStringLiteral("注意"), QStringLiteral("列印 (&P)"), QStringLiteral("電郵 (&M)"), QStringLiteral("是 (&Y)"),
                QStringLiteral("否 (&N)"), QStringLiteral("確定 (&O)"), QStringLiteral("細明體"), 11};
    case 1:
        return {QStringLiteral("Atencao"), QStringLiteral("Im&primir"), QStringLiteral("e&Mail"), QStringLiteral("&Sim"),
                QStringLiteral("&N") + AC(QStringLiteral("a~")) + QStringLiteral("o"), QStringLiteral("&Confirmar"),
                QStringLiteral("Arial"), 10};
    default:
        return {QStringLiteral("Attention"), QStringLiteral("&Print"), QStringLiteral("e&Mail"), QStringLiteral("&Yes"),
                QStringLiteral("&No"), QStringLiteral("&OK"), QStringLiteral("Arial"), 11};
    }
}

constexpr int kMemoFontPixels = 19;
const QColor kMemoBackground = PlatformColor(0x00AAFFFF);

QPushButton* makeButton(QWidget* panel, const char* name, int top)
{
    auto* button = new QPushButton(panel);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(16, top, 113, 30);
    // Enter presses the focused button, as on every dialog; otherwise btnOK, the default one.
    button->setAutoDefault(true);
    return button;
}

QWidget* makePanel(QWidget* parent, const char* name, int height)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFixedSize(140, height);
    return panel;
}

void openWithDesktop(const QByteArray& link) { QDesktopServices::openUrl(QUrl::fromEncoded(link)); }

}  // namespace

TFormMultiLangMsgDlg::TFormMultiLangMsgDlg(QWidget* parent)
    : QDialog(parent), openMailLink(openWithDesktop), printer_(std::make_unique<QPrinter>())
{
    setObjectName(QStringLiteral("FormMultiLangMsgDlg"));
    setWindowTitle(QStringLiteral("注意"));
    resize(564, 290);
    setMinimumHeight(290);
    for (int type = 0; type < 4; ++type)
        ImageListDlgType[type] = DialogTypePicture(type);

    Panel3 = new QWidget(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedWidth(140);
    auto* formLayout = new QHBoxLayout(this);
    formLayout->setContentsMargins(0, 0, 0, 0);
    formLayout->setSpacing(0);
    formLayout->addWidget(Panel3, 1);
    formLayout->addWidget(Panel1);

    buildRightColumn();

    PageControlMsg = new QTabWidget(Panel3);
    PageControlMsg->setObjectName(QStringLiteral("PageControlMsg"));
    PageControlMsg->setTabPosition(QTabWidget::South);
    PageControlMsg->setIconSize(QSize(100, 24));
    PageControlMsg->setStyleSheet(QStringLiteral("QTabBar::tab { height: 30px; width: 106px; }"));
    auto* leftLayout = new QVBoxLayout(Panel3);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(PageControlMsg);

    const QFont chineseFont = DesignFontPixels(QStringLiteral("新細明體"), kMemoFontPixels);
    const QFont latinFont = DesignFontPixels(QStringLiteral("Arial"), kMemoFontPixels);
    TabSheetChinese = buildPage(MemoChinese, "TabSheetChinese", "MemoChinese", chineseFont);
    TabSheetPortugues = buildPage(MemoPortugues, "TabSheetPortugues", "MemoPortugues", latinFont);
    TabSheetEnglish = buildPage(MemoEnglish, "TabSheetEnglish", "MemoEnglish", latinFont);
    const QFont tabFont = DesignFontPixels(QStringLiteral("新細明體"), 16);
    PageControlMsg->addTab(TabSheetChinese, QIcon(LanguageTabPicture(QStringLiteral("中文"), tabFont)), QString());
    PageControlMsg->addTab(TabSheetPortugues, QIcon(LanguageTabPicture(QStringLiteral("Portugu") + AC(QStringLiteral("e^")) + QStringLiteral("s"), tabFont)), QString());
    PageControlMsg->addTab(TabSheetEnglish, QIcon(LanguageTabPicture(QStringLiteral("English"), tabFont)), QString());
    PageControlMsg->setTabVisible(2, false);
    connect(PageControlMsg, &QTabWidget::currentChanged, this, [this] { PageControlMsgChange(); });

    // The right column first, so the first visible answer button has the focus.
    setTabOrder(btnOK, btnYes);
    setTabOrder(btnYes, btnNo);
    setTabOrder(btnNo, btnPrintMessage);
    setTabOrder(btnPrintMessage, btnEmail);
    setTabOrder(btnEmail, PageControlMsg);

    connect(btnOK, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(btnYes, &QPushButton::clicked, this, [this] { done(mrYes); });
    connect(btnNo, &QPushButton::clicked, this, [this] { done(mrNo); });
    connect(btnPrintMessage, &QPushButton::clicked, this, [this] { btnPrintMessageClick(); });
    connect(btnEmail, &QPushButton::clicked, this, [this] { btnEmailClick(); });
}

TFormMultiLangMsgDlg::~TFormMultiLangMsgDlg() = default;

void TFormMultiLangMsgDlg::buildRightColumn()
{
    PanelbtnUtils = makePanel(Panel1, "PanelbtnUtils", 73);
    btnPrintMessage = makeButton(PanelbtnUtils, "btnPrintMessage", 8);
    btnEmail = makeButton(PanelbtnUtils, "btnEmail", 43);
    PanelbtnYesNo = makePanel(Panel1, "PanelbtnYesNo", 88);
    btnYes = makeButton(PanelbtnYesNo, "btnYes", 0);
    btnNo = makeButton(PanelbtnYesNo, "btnNo", 43);
    PanelbtnOK = makePanel(Panel1, "PanelbtnOK", 45);
    btnOK = makeButton(PanelbtnOK, "btnOK", 0);
    btnOK->setDefault(true);

    ImageDlgType = new QLabel(Panel1);
    ImageDlgType->setObjectName(QStringLiteral("ImageDlgType"));
    ImageDlgType->setAlignment(Qt::AlignCenter);
    ImageDlgType->setAttribute(Qt::WA_TranslucentBackground);
    ImageDlgType->setVisible(false);

    // The answer panels sit directly below the print/e-mail panel; a hidden panel takes no room.
    auto* column = new QVBoxLayout(Panel1);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(PanelbtnUtils);
    column->addWidget(PanelbtnYesNo);
    column->addWidget(PanelbtnOK);
    column->addWidget(ImageDlgType, 1);
    column->addStretch();
}

QWidget* TFormMultiLangMsgDlg::buildPage(QTextEdit*& memo, const char* pageName, const char* memoName,
                                         const QFont& font)
{
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(pageName));
    memo = new QTextEdit(page);
    memo->setObjectName(QLatin1String(memoName));
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setFont(font);
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Base, kMemoBackground);
    palette.setColor(QPalette::Text, Qt::black);
    memo->setPalette(palette);
    QTextOption centred = memo->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    memo->document()->setDefaultTextOption(centred);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(memo);
    return page;
}

void TFormMultiLangMsgDlg::FormShow()
{
    if (FirstShow) {
        PageControlMsg->setCurrentWidget(MsgLanguage == 1 ? TabSheetChinese : TabSheetPortugues);
        PageControlMsgChange();
        FirstShow = false;
    }
    PageControlMsg->setTabVisible(PageControlMsg->indexOf(TabSheetChinese), !MsgChn.isEmpty());
    PageControlMsg->setTabVisible(PageControlMsg->indexOf(TabSheetPortugues), !MsgPor.isEmpty());
    PageControlMsg->setTabVisible(PageControlMsg->indexOf(TabSheetEnglish), false);

    const QString lineBreak = QStringLiteral("\r\n");
    MemoChinese->setPlainText(MemoLines(lineBreak + MsgChn).join(QLatin1Char('\n')));
    MemoPortugues->setPlainText(MemoLines(lineBreak + MsgPor).join(QLatin1Char('\n')));
    MemoEnglish->setPlainText(MemoLines(lineBreak + MsgEng).join(QLatin1Char('\n')));

    const bool question = DlgType == dtQuestion;
    PanelbtnYesNo->setVisible(question);
    PanelbtnOK->setVisible(!question);
    if (DlgType < 4)
        ImageDlgType->setPixmap(ImageListDlgType[DlgType]);
    btnEmail->setVisible(DlgType == dtWarning || DlgType == dtError);
}

void TFormMultiLangMsgDlg::PageControlMsgChange()
{
    const int page = PageControlMsg->currentIndex();
    const PageCaptions captions = captionsOf(page);
    setWindowTitle(captions.form);
    btnPrintMessage->setText(captions.print);
    btnPrintMessage->setFont(DesignFontPoints(captions.fontFamily, captions.fontSize));
    btnEmail->setText(captions.email);
    btnYes->setText(captions.yes);
    btnNo->setText(captions.no);
    btnOK->setText(captions.ok);
    for (QPushButton* button : {btnEmail, btnYes, btnNo, btnOK})
        button->setFont(btnPrintMessage->font());
}

QString TFormMultiLangMsgDlg::MemoText(const QTextEdit* memo)
{
    return memo->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void TFormMultiLangMsgDlg::btnPrintMessageClick()
{
    QPrintDialog dialog(printer_.get(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QStringList lines = BuildMessagePrintLines(MemoText(MemoChinese), MemoText(MemoPortugues), MemoText(MemoEnglish));
    try {
        PrintTextLines(*printer_, ApplicationTitle() + QStringLiteral(" - Message"), lines,
                       MemoChinese->font());
    } catch (const std::exception&) {
        // A failing printer is not reported by the message dialog.
    }
}

void TFormMultiLangMsgDlg::btnEmailClick()
{
    const QByteArray link = BuildMessageMailLink(QStringLiteral(QX_SUPPORT_EMAIL), ApplicationTitle(),
                                                 Now(), MemoText(MemoChinese), MemoText(MemoPortugues),
                                                 MemoText(MemoEnglish));
    if (openMailLink)
        openMailLink(link);
}

bool TFormMultiLangMsgDlg::FormCloseQuery(int modalResult) const
{
    return DlgType != dtQuestion || modalResult == mrYes || modalResult == mrNo;
}

void TFormMultiLangMsgDlg::reject()
{
    // The close box: a question stays open, any other message answers mrCancel.
    if (FormCloseQuery(mrCancel))
        done(mrCancel);
}

void TFormMultiLangMsgDlg::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
    (DlgType == dtQuestion ? btnYes : btnOK)->setFocus();
}

void TFormMultiLangMsgDlg::keyPressEvent(QKeyEvent* event)
{
    // No button is a cancel button: Esc closes nothing.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
