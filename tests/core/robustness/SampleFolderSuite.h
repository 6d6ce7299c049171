#pragma once
// A test suite that writes one typical sample folder before its first test (at a fixed date) and
// removes it after the last; tests work on copies of it.

#include "SampleFolder.h"
#include "core/module/TdmMain.h"
#include "core/util/Clock.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class SampleFolderSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        SetFixedNow(QDateTime(QDate(2024, 3, 15), QTime(10, 30, 0)));
        sample_ = new QTemporaryDir;
        TdmMain dm;
        dmMain = &dm;
        WriteSampleFolder(dm, sample_->path(), kTypicalFolder);
        dmMain = nullptr;
    }
    static void TearDownTestSuite()
    {
        delete sample_;
        sample_ = nullptr;
        SetFixedNow(QDateTime());
    }

    static inline QTemporaryDir* sample_ = nullptr;
};
