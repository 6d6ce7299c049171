#pragma once
// The data module: owner of every dataset of the declaration and of the open form folder.
// One instance, dmMain, lives from start-up to exit. Its behaviour sits in the handlers bound to
// the datasets and in plain methods; each topic keeps its methods in its own source file.

#include "platform/data/ClientDataSet.h"
#include "platform/data/Currency.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

class FolderLock;
namespace qx::RegularFile {
struct Opened;
}

// Mode of ProcessFormFolder.
enum TFormFolderMode : std::uint8_t { ffOpen = 0, ffSaveAll = 1, ffClose = 2 };

// What ProcessFormFolder did. Only frDone means the mode ran to its end; frFailed means a file
// could not be opened, written or closed (already reported), so no caller may go on as if saved;
// frDeclined also answers a save in a folder nobody can save into (nothing written, nothing lost
// that the user was not told of at the open).
enum class TFolderResult { frDone, frDeclined, frNothingToSave, frFailed };

// One entry of the folder's file table.
struct TFolderFile {
    qx::ClientDataSet* DataSet = nullptr;
    int ObjCode = 0;
    QString FileName;  // without folder
    QString TitleChn;
    QString TitlePor;
};

class TdmMain {
public:
    TdmMain();
    ~TdmMain();
    TdmMain(const TdmMain&) = delete;
    TdmMain& operator=(const TdmMain&) = delete;

    // ---- datasets, in the order of the folder's file table, then the working tables ----
    qx::ClientDataSet cdsAlert{QStringLiteral("cdsAlert")};
    qx::ClientDataSet cdsSys{QStringLiteral("cdsSys")};
    qx::ClientDataSet cdsPrnSetup{QStringLiteral("cdsPrnSetup")};
    qx::ClientDataSet cdsTaxMaxReintAmor{QStringLiteral("cdsTaxMaxReintAmor")};
    qx::ClientDataSet cdsM1P1{QStringLiteral("cdsM1P1")};
    qx::ClientDataSet cdsM1P2{QStringLiteral("cdsM1P2")};
    qx::ClientDataSet cdsM1P3{QStringLiteral("cdsM1P3")};
    qx::ClientDataSet cdsAnexoAP1{QStringLiteral("cdsAnexoAP1")};
    qx::ClientDataSet cdsAnexoAP2{QStringLiteral("cdsAnexoAP2")};
    qx::ClientDataSet cdsAnexoASegP1{QStringLiteral("cdsAnexoASegP1")};
    qx::ClientDataSet cdsAnexoASegP2{QStringLiteral("cdsAnexoASegP2")};
    qx::ClientDataSet cdsAnexoABankP1{QStringLiteral("cdsAnexoABankP1")};
    qx::ClientDataSet cdsAnexoABankP2{QStringLiteral("cdsAnexoABankP2")};
    qx::ClientDataSet cdsAnexoBP1{QStringLiteral("cdsAnexoBP1")};
    qx::ClientDataSet cdsAnexoBP2{QStringLiteral("cdsAnexoBP2")};
    qx::ClientDataSet cdsAnexoBSegP1{QStringLiteral("cdsAnexoBSegP1")};
    qx::ClientDataSet cdsAnexoBSegP2{QStringLiteral("cdsAnexoBSegP2")};
    qx::ClientDataSet cdsAnexoBBankP1{QStringLiteral("cdsAnexoBBankP1")};
    qx::ClientDataSet cdsAnexoBBankP2{QStringLiteral("cdsAnexoBBankP2")};
    qx::ClientDataSet cdsM3P1{QStringLiteral("cdsM3P1")};
    qx::ClientDataSet cdsM3VCLF{QStringLiteral("cdsM3VCLF")};
    qx::ClientDataSet cdsM3Obs{QStringLiteral("cdsM3Obs")};
    qx::ClientDataSet cdsM3AAli{QStringLiteral("cdsM3AAli")};
    qx::ClientDataSet cdsM3AAba{QStringLiteral("cdsM3AAba")};
    qx::ClientDataSet cdsM3AObs{QStringLiteral("cdsM3AObs")};
    qx::ClientDataSet cdsM4P1{QStringLiteral("cdsM4P1")};
    qx::ClientDataSet cdsM4P2{QStringLiteral("cdsM4P2")};
    qx::ClientDataSet cdsFormField{QStringLiteral("cdsFormField")};
    qx::ClientDataSet cdsRptField{QStringLiteral("cdsRptField")};

