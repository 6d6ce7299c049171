#include "core/folder/FolderMessages.h"

#include "core/util/Messages.h"
#include "platform/data/SystemReason.h"
#include "platform/system/Registry.h"

#include <cerrno>

namespace {

const QString crlf = QStringLiteral("\r\n");


// A system error named in both languages, with the system's own text beside it.
struct Cause {
    QString chn, por;
};

Cause causeOf(int error)
{
    struct Known {
        int error;
        const char16_t* chn;
        const char16_t* por;
    };
    static const Known known[] = {
        {ENOSPC, u"磁碟已滿", u"o disco está cheio"},
        {EDQUOT, u"已超出磁碟配額", u"a quota do disco foi excedida"},
        {EIO, u"磁碟讀寫錯誤", u"erro de leitura ou escrita no disco"},
        {EACCES, u"沒有存取權限", u"sem permissão de acesso"},
        {EPERM, u"沒有存取權限", u"sem permissão de acesso"},
    };
    const QString system = qx::SystemReason(error);
    for (const Known& k : known)
        if (k.error == error) {
            const QString aside = QStringLiteral(" (") + system + QLatin1Char(')');
            return {QString::fromUtf16(k.chn) + aside, QString::fromUtf16(k.por) + aside};
        }
    return {system, system};
}

// Why the settings cannot be written, in Chinese and Portuguese, with the system's error (0: none).
Cause settingsFaultOf(qx::RegistryFault fault, int error)
{
    struct Known {
        qx::RegistryFault fault;
        const char16_t* chn;
        const char16_t* por;
    };
    static const Known known[] = {
        {qx::RegistryFault::LockedByAnotherProgram, u"程式的設定正被另一個程式鎖定",
         u"as definições do programa estão bloqueadas por outro programa"},
        {qx::RegistryFault::LockUnusable, u"程式設定的鎖定檔案不能建立或不是一個普通檔案",
         u"o ficheiro de bloqueio das definições do programa não pode ser criado ou não é um ficheiro normal"},
        {qx::RegistryFault::NotARegularFile, u"程式的設定檔案不是一個普通檔案(例如是一個管道或資料夾)",
         u"o ficheiro das definições do programa não é um ficheiro normal (por exemplo, é um pipe ou uma pasta)"},
        {qx::RegistryFault::TooLarge, u"程式的設定檔案大得不像是設定，已保留原狀",
         u"o ficheiro das definições do programa é grande demais para ser de definições e foi deixado como está"},
        {qx::RegistryFault::Damaged, u"程式的設定檔案已損壞，已保留原狀",
         u"o ficheiro das definições do programa está danificado e foi deixado como está"},
        {qx::RegistryFault::Unreadable, u"程式的設定檔案不能讀取", u"o ficheiro das definições do programa não pode ser lido"},
        {qx::RegistryFault::NotWritten, u"程式的設定不能寫入", u"as definições do programa não podem ser gravadas"},
    };
    Cause why;
    for (const Known& k : known)
        if (k.fault == fault) {
            why.chn = QString::fromUtf16(k.chn);
            why.por = QString::fromUtf16(k.por);
        }
    if (error != 0) {
        const Cause cause = causeOf(error);
        why.chn += QStringLiteral("：") + cause.chn;
        why.por += QStringLiteral(": ") + cause.por;
    }
    return why;
}

// Who holds a folder's lock: the program on the computer its lock names, or `unknown` when the
// lock names none.
struct HolderWords {
    QString chn, por;
};

HolderWords holderWords(const QString& computer, qint64 processId, HolderWords unknown)
{
    if (computer.isEmpty() && processId <= 0)
        return unknown;
    const QString pid = QString::number(processId);
    return {QStringLiteral("電腦「") + computer + QStringLiteral("」上的程式(進程 ") + pid + QStringLiteral(")"),
            QStringLiteral("pelo programa no computador '") + computer + QStringLiteral("' (processo ") + pid
                + QStringLiteral(")")};
}

}  // namespace

int ShowFolderMessage(const FolderMessage& message)
{
    return ShowMultiLangMsg(message.chn, message.por, QString(), message.dlgType, message.code);
}

