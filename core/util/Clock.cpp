#include "core/util/Clock.h"

#include <cstdio>

namespace {
QDateTime fixedNow;
std::function<void()> beepHandler;
}  // namespace

QDateTime Now() { return fixedNow.isValid() ? fixedNow : QDateTime::currentDateTime(); }

QDate Today() { return Now().date(); }

void SetFixedNow(const QDateTime& now) { fixedNow = now; }

void Beep()
{
    if (beepHandler)
        beepHandler();
    else
        std::fputc('\a', stderr);
}

void SetBeepHandler(std::function<void()> handler) { beepHandler = std::move(handler); }
