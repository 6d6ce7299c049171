// Opening, saving and closing a form folder: one XML data packet per dataset.
//
// Opening writes no file but the folder's lock, which keeps a second program out until the close,
// and what finishes or undoes a save that a crash interrupted. A folder nobody can save into
// opens without a lock, for reading and printing, and says so at once; any other folder that
// cannot be locked is not opened. Saving is all or nothing: every changed dataset is written to a
// temporary file first, and only when all are written are they renamed into place under a
// journal, so a failure leaves the folder as it was and keeps every change for the next save, and
// a crash leaves it, after the next open, entirely old or entirely new; a journal that cannot be
// read or trusted (a folder received from someone else) keeps the folder shut and changes nothing.
// Closing discards unsaved changes without asking and never writes a file. A failed open closes
// what it opened, so no half-open folder remains. No file of the folder is ever written through a
// symbolic link.
//
// The folder is opened once, when it opens, and held by the lock until the close: the checks, the
// lock, the settling of an interrupted save, the reads and every later save are steps in that one
// folder, even when it is moved or renamed meanwhile and another folder takes its path. Its path
// only names it in messages. Each file is read through the very open that checked it.
#include "core/module/TdmMain.h"

#include "core/folder/FolderFileShape.h"
#include "core/folder/FolderFileTable.h"
#include "core/folder/FolderLock.h"
#include "core/folder/FolderMessages.h"
#include "core/folder/FolderOpenSeam.h"
#include "core/util/FreeMemory.h"
#include "core/util/Messages.h"
#include "core/util/Registry.h"
#include "platform/data/DataPacket.h"
#include "platform/data/RegularFile.h"
#include "platform/data/SaveJournal.h"
#include "platform/data/StagedFile.h"
#include "platform/data/SystemReason.h"
#include "platform/system/Registry.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

const QString crlf = QStringLiteral("\r\n");

// The pages recalculated when a folder opens, sources before the pages they feed.
constexpr qx::ClientDataSet TdmMain::*kRecalcOrder[] = {
    &TdmMain::cdsM4P1,         &TdmMain::cdsM4P2,         &TdmMain::cdsM3AAli,       &TdmMain::cdsM3AAba,
    &TdmMain::cdsM3P1,         &TdmMain::cdsM3VCLF,       &TdmMain::cdsAnexoBP1,     &TdmMain::cdsAnexoBP2,
    &TdmMain::cdsAnexoBBankP1, &TdmMain::cdsAnexoBBankP2, &TdmMain::cdsAnexoBSegP1,  &TdmMain::cdsAnexoBSegP2,
    &TdmMain::cdsAnexoAP1,     &TdmMain::cdsAnexoAP2,     &TdmMain::cdsAnexoABankP1, &TdmMain::cdsAnexoABankP2,
    &TdmMain::cdsAnexoASegP1,  &TdmMain::cdsAnexoASegP2,  &TdmMain::cdsM1P1,         &TdmMain::cdsM1P2,
    &TdmMain::cdsM1P3,
};