FolderMessage CannotOpenFileMsg(const QString& titleChn, const QString& fileName, const QString& error)
{
    return {QStringLiteral("DM-003"), dtError,
            QStringLiteral("開啟資料表「") + titleChn + QStringLiteral("」(") + fileName
                + QStringLiteral(")時發生以下故障：") + crlf + error,
            QStringLiteral("Houve a seguinte falha quando abriu a tabela de informações '") + fileName
                + QStringLiteral("':") + crlf + error};
}

FolderMessage CannotInitFileMsg(const QString& titleChn, const QString& titlePor, const QString& fileName,
                                const QString& error)
{
    return {QStringLiteral("DM-004"), dtError,
            QStringLiteral("初始化「") + titleChn + QStringLiteral("」(") + fileName
                + QStringLiteral(")時發生以下故障：") + crlf + error,
            QStringLiteral("Houve a seguinte falha quando fez a inicialização do '") + titlePor
                + QStringLiteral(" (") + fileName + QStringLiteral(")':") + crlf + error};
}

FolderMessage CannotSaveFileMsg(const QString& titleChn, const QString& fileName, SaveStep step,
                                const QString& error, SaveLeft left)
{
    const bool memory = step == SaveStep::Memory;
    const QString stepChn = memory ? QStringLiteral("儲存(至記憶體)") : QStringLiteral("儲存(至硬碟)");
    const QString stepPor = memory ? QStringLiteral("na memória") : QStringLiteral("no disco");
    struct Later {
        SaveLeft left;
        const char16_t* chn;
        const char16_t* por;
    };
    static const Later later[] = {
        {SaveLeft::NothingChangedFinishedLater,
         u"此次儲存沒有改動任何檔案，但它的儲存日誌 .quendrix.journal 仍留在資料夾中；下次開啟此資料夾時會完成此次儲存．",
         u"Esta gravação não alterou nenhum ficheiro, mas o seu registo de gravação .quendrix.journal ficou na pasta; "
         u"será concluída quando a pasta for aberta de novo."},
        {SaveLeft::PartlyChangedFinishedLater, u"此次儲存已改動部分檔案，但未能全部復原；下次開啟此資料夾時會完成此次儲存．",
         u"Esta gravação já alterou parte dos ficheiros e não foi possível repô-los; será concluída quando a pasta for "
         u"aberta de novo."},
        {SaveLeft::NotFlushedFinishedLater,
         u"此次儲存的檔案都已放入資料夾，但不能確定已寫入磁碟，停電時可能遺失；下次開啟此資料夾時會完成此次儲存．",
         u"Os ficheiros desta gravação já estão todos na pasta, mas não é certo que tenham sido escritos no disco e "
         u"podem perder-se num corte de energia; a gravação será concluída quando a pasta for aberta de novo."},
    };
    QString laterChn, laterPor;
    for (const Later& l : later)
        if (l.left == left) {
            laterChn = crlf + QString::fromUtf16(l.chn);
            laterPor = crlf + QString::fromUtf16(l.por);
        }
    return {QStringLiteral("DM-005"), dtError,
            QStringLiteral("表格「") + titleChn + QStringLiteral("」(") + fileName + QStringLiteral(")於")
                + stepChn + QStringLiteral("時出現以下故障：") + crlf + error + laterChn,
            QStringLiteral("Houve a seguinte falha quando armazenou o ficheiro '") + titleChn
                + QStringLiteral("' ") + stepPor + QStringLiteral(" rígido:") + crlf + error + laterPor};
}

FolderMessage CannotCloseFileMsg(const QString& titleChn, const QString& fileName, const QString& error)
{
    return {QStringLiteral("DM-006"), dtError,
            QStringLiteral("關閉表格「") + titleChn + QStringLiteral("」(") + fileName
                + QStringLiteral(")時出現以下故障：") + crlf + error,
            QStringLiteral("Houve a seguinte falha quando fechou o ficheiro '") + titleChn
                + QStringLiteral(" (") + fileName + QStringLiteral(")':") + crlf + error};
}

FolderMessage CloseOtherFolderMsg()
{
    return {QStringLiteral("DM-007"), dtError,
            QStringLiteral("不能關閉一個與當前開啟中的資料夾不相同的資料夾．"), QString()};
}