    // The open form folder with a trailing delimiter; empty when none is open.
    QString CurrentFormFolder;
    // The lock that keeps other programs out of the open folder (folder/FolderLock.h); held from
    // a successful open to the close. Written only by ProcessFormFolder.
    std::unique_ptr<FolderLock> CurrentFolderLock;
    // The open folder is one nobody can save into (read-only folder or media): it was opened
    // without a lock, for reading and printing, and ffSaveAll writes nothing.
    bool CurrentFolderReadOnly() const;

    // Every dataset above, in declaration order; and lookup by component name (case ignored).
    const std::vector<qx::ClientDataSet*>& AllDataSets() const { return all_; }
    qx::ClientDataSet* DataSetByName(QStringView name) const;
    // Page code of a page dataset (1011 ...), table code (100, 200, 300), or 0.
    int ObjCodeOf(const qx::ClientDataSet& dataSet) const;

    // ---- shared handlers of the form pages (module/) ----
    void cdsM1P1BeforePost(qx::ClientDataSet& dataSet);
    void ZeroNullNumbers(qx::ClientDataSet& dataSet);
    void cdsM1P1AfterPost(qx::ClientDataSet& dataSet);
    void cdsM1P1BeforeCancel(qx::ClientDataSet& dataSet);
    void InitRecordFields(qx::ClientDataSet& dataSet);
    void cdsPrnSetupBeforePost(qx::ClientDataSet& dataSet);
    static int GetCodeFontSize(const QString& text);
    static QString FormatMopText(qx::Currency value);
    // Programmatic cancels (closing a folder, a refresh whose post failed) never ask DM-016:
    // while a guard lives, cdsM1P1BeforeCancel lets every cancel through.
    class SuppressCancelQuestion {
    public:
        explicit SuppressCancelQuestion(TdmMain& dm) : dm_(dm) { ++dm_.cancelQuestionSuppressed_; }
        ~SuppressCancelQuestion() { --dm_.cancelQuestionSuppressed_; }
        SuppressCancelQuestion(const SuppressCancelQuestion&) = delete;
        SuppressCancelQuestion& operator=(const SuppressCancelQuestion&) = delete;
    private:
        TdmMain& dm_;
    };
    bool CancelQuestionSuppressed() const { return cancelQuestionSuppressed_ > 0; }
    // Cancels a pending edit or insert of the dataset without asking; nothing in browse state.
    void CancelWithoutQuestion(qx::ClientDataSet& dataSet);

    // ---- form folder (folder/) ----
    TFolderResult ProcessFormFolder(const QString& folder, TFormFolderMode mode);
    void RegisterFolderFile(qx::ClientDataSet& dataSet, int objCode, const QString& fileName,
                            const QString& titleChn, const QString& titlePor);
    // `file`: what the open of the folder found under the entry's name (RegularFile::open), the
    // one open that is read.
    bool OpenFolderFile(const TFolderFile& entry, bool forceNew, bool addBlank, qx::RegularFile::Opened& file);
    bool SaveFolderFile(const TFolderFile& entry);
    bool CloseFolderFile(const TFolderFile& entry);
    const std::vector<TFolderFile>& FolderFiles() const { return folderFiles_; }

    // ---- calculated fields and recalculation (calc/) ----
    void RecalcDataSet(qx::ClientDataSet& dataSet, QString& visited);
    void AddFieldSeries(qx::Field& target, const QString& pattern, int first, int last);
    void FlagOverflow(qx::Field& field);
    void cdsM1P2r21_mopGetText(qx::Field& sender, QString& text, bool displayText);

