#pragma once
// The files of a form folder: one per dataset, in the order they are opened and saved, with the
// titles that name them in messages, and how each is opened.

#include "core/module/TdmMain.h"

#include <span>

struct FolderFileSpec {
    qx::ClientDataSet TdmMain::*dataSet;
    int objCode;
    const char16_t* fileName;
    const char16_t* titleChn;
    const char16_t* titlePor;
};

// The 27 files in table order (the alert list first).
std::span<const FolderFileSpec> FolderFileSpecs();

// How a file is opened: the alert list is always created empty, the lists and the rate table
// get no blank record, every other dataset gets one when it is empty.
struct FolderOpenRule {
    bool forceNew = false;
    bool addBlank = false;
};
FolderOpenRule OpenRuleOf(int objCode);

// The alert list: never read, written last.
constexpr int kAlertListCode = 100;
constexpr int kRateTableCode = 300;