QString withTrailingDelimiter(const QString& folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

QByteArray encoded(const QString& name) { return QFile::encodeName(name); }

// Whether the open folder `folder` (-1: none) holds no file of the name: a file not written yet. A
// directory of the same name is no file: it is written, and the save fails there.
bool fileMissing(int folder, const QString& name)
{
    return folder < 0 || qx::RegularFile::entryOf(folder, encoded(name)) != qx::RegularFile::Entry::Regular;
}

QString errorText(const std::exception& e) { return QString::fromUtf8(e.what()); }

// A file of the folder that cannot be reached (`action` "open", "write"), worded as the data
// packet's own failures are.
qx::DataPacketError fileFault(const char* action, const QString& path, int error)
{
    return qx::DataPacketError(QStringLiteral("Cannot %1 the file \"%2\": %3")
                                   .arg(QLatin1String(action), path, qx::SystemReason(error))
                                   .toStdString());
}

bool hasUnsavedChanges(const qx::ClientDataSet& ds)
{
    return ds.active() && (ds.changeCount() > 0 || (ds.editing() && ds.modified()));
}

// Closing writes no file, so a dataset whose file does not exist yet (an empty list, a blank
// page accepted at the open) is written by the next save, changed or not.
bool needsSaving(const TFolderFile& entry, int folder)
{
    const qx::ClientDataSet& ds = *entry.DataSet;
    return hasUnsavedChanges(ds) || (ds.active() && fileMissing(folder, entry.FileName));
}

// Closes the dataset even when its before-close handler refuses: a closed folder keeps nothing.
void forceClose(qx::ClientDataSet& ds)
{
    qx::ClientDataSet::Handler handler = std::exchange(ds.beforeClose, nullptr);
    try {
        ds.close();
    } catch (const std::exception&) {
        // Nothing more can be done; the dataset reports its own state.
    }
    ds.beforeClose = std::move(handler);
}

// Drops the dataset's unsaved changes and closes it, without questions or messages.
void discardAndClose(TdmMain& dm, qx::ClientDataSet& ds)
{
    TdmMain::SuppressCancelQuestion quiet(dm);
    try {
        if (ds.editing())
            ds.cancel();
        ds.cancelUpdates();
        ds.close();
    } catch (const std::exception&) {
        forceClose(ds);
    }
}

// Whether the save writes the dataset's file: changed, pending an edit, or not written yet.
bool needsWriting(const TFolderFile& entry, int folder)
{
    const qx::ClientDataSet& ds = *entry.DataSet;
    return ds.active() && (ds.changeCount() > 0 || ds.editing() || fileMissing(folder, entry.FileName));
}

// The folder a save writes into: the open folder itself when `folder` names it, else (a save into
// another folder, or into one that did not exist when it was opened) the folder at that path now.
struct SaveFolder {
    int fd = -1;
    qx::Descriptor own;  // opened for this save alone
    int error = 0;       // why there is none
};

void openSaveFolder(const TdmMain& dm, const QString& folder, SaveFolder& out)
{
    if (dm.CurrentFolderLock && folder == dm.CurrentFormFolder && dm.CurrentFolderLock->folderFd() >= 0) {
        out.fd = dm.CurrentFolderLock->folderFd();
        return;
    }
    out.own = qx::RegularFile::openFolder(folder, &out.error);
    out.fd = out.own.get();
}

// Posts a pending edit of the entry's dataset; false (reported) when the post fails.
bool postPendingEdit(const TFolderFile& entry)
{
    qx::ClientDataSet& ds = *entry.DataSet;
    if (!ds.active() || !ds.editing())
        return true;
    try {
        ds.post();
        return true;
    } catch (const std::exception& e) {
        ShowFolderMessage(CannotSaveFileMsg(entry.TitleChn, entry.FileName, SaveStep::Memory, errorText(e)));
        return false;
    }
}

// The entry's packet in the temporary `temporaryName` beside its file in the open folder
// `folder`; nothing (reported) when it cannot be written.
std::optional<qx::StagedFile> stageEntry(const TFolderFile& entry, int folder, const QString& temporaryName)
{
    try {
        return qx::DataPacket::stage(*entry.DataSet, folder, entry.DataSet->fileName(), temporaryName);
    } catch (const std::exception& e) {
        ShowFolderMessage(CannotSaveFileMsg(entry.TitleChn, entry.FileName, SaveStep::Disk, errorText(e)));
        return std::nullopt;
    }
}

// The names of the declaration's files, the only ones a save journal may name.
QStringList declarationFileNames()
{
    QStringList names;
    for (const FolderFileSpec& spec : FolderFileSpecs())
        names << QString::fromUtf16(spec.fileName);
    return names;
}

// Those an open never reads: it makes them afresh.
QStringList neverReadFileNames()
{
    QStringList names;
    for (const FolderFileSpec& spec : FolderFileSpecs())
        if (OpenRuleOf(spec.objCode).forceNew)
            names << QString::fromUtf16(spec.fileName);
    return names;
}

SaveLeft saveLeftOf(qx::SaveJournal::Failure::Left left)
{
    using Left = qx::SaveJournal::Failure::Left;
    switch (left) {
    case Left::AsBefore: break;
    case Left::JournalLeft: return SaveLeft::NothingChangedFinishedLater;
    case Left::PartlyPut: return SaveLeft::PartlyChangedFinishedLater;
    case Left::NotFlushed: return SaveLeft::NotFlushedFinishedLater;
    }
    return SaveLeft::AsBefore;
}

// Writes the packets of the entries and puts them in place together; false (reported) when they
// could not all be put in place (the folder is then as it was, or as the next open will finish it).
bool saveEntries(const SaveFolder& folder, const QString& path, const std::vector<const TFolderFile*>& entries)
{
    if (folder.fd < 0) {
        const TFolderFile& first = *entries.front();
        ShowFolderMessage(CannotSaveFileMsg(first.TitleChn, first.FileName, SaveStep::Disk,
                                            errorText(fileFault("write", first.DataSet->fileName(), folder.error))));
        return false;
    }
    QStringList names;
    for (const TFolderFile* entry : entries)
        names << entry->FileName;
    try {
        // Every file written before any is replaced: a failure until then changes no file.
        qx::SaveJournal::Save save(folder.fd, path, declarationFileNames(), names);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            std::optional<qx::StagedFile> file = stageEntry(*entries[i], folder.fd, save.temporaryName(i));
            if (!file)
                return false;  // the temporaries and the journal go with `save`
            save.add(std::move(*file));
        }
        if (const std::optional<qx::SaveJournal::Failure> failure = save.commit()) {
            const TFolderFile& entry = *entries[failure->index];
            ShowFolderMessage(CannotSaveFileMsg(entry.TitleChn, entry.FileName, SaveStep::Disk, failure->reason,
                                                saveLeftOf(failure->left)));
            return false;
        }
    } catch (const std::exception& e) {
        ShowFolderMessage(CannotWriteSaveJournalMsg(path, errorText(e)));
        return false;
    }
    return true;
}

