#pragma once
// A seeded monkey over the program's windows: each step sends one random key press, mouse click
// or wheel turn to the window a person would be looking at (an open popup menu, else the modal
// window, else the main window), at a random control of it. Questions of the message dialog are
// answered at random. The same seed gives the same run.

#include "core/util/Messages.h"

#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <map>
#include <random>

class Monkey final : public MessagePresenter {
public:
    // `home`: the main window, shown again when the monkey closed every window.
    Monkey(unsigned seed, QWidget& home);
    ~Monkey() override;

    // Runs `events` steps from the event loop (modal windows open and close meanwhile), then
    // closes every modal window the monkey left open. A window that refuses kCloseTries closes
    // in a row is noted in refusedToClose and hidden, so that the run always ends.
    void Run(int events);
    static constexpr int kCloseTries = 200;

    // What a person met: refused input reported by the controls, messages by code, and errors
    // that reached the last-resort handler (message text → count).
    int refusedInputs = 0;
    std::map<QString, int> messageCodes;
    std::map<QString, int> lastResortErrors;
    std::map<QString, int> eventsByKind;
    std::map<QString, int> windows;  // events per window they went to
    std::map<QString, int> refusedToClose;  // windows that would not close: the closes refused

    int present(const QString& chn, const QString& por, const QString& eng, std::uint8_t dlgType,
                const QString& code) override;

private:
    void Step();
    QWidget* Target() const;
    void KeyPress(QWidget& window);
    void TypeBurst(QWidget& window);
    void Click(QWidget& window);
    void Wheel(QWidget& window);
    void Command(QWidget& window);
    QWidget* RandomChild(QWidget& window);
    bool CloseForeignDialog(QWidget& window);
    void CloseModals();
    int Pick(int n) { return int(rng_() % unsigned(n)); }
    static QString NameOf(const QWidget& window);

    QPointer<QWidget> home_;
    QPointer<QWidget> closing_;  // the window being closed at the end, and the tries so far
    int closeTries_ = 0;
    std::mt19937 rng_;
    QTimer timer_;
    int left_ = 0;
};

// Every stored value of every row is one its field takes (width, bounds, type); returns the
// faults as "dataset.field row n: why".
class TdmMain;
QStringList InvalidStoredValues(TdmMain& dm);