    // ---- settings record and M/1 (calc/) ----
    void cdsSysNewRecord(qx::ClientDataSet& dataSet);
    void cdsSysCalcFields(qx::ClientDataSet& dataSet);
    void cdsM1P1NewRecord(qx::ClientDataSet& dataSet);
    void cdsM1P1CalcFields(qx::ClientDataSet& dataSet);
    void cdsM1P2NewRecord(qx::ClientDataSet& dataSet);
    void cdsM1P2CalcFields(qx::ClientDataSet& dataSet);
    void cdsM1P3NewRecord(qx::ClientDataSet& dataSet);
    void cdsM1P3CalcFields(qx::ClientDataSet& dataSet);
    bool ApplyCalcFieldValue(qx::Field& source, qx::Field& target);
    bool ApplyCalculatedValue(qx::Field& field, qx::Currency value);

    // ---- Anexo A, Anexo B, M/4 (calc/) ----
    void cdsAnexoAP1NewRecord(qx::ClientDataSet& dataSet);
    void cdsAnexoAP1CalcFields(qx::ClientDataSet& dataSet);
    void cdsAnexoAP2NewRecord(qx::ClientDataSet& dataSet);
    void cdsAnexoAP2CalcFields(qx::ClientDataSet& dataSet);
    void cdsAnexoASegP1NewRecord(qx::ClientDataSet& dataSet);
    void cdsAnexoASegP1CalcFields(qx::ClientDataSet& dataSet);
    void cdsAnexoASegP2NewRecord(qx::ClientDataSet& dataSet);
    void cdsAnexoASegP2CalcFields(qx::ClientDataSet& dataSet);
    void cdsAnexoABankP1NewRecord(qx::ClientDataSet& dataSet);
    void cdsAnexoABankP1CalcFields(qx::ClientDataSet& dataSet);
    void cdsAnexoABankP2NewRecord(qx::ClientDataSet& dataSet);
    void cdsAnexoABankP2CalcFields(qx::ClientDataSet& dataSet);
    void cdsAnexoBP1NewRecord(qx::ClientDataSet& dataSet);
    void cdsAnexoBP1CalcFields(qx::ClientDataSet& dataSet);
    void cdsAnexoBP2NewRecord(qx::ClientDataSet& dataSet);
    void cdsAnexoBP2CalcFields(qx::ClientDataSet& dataSet);
    void cdsAnexoBSegP1NewRecord(qx::ClientDataSet& dataSet);
    void cdsAnexoBSegP1CalcFields(qx::ClientDataSet& dataSet);
    void cdsAnexoBSegP2NewRecord(qx::ClientDataSet& dataSet);
    void cdsAnexoBSegP2CalcFields(qx::ClientDataSet& dataSet);
    void cdsAnexoBBankP1NewRecord(qx::ClientDataSet& dataSet);
    void cdsAnexoBBankP1CalcFields(qx::ClientDataSet& dataSet);
    void cdsAnexoBBankP2NewRecord(qx::ClientDataSet& dataSet);
    void cdsAnexoBBankP2CalcFields(qx::ClientDataSet& dataSet);
    void cdsM4P1NewRecord(qx::ClientDataSet& dataSet);
    void cdsM4P1CalcFields(qx::ClientDataSet& dataSet);
    void cdsM4P2NewRecord(qx::ClientDataSet& dataSet);
    void cdsM4P2CalcFields(qx::ClientDataSet& dataSet);

