#include "core/util/PlainMessage.h"

#include <cstdio>

namespace {
std::function<void(const QString&)> plainMessageHandler;
}  // namespace

void ShowPlainMessage(const QString& text)
{
    if (plainMessageHandler)
        plainMessageHandler(text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

void SetPlainMessageHandler(std::function<void(const QString&)> handler) { plainMessageHandler = std::move(handler); }
