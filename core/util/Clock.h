#pragma once
// The date and time the core takes as "now", and the platform's default beep. Both can be
// replaced so that tests and tools run with a fixed day and count beeps.

#include <QDate>
#include <QDateTime>
#include <functional>

QDateTime Now();
QDate Today();
// An invalid date-time restores the system clock.
void SetFixedNow(const QDateTime& now);

void Beep();
// nullptr restores the platform beep.
void SetBeepHandler(std::function<void()> handler);