    // ---- alert list and validation (check/) ----
    bool AddAlert(int objCode, const QString& fieldName, int alertType, int msgNo, const QString& msgChn,
                  const QString& msgPor);
    bool ClearAlerts();
    bool DeleteAlertsOfObject(int objCode);
    void cdsAlertNewRecord(qx::ClientDataSet& dataSet);
    void cdsAlertBeforePost(qx::ClientDataSet& dataSet);
    // nullptr: the whole declaration; a page dataset: that page only; anything else: nothing.
    void CheckForms(qx::ClientDataSet* dataSet);
    void CheckAmountField(qx::ClientDataSet& dataSet, int objCode, bool withPrevPeriod, bool checkNegative,
                          const QString& labelChn, const QString& labelPor, const QString& fieldName);
    void CheckItemAmountDesc(qx::ClientDataSet& dataSet, int objCode, bool withPrevPeriod, const QString& itemLabel,
                             const QString& fieldPrefix);
    void CheckChoiceCount(qx::ClientDataSet& dataSet, int objCode, const QString& labelChn, const QString& labelPor,
                          const QStringList& fieldNames, int min, int max);
    void CheckRequiredField(int objCode, qx::Field& field, const QString& msgChn, const QString& msgPor);
    void CheckOverflowFields(int objCode, const QString& overflowFields);
    void CheckDividendLines(const QString& line);

    // ---- M/3 list (assets/) ----
    void cdsM3VCLFNewRecord(qx::ClientDataSet& dataSet);
    void cdsM3VCLFCalcFields(qx::ClientDataSet& dataSet);
    void cdsM3VCLFBeforePost(qx::ClientDataSet& dataSet);
    void cdsM3VCLFAfterPost(qx::ClientDataSet& dataSet);
    void cdsM3VCLFAfterDelete(qx::ClientDataSet& dataSet);
    void cdsM3VCLFBeforeDelete(qx::ClientDataSet& dataSet);
    void cdsM3VCLFAfterScroll(qx::ClientDataSet& dataSet);
    void cdsM3VCLFBeforeClose(qx::ClientDataSet& dataSet);
    void cdsM3ObsNewRecord(qx::ClientDataSet& dataSet);
    void cdsM3ObsCalcFields(qx::ClientDataSet& dataSet);
    void cdsM3P1NewRecord(qx::ClientDataSet& dataSet);
    void cdsM3P1CalcFields(qx::ClientDataSet& dataSet);
    void GetM3PageCount(int& pages, int& lastFace);
    bool ObsPageHasText(qx::ClientDataSet& dataSet, int recNo, bool stayOnRecord);

    // ---- M/3A lists (assets/) ----
    void cdsM3AAliNewRecord(qx::ClientDataSet& dataSet);
    void cdsM3AAliCalcFields(qx::ClientDataSet& dataSet);
    void cdsM3AAbaCalcFields(qx::ClientDataSet& dataSet);
    void cdsM3AAliBeforePost(qx::ClientDataSet& dataSet);
    void cdsM3AAbaBeforePost(qx::ClientDataSet& dataSet);
    void cdsM3AAliAfterPost(qx::ClientDataSet& dataSet);   // shared by both lists
    void cdsM3AAliAfterDelete(qx::ClientDataSet& dataSet); // shared by both lists
    void cdsM3AAliBeforeDelete(qx::ClientDataSet& dataSet);// shared by both lists
    void cdsM3AAliAfterScroll(qx::ClientDataSet& dataSet); // shared by both lists
    void cdsM3AAliBeforeClose(qx::ClientDataSet& dataSet); // shared by both lists
    void cdsM3AObsNewRecord(qx::ClientDataSet& dataSet);
    void cdsM3AObsCalcFields(qx::ClientDataSet& dataSet);
    void GetM3APageCounts(int& aliPages, int& abaPages);

    // ---- depreciation-rate table (rates/) ----
    bool BuildTaxMaxReintAmor(const QString& titleChn, const QString& titlePor);
    void cdsTaxMaxReintAmorNewRecord(qx::ClientDataSet& dataSet);
    void cdsTaxMaxReintAmorBeforePost(qx::ClientDataSet& dataSet);

private:
    void BindHandlers();  // module/TdmMainHandlers.cpp
    std::vector<qx::ClientDataSet*> all_;
    std::vector<TFolderFile> folderFiles_;
    QString folderFilesFolder_;  // the folder the file table points at, with its delimiter
    int cancelQuestionSuppressed_ = 0;
};

// The one instance, created at start-up (and by tests and tools).
extern TdmMain* dmMain;