FolderMessage NoFilesInFolderMsg(const QString& folder)
{
    return {QStringLiteral("DM-008"), dtQuestion,
            QStringLiteral("資料夾") + crlf + folder + crlf
                + QStringLiteral("中沒有表格檔案，是否存入一套空白表格？"),
            QStringLiteral("Não existe ficheiro na pasta ") + crlf + folder + crlf
                + QStringLiteral(". Quer introduzir um conjunto de ficheiros em branco?")};
}

FolderMessage MissingFilesMsg(const QString& folder, const QString& titlesChn, const QString& titlesPor,
                              const QList<SetAsideCopies>& setAside)
{
    QString chn = QStringLiteral("資料夾") + crlf + folder + crlf
        + QStringLiteral("中欠缺下列檔案，是否以空白表格補充？") + crlf + titlesChn;
    QString por = QStringLiteral("Não existem os seguintes ficheiros na pasta ") + crlf + folder + crlf
        + QStringLiteral(". Quer adicionar ficheiros em branco?") + crlf + titlesPor;
    if (!setAside.isEmpty()) {
        chn += crlf + crlf
            + QStringLiteral("下列表格之前儲存的內容保存在一次被中斷的儲存所留下的副本中；資料夾是唯讀的，不能把它們放回原處，"
                             "空白表格也不會儲存：");
        por += crlf + crlf
            + QStringLiteral("O conteúdo destas tabelas, tal como foi gravado antes, está nas cópias deixadas por uma "
                             "gravação interrompida; a pasta é só de leitura, pelo que não podem ser postas no seu "
                             "lugar, e nenhuma tabela em branco será gravada:");
        for (const SetAsideCopies& s : setAside) {
            chn += crlf + s.titleChn + QStringLiteral("：") + s.copies.join(QStringLiteral("、"));
            por += crlf + s.titlePor + QStringLiteral(": ") + s.copies.join(QStringLiteral(", "));
        }
    }
    return {QStringLiteral("DM-009"), dtQuestion, chn, por};
}

FolderMessage SaveAllFilesMsg(const QString& folder)
{
    return {QStringLiteral("DM-010"), dtQuestion,
            QStringLiteral("是否儲存資料夾 \"") + folder + QStringLiteral("\" 中的全部表格檔案？"),
            QStringLiteral("Armazenar todos os ficheiros da pasta '") + folder + QStringLiteral("'?")};
}

FolderMessage FolderInUseMsg(const QString& folder, const QString& computer, qint64 processId)
{
    const HolderWords by = holderWords(computer, processId,
                                       {QStringLiteral("另一個程式"), QStringLiteral("por outro programa")});
    return {QStringLiteral("DM-017"), dtError,
            QStringLiteral("資料夾") + crlf + folder + crlf + QStringLiteral("正由") + by.chn
                + QStringLiteral("開啟中，不能同時開啟．"),
            QStringLiteral("A pasta ") + crlf + folder + crlf + QStringLiteral("está aberta ") + by.por
                + QStringLiteral(" e não pode ser aberta ao mesmo tempo.")};
}

FolderMessage FolderNotUsableMsg(const QString& folder, FolderPathFault fault)
{
    if (fault == FolderPathFault::NotAFolder)
        return {QStringLiteral("DM-018"), dtError,
                crlf + folder + crlf + QStringLiteral("不是一個資料夾，不能開啟．"),
                crlf + folder + crlf + QStringLiteral("não é uma pasta e não pode ser aberta.")};
    return {QStringLiteral("DM-018"), dtError,
            QStringLiteral("資料夾") + crlf + folder + crlf
                + QStringLiteral("的名稱含有系統編碼不能表示的字元，不能開啟．請先將資料夾改名．"),
            QStringLiteral("O nome da pasta ") + crlf + folder + crlf
                + QStringLiteral("tem caracteres que a codificação do sistema não representa e não pode ser aberta. "
                                 "Mude primeiro o nome da pasta.")};
}

FolderMessage NotARegularFileMsg(const QString& titleChn, const QString& fileName)
{
    return {QStringLiteral("DM-019"), dtError,
            QStringLiteral("資料表「") + titleChn + QStringLiteral("」(") + fileName
                + QStringLiteral(")不是一個普通檔案(例如是一個連結)，儲存時可能寫到資料夾以外，不能開啟此資料夾．"),
            QStringLiteral("O ficheiro '") + fileName
                + QStringLiteral("' não é um ficheiro normal (por exemplo, é uma ligação); gravá-lo poderia escrever "
                                 "fora da pasta, pelo que a pasta não pode ser aberta.")};
}