// The file table with the alert list last: posting the pages may change the findings.
std::vector<const TFolderFile*> saveOrder(const TdmMain& dm)
{
    std::vector<const TFolderFile*> order;
    const TFolderFile* alertList = nullptr;
    for (const TFolderFile& entry : dm.FolderFiles()) {
        if (entry.ObjCode == kAlertListCode)
            alertList = &entry;
        else
            order.push_back(&entry);
    }
    if (alertList)
        order.push_back(alertList);
    return order;
}

// A name the system's encoding cannot spell (an archive unpacked with Big5 names) reads as other
// characters: its files would seem missing and a blank declaration would be offered.
bool nameNotInSystemEncoding(const QString& folder)
{
    return folder.contains(QChar::ReplacementCharacter) || QFile::decodeName(QFile::encodeName(folder)) != folder;
}

// The folder at `folder`, opened once for the whole open; none (reported) when it cannot be used
// as a form folder. A path that does not exist yet gives no descriptor and is offered a blank
// declaration, as before.
std::optional<qx::Descriptor> openFormFolder(const QString& folder)
{
    if (nameNotInSystemEncoding(folder)) {
        ShowFolderMessage(FolderNotUsableMsg(folder, FolderPathFault::NameNotInSystemEncoding));
        return std::nullopt;
    }
    int error = 0;
    qx::Descriptor dir = qx::RegularFile::openFolder(folder, &error);
    // A folder that cannot be listed or entered: its files would all seem missing.
    if (dir && ::faccessat(dir.get(), ".", X_OK, AT_EACCESS) != 0)
        error = errno;
    else if (dir || error == ENOENT)
        return std::optional<qx::Descriptor>(std::move(dir));
    if (error == ENOTDIR)
        ShowFolderMessage(FolderNotUsableMsg(folder, FolderPathFault::NotAFolder));
    else
        ShowFolderMessage(FolderUnreadableMsg(folder, error));
    return std::nullopt;
}

