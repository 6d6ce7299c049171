#pragma once
// The about box, which is also the splash shown while the program makes its forms.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

class TFormAbout : public QDialog {
    Q_OBJECT
public:
    // `programVersion`: the version of the program's file.
    explicit TFormAbout(const QString& programVersion, QWidget* parent = nullptr);

    QWidget* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* LabelZaloq_por = nullptr;
    QLabel* LabelVersion = nullptr;
    QLabel* LabelCredit = nullptr;
    QWidget* PanelSplashMsg = nullptr;
    QPlainTextEdit* MemoSplashMsg = nullptr;
    QPushButton* btnOK = nullptr;

    // Shows the box without its OK button and paints it at once.
    void ShowSplash();
    void btnOKClick();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
};
