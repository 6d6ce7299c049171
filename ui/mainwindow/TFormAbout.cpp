#include "ui/mainwindow/TFormAbout.h"

#include "platform/widgets/ScreenFonts.h"
#include "ui/mainwindow/PaintedLabel.h"
#include "ui/mainwindow/ProgramPictures.h"
#include "ui/mainwindow/X11Caption.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// The longest the splash waits for the screen before it paints regardless.
constexpr int kSplashExposeWaitMs = 2000;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QFont& font, Qt::Alignment align)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setAlignment(align);
    return label;
}

QFont styled(QFont font, bool bold, bool italic)
{
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

}  // namespace

TFormAbout::TFormAbout(const QString& programVersion, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QString());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(699, 303);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, 699, 261);
    Panel1->setAutoFillBackground(true);
    QPalette white = Panel1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel1->setPalette(white);

    Image1 = new PaintedLabel(PaintAboutPicture, Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(Panel1->rect());

    Label1 = makeLabel(Panel1, "Label1",
                       QStringLiteral("Varnholm政府　Corvel\nZaloq稅Ａ組收益申報書填寫系統"),
                       styled(DesignFontPixels(QStringLiteral("標楷體"), 21), true, false), Qt::AlignHCenter | Qt::AlignTop);
    LabelZaloq_por = makeLabel(Panel1, "LabelZaloq_por",
                               QStringLiteral("Declaracao de Redimentos do Imposto Zaloq de Redimentos - Grupo A"),
                               styled(DesignFontPixels(QStringLiteral("Times New Roman"), 19), true, true),
                               Qt::AlignHCenter);
    const QFont small = DesignFontPixels(QStringLiteral("細明體"), 12);
    LabelVersion = makeLabel(Panel1, "LabelVersion", QStringLiteral("版本編號 Ver. ") + programVersion, small,
                             Qt::AlignRight);
    LabelCredit = makeLabel(Panel1, "LabelCredit", QStringLiteral("Corvel．Quendrix"), small, Qt::AlignRight);
    Label1->setGeometry(0, 24, 699, 64);
    LabelZaloq_por->setGeometry(0, 100, 699, 28);
    LabelVersion->setGeometry(0, 212, 683, 18);
    LabelCredit->setGeometry(0, 232, 683, 18);

    PanelSplashMsg = new QWidget(this);
    PanelSplashMsg->setObjectName(QStringLiteral("PanelSplashMsg"));
    PanelSplashMsg->setGeometry(0, 261, 699, 42);
    auto* row = new QHBoxLayout(PanelSplashMsg);
    row->setContentsMargins(8, 4, 8, 4);
    MemoSplashMsg = new QPlainTextEdit(PanelSplashMsg);
    MemoSplashMsg->setObjectName(QStringLiteral("MemoSplashMsg"));
    MemoSplashMsg->setFrameShape(QFrame::NoFrame);
    MemoSplashMsg->setReadOnly(true);
    MemoSplashMsg->setEnabled(false);
    MemoSplashMsg->setFont(DesignFontPixels(QStringLiteral("Arial"), 11));
    MemoSplashMsg->setPlainText(QString());
    btnOK = new QPushButton(QStringLiteral("確定 &OK"), PanelSplashMsg);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnOK->setVisible(false);
    row->addWidget(MemoSplashMsg, 1);
    row->addWidget(btnOK);
    connect(btnOK, &QPushButton::clicked, this, &TFormAbout::btnOKClick);

    Image1->lower();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

// Painted at once: the window system first puts the box on the screen (a round trip to the
// server, through a window manager when one runs), so the box waits for that, a moment at most,
// then paints and sends its picture out before the other forms are made. No input is taken
// meanwhile.
void TFormAbout::ShowSplash()
{
    show();
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < kSplashExposeWaitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(1);
    }
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFormAbout::btnOKClick() { accept(); }

// Untitled on every platform: X11 would otherwise show the application's name.
void TFormAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    SendEmptyX11Caption(*this);
}

void TFormAbout::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Image1->setGeometry(Panel1->rect());
}