FolderMessage CannotLockFolderMsg(const QString& folder, int error)
{
    const Cause cause = causeOf(error);
    return {QStringLiteral("DM-020"), dtError,
            QStringLiteral("不能在資料夾") + crlf + folder + crlf + QStringLiteral("中建立鎖定檔案 .quendrix.lock：")
                + cause.chn + QStringLiteral("．為免兩個程式同時修改同一份申報，此資料夾不能開啟．"),
            QStringLiteral("Não foi possível criar o ficheiro de bloqueio .quendrix.lock na pasta ") + crlf + folder
                + crlf + QStringLiteral(": ") + cause.por
                + QStringLiteral(". Para que dois programas não alterem a mesma declaração ao mesmo tempo, a pasta não "
                                 "pode ser aberta.")};
}

FolderMessage ReadOnlyFolderMsg(const QString& folder)
{
    return {QStringLiteral("DM-021"), dtInformation,
            QStringLiteral("資料夾") + crlf + folder + crlf
                + QStringLiteral("是唯讀的(資料夾或其所在的磁碟不能寫入)：可以閱讀及列印其中的申報，但所作的修改都不能儲存．"),
            QStringLiteral("A pasta ") + crlf + folder + crlf
                + QStringLiteral("é só de leitura (a pasta ou o seu disco não pode ser escrito): pode ler e imprimir a "
                                 "declaração, mas nenhuma alteração pode ser gravada.")};
}

FolderMessage FolderNotRememberedMsg(const QString& folder, qx::RegistryFault fault, int error)
{
    const Cause why = settingsFaultOf(fault, error);
    return {QStringLiteral("DM-029"), dtWarning,
            QStringLiteral("不能記住資料夾") + crlf + folder + crlf + QStringLiteral("以便下次從此處開始，因為") + why.chn
                + QStringLiteral("．此資料夾仍照常開啟．"),
            QStringLiteral("Não foi possível memorizar a pasta ") + crlf + folder + crlf
                + QStringLiteral("para a próxima vez, porque ") + why.por + QStringLiteral(". A pasta é aberta na mesma.")};
}

FolderMessage FolderUnreadableMsg(const QString& folder, int error)
{
    const Cause cause = causeOf(error);
    return {QStringLiteral("DM-022"), dtError,
            QStringLiteral("不能讀取資料夾") + crlf + folder + crlf + QStringLiteral("(") + cause.chn
                + QStringLiteral(")，不能開啟．請檢查資料夾的存取權限．"),
            QStringLiteral("Não é possível ler a pasta ") + crlf + folder + crlf + QStringLiteral("(") + cause.por
                + QStringLiteral(") e ela não pode ser aberta. Verifique as permissões de acesso da pasta.")};
}

FolderMessage InterruptedSaveFinishedMsg(const QString& folder)
{
    return {QStringLiteral("DM-023"), dtInformation,
            QStringLiteral("上次在資料夾 ") + folder + QStringLiteral(" 中被中斷的儲存已經完成：全部表格檔案都是該次儲存的內容．"),
            QStringLiteral("A gravação interrompida na pasta ") + folder
                + QStringLiteral(" foi concluída: todos os ficheiros estão como essa gravação os deixou.")};
}

FolderMessage InterruptedSaveUndoneMsg(const QString& folder)
{
    return {QStringLiteral("DM-024"), dtInformation,
            QStringLiteral("上次在資料夾 ") + folder
                + QStringLiteral(" 中的儲存未能完成，已被撤銷：全部表格檔案都是之前儲存的內容，該次儲存的修改已遺失．"),
            QStringLiteral("A última gravação na pasta ") + folder
                + QStringLiteral(" não chegou ao fim e foi anulada: todos os ficheiros estão como antes dela e as "
                                 "alterações dessa gravação perderam-se.")};
}

