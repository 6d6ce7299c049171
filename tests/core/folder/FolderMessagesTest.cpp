// The folder's messages as the person reads them: each text in its own language, no English text,
// and what a message names in its place in each language.
#include "core/folder/FolderMessages.h"
#include "platform/data/SystemReason.h"
#include "platform/system/Registry.h"
#include "support/ScriptedMessages.h"

#include <QRegularExpression>
#include <cerrno>
#include <gtest/gtest.h>

namespace {

struct Row {
    FolderMessage message;
    QStringList chn, por;  // pieces each text holds
};

TEST(FolderMessages, EachTextSpeaksItsOwnLanguageAndNamesWhatItNamesInPlace)
{
    // Arguments without Latin letters but the names of files, so that any other Latin word in a
    // Chinese text is the message's own.
    const QString folder = QStringLiteral("/申報/甲/"), title = QStringLiteral("表格甲"), titlePor = QStringLiteral("Tabela um");
    const QString file = QStringLiteral("M1P2.xml"), error = QStringLiteral("故障甲"), computer = QStringLiteral("電腦甲");
    const QString lock = folder + QStringLiteral(".quendrix.lock"), journal = folder + QStringLiteral(".quendrix.journal");
    const QString temporary = QStringLiteral("M4P1.xml.qxtmp.Ab12Cd"), aside = QStringLiteral("M1P2.xml.qxold.Ab12Cd");
    const QStringList names{aside, temporary, file, QStringLiteral(".quendrix.lock"), QStringLiteral(".quendrix.journal"),
                            qx::SystemReason(EACCES), qx::SystemReason(ENOSPC)};
    const QString crlf = QStringLiteral("\r\n");
    const Row rows[] = {
        {CannotOpenFileMsg(title, file, error), {}, {}},
        {CannotInitFileMsg(title, titlePor, file, error), {}, {}},
        {CannotSaveFileMsg(title, file, SaveStep::Memory, error), {}, {}},
        {CannotSaveFileMsg(title, file, SaveStep::Disk, error, SaveLeft::NothingChangedFinishedLater), {}, {}},
        {CannotSaveFileMsg(title, file, SaveStep::Disk, error, SaveLeft::PartlyChangedFinishedLater), {}, {}},
        {CannotSaveFileMsg(title, file, SaveStep::Disk, error, SaveLeft::NotFlushedFinishedLater), {}, {}},
        {CannotCloseFileMsg(title, file, error), {}, {}},
        {CloseOtherFolderMsg(), {}, {}},
        {NoFilesInFolderMsg(folder), {}, {}},
        {MissingFilesMsg(folder, crlf + title, crlf + titlePor), {}, {}},
        {MissingFilesMsg(folder, crlf + title, crlf + titlePor, {{title, titlePor, {aside}}}),
         {crlf + title + QStringLiteral("：") + aside}, {crlf + titlePor + QStringLiteral(": ") + aside}},
        {SaveAllFilesMsg(folder), {}, {}},
        {FolderInUseMsg(folder, computer, 42), {QStringLiteral("正由電腦「電腦甲」上的程式(進程 42)開啟中")},
         {QStringLiteral("está aberta pelo programa no computador '電腦甲' (processo 42) e não")}},
        {FolderInUseMsg(folder, QString(), 0), {QStringLiteral("正由另一個程式開啟中")}, {QStringLiteral("está aberta por outro programa e não")}},
        {FolderNotUsableMsg(folder, FolderPathFault::NotAFolder), {}, {}},
        {FolderNotUsableMsg(folder, FolderPathFault::NameNotInSystemEncoding), {}, {}},
        {NotARegularFileMsg(title, file), {}, {}},
        {CannotLockFolderMsg(folder, EACCES), {}, {}},
        {ReadOnlyFolderMsg(folder), {}, {}},
        {FolderNotRememberedMsg(folder, qx::RegistryFault::LockedByAnotherProgram, 0), {}, {}},
        {FolderNotRememberedMsg(folder, qx::RegistryFault::NotWritten, ENOSPC), {}, {}},
        {FolderUnreadableMsg(folder, EACCES), {}, {}},
        {InterruptedSaveFinishedMsg(folder), {}, {}},
        {InterruptedSaveUndoneMsg(folder), {}, {}},
        {UnfinishedSaveMsg(folder), {}, {}},
        {InterruptedSaveStuckMsg(folder, QString()), {}, {}},
        {InterruptedSaveStuckMsg(folder, error), {QStringLiteral("不能完成也不能撤銷，所以不能開啟：") + crlf + error},
         {QStringLiteral("nem anulada, pelo que não pode ser aberta:") + crlf + error}},
        {UnrecordedSaveMsg(folder, {file}, {temporary}),
         {QStringLiteral("已放回該次儲存之前的內容：") + crlf + file + crlf,
          QStringLiteral("已保留；確定申報無誤後可以刪除它們：") + crlf + temporary + crlf},
         {QStringLiteral("foram repostos como estavam antes dessa gravação:") + crlf + file + crlf,
          QStringLiteral("foram guardados, porque cada um pode ser a única cópia de uma tabela; depois de confirmar que a "
                         "declaração está certa, pode apagá-los:")
              + crlf + temporary + crlf}},
        {FolderLockUndecidedMsg(folder, computer, 42, lock), {QStringLiteral("已被電腦「電腦甲」上的程式(進程 42)鎖定")},
         {QStringLiteral("está bloqueada pelo programa no computador '電腦甲' (processo 42), mas")}},
        {FolderLockUndecidedMsg(folder, QString(), 0, lock), {}, {}},
        {LockNotARegularFileMsg(lock), {}, {}},
        {CannotWriteSaveJournalMsg(folder, error), {}, {}},
        {UnusableSaveJournalMsg(journal, journal, JournalFault::Unreadable, EACCES), {}, {}},
        {UnusableSaveJournalMsg(journal, folder + temporary, JournalFault::NotARegularFile, 0), {}, {}},
        {UnusableSaveJournalMsg(journal, journal, JournalFault::Damaged, 0), {}, {}},
    };
    const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    const QRegularExpression english(QStringLiteral("\\b(the|is|be|cannot|file|folder|and|of|not|was|by|program|"
                                                    "computer|process|save|open|it)\\b"),
                                     QRegularExpression::CaseInsensitiveOption);
    const auto withoutNames = [&](QString text) {
        for (const QString& name : names)
            text.remove(name);
        return text;
    };
    ScriptedMessages shown;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.message.code.toStdString());
        ShowFolderMessage(r.message);
        const ShownMessage& m = shown.shown.back();
        EXPECT_TRUE(m.eng.isEmpty());
        EXPECT_FALSE(withoutNames(m.chn).contains(latin)) << qPrintable(m.chn);
        EXPECT_FALSE(withoutNames(m.por).contains(english)) << qPrintable(m.por);
        for (const QString& piece : r.chn)
            EXPECT_TRUE(m.chn.contains(piece)) << qPrintable(piece) << " in " << qPrintable(m.chn);
        for (const QString& piece : r.por)
            EXPECT_TRUE(m.por.contains(piece)) << qPrintable(piece) << " in " << qPrintable(m.por);
    }
}

}  // namespace