// Whether the descriptors `a` and `b` (-1: none) hold one and the same folder.
bool sameFolder(int a, int b)
{
    struct stat sa {}, sb {};
    if (a < 0 || b < 0)
        return a == b;
    return ::fstat(a, &sa) == 0 && ::fstat(b, &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// Takes the lock of the folder open as `dir`; nothing (reported) when the folder may not be opened.
std::unique_ptr<FolderLock> lockFolder(qx::Descriptor dir, const QString& folder)
{
    FolderLock::Attempt attempt = FolderLock::take(std::move(dir), folder);
    switch (attempt.outcome) {
    case FolderLock::Outcome::Taken:
    case FolderLock::Outcome::ReadOnly:
    case FolderLock::Outcome::NoFolder: return std::move(attempt.lock);
    case FolderLock::Outcome::HeldByRunning:
        ShowFolderMessage(FolderInUseMsg(folder, attempt.holder.computer, attempt.holder.processId));
        break;
    case FolderLock::Outcome::HolderUnknown:
        ShowFolderMessage(FolderLockUndecidedMsg(folder, attempt.holder.computer, attempt.holder.processId,
                                                 folder + FolderLock::kFileName));
        break;
    case FolderLock::Outcome::Failed: ShowFolderMessage(CannotLockFolderMsg(folder, attempt.error)); break;
    case FolderLock::Outcome::NotRegular:
        ShowFolderMessage(LockNotARegularFileMsg(folder + FolderLock::kFileName));
        break;
    }
    return nullptr;
}

JournalFault journalFaultOf(qx::SaveJournal::UnusableJournal::Why why)
{
    using Why = qx::SaveJournal::UnusableJournal::Why;
    switch (why) {
    case Why::Unreadable: return JournalFault::Unreadable;
    case Why::NotARegularFile: return JournalFault::NotARegularFile;
    case Why::Damaged: break;
    }
    return JournalFault::Damaged;
}

// Finishes or undoes a save that a crash interrupted in the open folder `dir` (-1: a folder not
// made yet, which holds none), telling the user which; false (reported) when it can do neither,
// as in a folder nobody can save into.
bool settleInterruptedSave(int dir, const QString& folder, bool readOnly)
{
    if (dir < 0)
        return true;
    try {
        if (readOnly) {
            if (!qx::SaveJournal::isPending(dir))
                return true;
            // A save that stopped before its first replacement left the declaration as saved
            // before: it can be read, though its leftovers stay until the folder can be written.
            if (qx::SaveJournal::replacedNothing(dir, folder, declarationFileNames())) {
                ShowFolderMessage(UnfinishedSaveMsg(folder));
                return true;
            }
            ShowFolderMessage(InterruptedSaveStuckMsg(folder, QString()));
            return false;
        }
        qx::SaveJournal::Leftovers found;
        switch (qx::SaveJournal::recover(dir, folder, declarationFileNames(), neverReadFileNames(), &found)) {
        case qx::SaveJournal::Recovery::None: break;
        case qx::SaveJournal::Recovery::NotFinished: ShowFolderMessage(UnfinishedSaveMsg(folder)); break;
        case qx::SaveJournal::Recovery::Finished: ShowFolderMessage(InterruptedSaveFinishedMsg(folder)); break;
        case qx::SaveJournal::Recovery::Undone: ShowFolderMessage(InterruptedSaveUndoneMsg(folder)); break;
        case qx::SaveJournal::Recovery::Unrecorded:
            ShowFolderMessage(UnrecordedSaveMsg(folder, found.putBack, found.kept));
            break;
        }
        return true;
    } catch (const qx::SaveJournal::UnusableJournal& e) {
        ShowFolderMessage(UnusableSaveJournalMsg(folder + qx::SaveJournal::fileName(), e.path, journalFaultOf(e.why), e.error));
        return false;
    } catch (const std::exception& e) {
        ShowFolderMessage(InterruptedSaveStuckMsg(folder, errorText(e)));
        return false;
    }
}

// Each entry's file in the open folder `dir` (-1: none), in table order, opened once without
// following a link or waiting on a pipe: the open that checks the file is the one that reads it.
std::vector<qx::RegularFile::Opened> openFolderFiles(const TdmMain& dm, int dir)
{
    std::vector<qx::RegularFile::Opened> files(dm.FolderFiles().size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        const QString& name = dm.FolderFiles()[i].FileName;
        if (dir < 0)
            files[i].error = ENOENT;
        else if (const int injected = FolderOpenSeam::openFault ? FolderOpenSeam::openFault(name) : 0)
            files[i].error = injected;
        else
            files[i] = qx::RegularFile::open(dir, encoded(name), O_RDONLY | O_NOCTTY);
    }
    return files;
}

// Remembers the folder for the next start. Opening never depends on it: settings that cannot be
// written are only named.
void rememberFolder(const QString& folder)
{
    try {
        WriteRegString(QString(), QStringLiteral("DefaultFormFolder"), folder);
    } catch (const qx::RegistryError& e) {
        ShowFolderMessage(FolderNotRememberedMsg(folder, e.fault(), e.error()));
    } catch (const std::exception&) {
        ShowFolderMessage(FolderNotRememberedMsg(folder, qx::RegistryFault::NotWritten, 0));
    }
}

// Whether something stands under the file's name: a file that cannot be opened is no missing
// one, and fails when it is read.
bool isPresent(const qx::RegularFile::Opened& file) { return file.fd || file.error != ENOENT; }

// The files missing from the open folder `dir` (-1: none), in both languages for DM-009; in a
// folder nobody can save into, where no open can put anything back, also the copies an
// interrupted save set aside of each, which hold its earlier bytes.
struct MissingFiles {
    int existing = 0;
    QString titlesChn, titlesPor;
    QList<SetAsideCopies> setAside;
};

MissingFiles missingFiles(const TdmMain& dm, const std::vector<qx::RegularFile::Opened>& files, int dir,
                          bool readOnly)
{
    MissingFiles missing;
    QStringList names;
    if (readOnly && dir >= 0) {
        names = qx::SaveJournal::entryNames(dir);
        names.sort();
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        const TFolderFile& entry = dm.FolderFiles()[i];
        if (entry.ObjCode == kAlertListCode)
            continue;
        if (isPresent(files[i])) {
            ++missing.existing;
            continue;
        }
        missing.titlesChn += crlf + entry.TitleChn;
        missing.titlesPor += crlf + entry.TitlePor;
        if (const QStringList copies = qx::SaveJournal::setAsideCopiesOf(dir, names, entry.FileName); !copies.isEmpty())
            missing.setAside.push_back({entry.TitleChn, entry.TitlePor, copies});
    }
    return missing;
}

TFolderResult openFolder(TdmMain& dm, const QString& folder)
{
    if (folder.isEmpty())
        return TFolderResult::frFailed;
    std::optional<qx::Descriptor> dir = openFormFolder(folder);
    if (!dir)
        return TFolderResult::frFailed;
    // The lock comes first, so that a second program is refused before it asks anything, and no
    // save of another program runs while an interrupted one is settled.
    std::unique_ptr<FolderLock> lock;
    const bool lockHeld = dm.CurrentFolderLock && dm.CurrentFolderLock->folder() == folder
        && sameFolder(dm.CurrentFolderLock->folderFd(), dir->get());
    if (!lockHeld && !(lock = lockFolder(std::move(*dir), folder)))
        return TFolderResult::frFailed;
    const FolderLock& held = lockHeld ? *dm.CurrentFolderLock : *lock;
    if (!settleInterruptedSave(held.folderFd(), folder, held.readOnly()))
        return TFolderResult::frFailed;
    if (held.readOnly() && !lockHeld)
        ShowFolderMessage(ReadOnlyFolderMsg(folder));  // before anything is typed
    std::vector<qx::RegularFile::Opened> files = openFolderFiles(dm, held.folderFd());
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (files[i].irregular) {
            ShowFolderMessage(NotARegularFileMsg(dm.FolderFiles()[i].TitleChn, dm.FolderFiles()[i].FileName));
            return TFolderResult::frFailed;
        }
    }
    if (FolderOpenSeam::afterFilesChecked)
        FolderOpenSeam::afterFilesChecked(folder);

    const MissingFiles missing = missingFiles(dm, files, held.folderFd(), held.readOnly());
    if (missing.existing == 0) {
        if (ShowFolderMessage(NoFilesInFolderMsg(folder)) != mrYes)
            return TFolderResult::frDeclined;
    } else if (!missing.titlesChn.isEmpty()) {
        if (ShowFolderMessage(MissingFilesMsg(folder, missing.titlesChn, missing.titlesPor, missing.setAside)) != mrYes)
            return TFolderResult::frDeclined;
    }

    rememberFolder(folder);
    dm.CurrentFormFolder = folder;
    if (!lockHeld)
        dm.CurrentFolderLock = std::move(lock);

    // Datasets this call opened; a failed open closes them again, newest first.
    std::vector<qx::ClientDataSet*> opened;
    auto undo = [&] {
        for (auto it = opened.rbegin(); it != opened.rend(); ++it)
            discardAndClose(dm, **it);
        dm.CurrentFormFolder.clear();
        dm.CurrentFolderLock.reset();
        return TFolderResult::frFailed;
    };
    try {
        for (std::size_t i = 0; i < files.size(); ++i) {
            const TFolderFile& entry = dm.FolderFiles()[i];
            const FolderOpenRule rule = OpenRuleOf(entry.ObjCode);
            const bool wasActive = entry.DataSet->active();
            const bool ok = dm.OpenFolderFile(entry, rule.forceNew, rule.addBlank, files[i]);
            files[i].fd.reset();
            if (!wasActive && entry.DataSet->active())
                opened.push_back(entry.DataSet);
            if (!ok)
                return undo();
            if (entry.ObjCode == kAlertListCode)
                entry.DataSet->setIndexFieldNames(QStringLiteral("OBJ_CODE"));
            else if (entry.ObjCode == kRateTableCode && !dm.BuildTaxMaxReintAmor(entry.TitleChn, entry.TitlePor))
                return undo();
        }
        for (qx::ClientDataSet TdmMain::*page : kRecalcOrder) {
            QString visited;
            dm.RecalcDataSet(dm.*page, visited);
        }
        dm.CheckForms(nullptr);
    } catch (...) {
        undo();
        throw;
    }
    return TFolderResult::frDone;
}

TFolderResult saveAll(TdmMain& dm, const QString& folder)
{
    if (folder.isEmpty())
        return TFolderResult::frNothingToSave;  // no folder: nowhere to write
    SaveFolder into;
    openSaveFolder(dm, folder, into);
    bool anyChange = false;
    for (const TFolderFile& entry : dm.FolderFiles())
        anyChange = anyChange || needsSaving(entry, into.fd);
    if (!anyChange)
        return TFolderResult::frNothingToSave;
    if (dm.CurrentFolderReadOnly() && folder == dm.CurrentFormFolder) {
        // Nothing can be written: the open said so, and changes typed since are named once more.
        bool typed = false;
        for (const TFolderFile& entry : dm.FolderFiles())
            typed = typed || (entry.ObjCode != kAlertListCode && hasUnsavedChanges(*entry.DataSet));
        if (typed)
            ShowFolderMessage(ReadOnlyFolderMsg(folder));
        return TFolderResult::frDeclined;
    }
    if (ShowFolderMessage(SaveAllFilesMsg(folder)) != mrYes)
        return TFolderResult::frDeclined;

    const std::vector<const TFolderFile*> order = saveOrder(dm);
    for (const TFolderFile* entry : order)
        if (!postPendingEdit(*entry))
            return TFolderResult::frFailed;
    std::vector<const TFolderFile*> written;
    for (const TFolderFile* entry : order)
        if (needsWriting(*entry, into.fd))
            written.push_back(entry);
    if (!written.empty() && !saveEntries(into, folder, written))
        return TFolderResult::frFailed;
    for (const TFolderFile* entry : written)
        entry->DataSet->mergeChangeLog();
    return TFolderResult::frDone;
}

TFolderResult closeAll(TdmMain& dm)
{
    // Pending edits go first, so that no before-close handler posts an edit into a page that is
    // about to be discarded.
    for (const TFolderFile& entry : dm.FolderFiles()) {
        if (entry.ObjCode == kAlertListCode)
            continue;
        try {
            dm.CancelWithoutQuestion(*entry.DataSet);
        } catch (const std::exception&) {
            // Reported by the close of that dataset below.
        }
    }
    bool failed = false;
    for (const TFolderFile& entry : dm.FolderFiles()) {
        if (entry.ObjCode == kAlertListCode)
            continue;  // keeps its findings until the next open rebuilds them
        const bool wasActive = entry.DataSet->active();
        if (!dm.CloseFolderFile(entry) && wasActive)
            failed = true;
    }
    dm.CurrentFormFolder.clear();
    dm.CurrentFolderLock.reset();
    ReturnFreeMemoryToSystem();
    return failed ? TFolderResult::frFailed : TFolderResult::frDone;
}

}  // namespace

