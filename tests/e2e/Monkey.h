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
    // closes every modal window the monkey left open.
    void Run(int events);

    // What a person met: refused input reported by the controls, messages by code, and errors
    // that reached the last-resort handler (message text → count).
    int refusedInputs = 0;
    std::map<QString, int> messageCodes;
    std::map<QString, int> lastResortErrors;
    std::map<QString, int> eventsByKind;
    std::map<QString, int> windows;  // events per window they went to

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

    QPointer<QWidget> home_;
    std::mt19937 rng_;
    QTimer timer_;
    int left_ = 0;
};

// Every stored value of every row is one its field takes (width, bounds, type); returns the
// faults as "dataset.field row n: why".
class TdmMain;
QStringList InvalidStoredValues(TdmMain& dm);