FolderMessage UnfinishedSaveMsg(const QString& folder)
{
    return {QStringLiteral("DM-042"), dtInformation,
            QStringLiteral("上次在資料夾 ") + folder
                + QStringLiteral(" 中的儲存未能完成，但它沒有改動任何檔案：申報的內容與之前儲存的相同，該次儲存的修改沒有保存．"),
            QStringLiteral("A última gravação na pasta ") + folder
                + QStringLiteral(" não chegou ao fim, mas não alterou nenhum ficheiro: a declaração está como foi gravada "
                                 "antes dela e as alterações dessa gravação não foram guardadas.")};
}

FolderMessage InterruptedSaveStuckMsg(const QString& folder, const QString& error)
{
    // The reason is said in each language for a read-only folder; a failure's own text follows the
    // sentence on a line of its own, as in the other failure reports.
    const bool readOnly = error.isEmpty();
    const QString chn = readOnly ? QStringLiteral("(資料夾是唯讀的；請在可以寫入此資料夾的地方再開啟一次)，所以不能開啟．")
                                 : QStringLiteral("，所以不能開啟：") + crlf + error;
    const QString por = readOnly ? QStringLiteral(" (a pasta é só de leitura; abra-a uma vez onde possa ser escrita), pelo "
                                                  "que não pode ser aberta.")
                                 : QStringLiteral(", pelo que não pode ser aberta:") + crlf + error;
    return {QStringLiteral("DM-025"), dtError,
            QStringLiteral("資料夾") + crlf + folder + crlf + QStringLiteral("中有一次被中斷的儲存，不能完成也不能撤銷") + chn,
            QStringLiteral("A pasta ") + crlf + folder + crlf
                + QStringLiteral("tem uma gravação interrompida que não pode ser concluída nem anulada") + por};
}

FolderMessage UnrecordedSaveMsg(const QString& folder, const QStringList& putBack, const QStringList& kept)
{
    const auto lines = [](const QStringList& names) { return crlf + names.join(crlf) + crlf; };
    QString chn = QStringLiteral("資料夾") + crlf + folder + crlf
        + QStringLiteral("中有一次被中斷的儲存留下的檔案，但它的儲存日誌 .quendrix.journal 已不在(例如複製資料夾時漏掉了隱藏檔案)，"
                         "所以不能判斷該次儲存改動了哪些檔案：表格檔案可能部分是該次儲存的內容，部分是之前的內容．");
    QString por = QStringLiteral("A pasta ") + crlf + folder + crlf
        + QStringLiteral("tem ficheiros deixados por uma gravação interrompida cujo registo de gravação .quendrix.journal "
                         "já não existe (por exemplo, a pasta foi copiada sem os ficheiros ocultos), pelo que não é possível "
                         "saber que ficheiros essa gravação alterou: os ficheiros da declaração podem ser em parte dessa "
                         "gravação e em parte anteriores a ela.");
    if (!putBack.isEmpty()) {
        chn += QStringLiteral("下列欠缺的檔案已放回該次儲存之前的內容：") + lines(putBack);
        por += QStringLiteral(" Os seguintes ficheiros em falta foram repostos como estavam antes dessa gravação:")
            + lines(putBack);
    }
    if (!kept.isEmpty()) {
        chn += QStringLiteral("下列檔案可能是某個表格唯一的副本，已保留；確定申報無誤後可以刪除它們：") + lines(kept);
        por += QStringLiteral(" Os seguintes ficheiros foram guardados, porque cada um pode ser a única cópia de uma "
                              "tabela; depois de confirmar que a declaração está certa, pode apagá-los:")
            + lines(kept);
    }
    chn += QStringLiteral("請檢查申報的內容．");
    por += QStringLiteral(" Verifique a declaração.");
    return {QStringLiteral("DM-041"), dtWarning, chn, por};
}

FolderMessage FolderLockUndecidedMsg(const QString& folder, const QString& computer, qint64 processId,
                                     const QString& lockPath)
{
    const HolderWords by = holderWords(computer, processId,
                                       {QStringLiteral("另一個程式(鎖定檔案不能讀取)"),
                                        QStringLiteral("por outro programa (o ficheiro de bloqueio não pode ser lido)")});
    return {QStringLiteral("DM-026"), dtError,
            QStringLiteral("資料夾") + crlf + folder + crlf + QStringLiteral("已被") + by.chn
                + QStringLiteral("鎖定，但不能判斷該程式是否仍在使用它．如確定沒有程式正在使用此資料夾，請刪除檔案") + crlf
                + lockPath + crlf + QStringLiteral("後再開啟．"),
            QStringLiteral("A pasta ") + crlf + folder + crlf + QStringLiteral("está bloqueada ") + by.por
                + QStringLiteral(", mas não é possível saber se ele ainda a usa. Se tiver a certeza de que nenhum "
                                 "programa usa a pasta, apague o ficheiro ")
                + crlf + lockPath + crlf + QStringLiteral("e abra-a de novo.")};
}

