#pragma once
// Test fixture with a data module on a fresh form folder: creates TdmMain and sets dmMain,
// records messages (questions answered Yes unless scripted otherwise), fixes "now" and opens an
// empty temporary folder, accepting the blank files (DM-008). Messages of the open are cleared.
//
//   class MyTest : public DmFixture {};
//   TEST_F(MyTest, Something) { PostField(dm->cdsM1P2, "R2_Mop", "100"); ... }
//
// A test that wants the module without an open folder overrides OpensFolder() to return false.

#include "core/check/RuleText.h"
#include "core/module/TdmMain.h"
#include "core/util/Clock.h"
#include "support/ScriptedMessages.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <utility>

class DmFixture : public ::testing::Test {
public:
    // Field names and their texts.
    using FieldTexts = std::initializer_list<std::pair<const char*, const char*>>;

protected:
    // The day and time every test of the fixture takes as now.
    static QDateTime FixedNow() { return QDateTime(QDate(2024, 3, 15), QTime(10, 30, 0)); }
    virtual bool OpensFolder() const { return true; }

    void SetUp() override
    {
        // Every finding a test raises has each place of its texts filled.
        SetUnfilledPlaceHandler([](const char* utf8Template, QStringView key) {
            ADD_FAILURE() << "the place {" << key.toString().toStdString() << "} of \"" << utf8Template << "\" is not filled";
        });
        SetFixedNow(FixedNow());
        ASSERT_TRUE(dir.isValid());
        dm = std::make_unique<TdmMain>();
        dmMain = dm.get();
        if (OpensFolder()) {
            messages.answer(QStringLiteral("DM-008"), mrYes);
            ASSERT_EQ(dm->ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
        }
        messages.clear();
    }

    void TearDown() override
    {
        dm.reset();
        dmMain = nullptr;
        SetFixedNow(QDateTime());
        SetUnfilledPlaceHandler(nullptr);
    }

    // The open folder with its trailing delimiter.
    QString Folder() const { return dir.path() + QLatin1Char('/'); }

    // Edits the current record, sets the field from its text ("" = null) and posts.
    static void PostField(qx::ClientDataSet& ds, const char* field, const QString& text)
    {
        ds.edit();
        ds.fieldByName(QString::fromUtf8(field)).setAsString(text);
        ds.post();
    }

    // Edits the current record, sets the fields from their texts ("" = null) and posts once.
    static void PostFields(qx::ClientDataSet& ds, FieldTexts values)
    {
        ds.edit();
        for (const auto& [field, text] : values)
            ds.fieldByName(QString::fromUtf8(field)).setAsString(QString::fromUtf8(text));
        ds.post();
    }

    ScriptedMessages messages;
    QTemporaryDir dir;
    std::unique_ptr<TdmMain> dm;
};