bool TdmMain::CurrentFolderReadOnly() const { return CurrentFolderLock && CurrentFolderLock->readOnly(); }

TFolderResult TdmMain::ProcessFormFolder(const QString& folder, TFormFolderMode mode)
{
    if (mode != ffOpen && mode != ffSaveAll && mode != ffClose)
        return TFolderResult::frDone;
    if (mode == ffClose && !folder.isEmpty() && folder != CurrentFormFolder) {
        ShowFolderMessage(CloseOtherFolderMsg());
        return TFolderResult::frFailed;
    }
    // Saving or closing without a folder means the open one: never a file outside it.
    const QString target = withTrailingDelimiter(folder.isEmpty() && mode != ffOpen ? CurrentFormFolder : folder);

    folderFiles_.clear();
    folderFilesFolder_ = target;
    for (const FolderFileSpec& spec : FolderFileSpecs())
        RegisterFolderFile(this->*spec.dataSet, spec.objCode, QString::fromUtf16(spec.fileName),
                           QString::fromUtf16(spec.titleChn), QString::fromUtf16(spec.titlePor));

    switch (mode) {
    case ffOpen: return openFolder(*this, target);
    case ffSaveAll: return saveAll(*this, target);
    case ffClose: return closeAll(*this);
    }
    return TFolderResult::frDone;
}

