#pragma once
// The platform's plain message box (a text and an OK button), for the few messages that do not go
// through the message dialog. Headless by default (standard error); the program installs a real
// box, tests install a recorder.

#include <QString>
#include <functional>

void ShowPlainMessage(const QString& text);
// nullptr restores the default.
void SetPlainMessageHandler(std::function<void(const QString&)> handler);