FolderMessage LockNotARegularFileMsg(const QString& lockPath)
{
    return {QStringLiteral("DM-040"), dtError,
            QStringLiteral("資料夾的鎖定檔案") + crlf + lockPath + crlf
                + QStringLiteral("不是一個普通檔案(例如是一個連結、管道或資料夾)，程式不會讀取或跟隨它，所以不能開啟此資料夾．"
                                 "它不是申報的檔案：請刪除它後再開啟．"),
            QStringLiteral("O ficheiro de bloqueio da pasta") + crlf + lockPath + crlf
                + QStringLiteral("não é um ficheiro normal (por exemplo, é uma ligação, um pipe ou uma pasta); o "
                                 "programa não o lê nem o segue, pelo que a pasta não pode ser aberta. Não é um "
                                 "ficheiro da declaração: apague-o e abra a pasta de novo.")};
}

FolderMessage CannotWriteSaveJournalMsg(const QString& folder, const QString& error)
{
    return {QStringLiteral("DM-027"), dtError,
            QStringLiteral("儲存時不能在資料夾") + crlf + folder + crlf
                + QStringLiteral("中寫入儲存日誌 .quendrix.journal；沒有檔案被修改，所作的修改仍然保留，可以再儲存：") + crlf + error,
            QStringLiteral("Ao gravar, não foi possível escrever o registo de gravação .quendrix.journal na pasta ")
                + crlf + folder + crlf
                + QStringLiteral("; nenhum ficheiro foi alterado e as alterações continuam por gravar:") + crlf + error};
}

FolderMessage UnusableSaveJournalMsg(const QString& journal, const QString& entry, JournalFault fault, int error)
{
    const bool other = entry != journal;  // a file the journal names
    const Cause cause = causeOf(error);
    QString chn, por;
    switch (fault) {
    case JournalFault::Unreadable:
        chn = QStringLiteral("不能讀取(") + cause.chn + QStringLiteral(")");
        por = QStringLiteral("não pode ser lido (") + cause.por + QStringLiteral(")");
        break;
    case JournalFault::NotARegularFile:
        chn = QStringLiteral("不是一個普通檔案(而是一個目錄、連結或管道等)");
        por = QStringLiteral("não é um ficheiro normal (é uma pasta, uma ligação, um canal ou outro)");
        break;
    case JournalFault::Damaged:
        chn = QStringLiteral("已損壞或被改動過");
        por = QStringLiteral("está danificado ou foi alterado");
        break;
    }
    const QString whatChn = other ? QStringLiteral("儲存日誌") + crlf + journal + crlf + QStringLiteral("所記載的檔案") + crlf
                                        + entry + crlf
                                  : QStringLiteral("儲存日誌") + crlf + journal + crlf;
    const QString whatPor = other ? QStringLiteral("O ficheiro ") + crlf + entry + crlf
                                        + QStringLiteral("indicado no registo de gravação ") + crlf + journal + crlf
                                  : QStringLiteral("O registo de gravação ") + crlf + journal + crlf;
    return {QStringLiteral("DM-028"), dtError,
            whatChn + chn
                + QStringLiteral("，不能判斷上次的儲存是否已完成，所以不能開啟此資料夾；資料夾中的檔案都沒有被改動．"
                                 "請由能讀取此檔案的使用者開啟資料夾，或向寄出資料夾的人索取一份完整的副本．"),
            whatPor + por
                + QStringLiteral("; não é possível saber se a última gravação terminou, pelo que a pasta não pode ser "
                                 "aberta. Nenhum ficheiro da pasta foi alterado. Abra a pasta com um utilizador que possa "
                                 "ler este ficheiro, ou peça a quem a enviou uma cópia completa.")};
}