void TdmMain::RegisterFolderFile(qx::ClientDataSet& dataSet, int objCode, const QString& fileName,
                                 const QString& titleChn, const QString& titlePor)
{
    folderFiles_.push_back({&dataSet, objCode, fileName, titleChn, titlePor});
    dataSet.setFileName(folderFilesFolder_.isEmpty() ? QString() : folderFilesFolder_ + fileName);
}

bool TdmMain::OpenFolderFile(const TFolderFile& entry, bool forceNew, bool addBlank, qx::RegularFile::Opened& file)
{
    qx::ClientDataSet& ds = *entry.DataSet;
    const bool wasActive = ds.active();
    try {
        if (!forceNew && isPresent(file)) {
            // An active dataset is neither reloaded nor recreated. Well-formed values in the wrong
            // shape (two records in a page, a list row without its number) are refused like any
            // other damage, before anything relies on them.
            if (!wasActive && !file.fd)
                throw fileFault("open", ds.fileName(), file.error);
            if (!wasActive)
                qx::DataPacket::load(ds, file.fd.get(), ds.fileName(), FolderFileShapeOf(*this, entry));
        } else if (!ds.active()) {
            ds.createDataSet();
        }
    } catch (const std::exception& e) {
        // The rate table is refilled from the program's own rows whatever its file holds; the file
        // is read only so that one holding those rows is not written again. One that cannot be read
        // as the table (another table's, damaged) is no fault: it is written afresh at the next save.
        if (entry.ObjCode == kRateTableCode && !ds.active()) {
            ds.createDataSet();
            return true;
        }
        ShowFolderMessage(CannotOpenFileMsg(entry.TitleChn, entry.FileName, errorText(e)));
        return false;
    }
    if (!addBlank || !ds.isEmpty())
        return true;

    bool ok = true;
    ds.disableControls();
    try {
        ds.insert();
        ds.post();
    } catch (const std::exception& e) {
        ShowFolderMessage(CannotInitFileMsg(entry.TitleChn, entry.TitlePor, entry.FileName, errorText(e)));
        CancelWithoutQuestion(ds);
        ok = false;
    }
    ds.enableControls();
    return ok;
}

bool TdmMain::SaveFolderFile(const TFolderFile& entry)
{
    SaveFolder into;
    openSaveFolder(*this, folderFilesFolder_, into);
    if (!needsWriting(entry, into.fd) || !postPendingEdit(entry) || !saveEntries(into, folderFilesFolder_, {&entry}))
        return false;
    entry.DataSet->mergeChangeLog();
    return true;
}

bool TdmMain::CloseFolderFile(const TFolderFile& entry)
{
    qx::ClientDataSet& ds = *entry.DataSet;
    if (!ds.active())
        return false;
    SuppressCancelQuestion quiet(*this);
    try {
        if (ds.editing())
            ds.cancel();
        ds.cancelUpdates();
        ds.close();
        return true;
    } catch (const std::exception& e) {
        ShowFolderMessage(CannotCloseFileMsg(entry.TitleChn, entry.FileName, errorText(e)));
        forceClose(ds);
        return false;
    }
}
