#include "core/folder/FolderMessages.h"

#include "core/util/Messages.h"

namespace {

const QString crlf = QStringLiteral("\r\n");

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
                                const QString& error)
{
    const bool memory = step == SaveStep::Memory;
    const QString stepChn = memory ? QStringLiteral("儲存(至記憶體)") : QStringLiteral("儲存(至硬碟)");
    const QString stepPor = memory ? QStringLiteral("na memória") : QStringLiteral("no disco");
    return {QStringLiteral("DM-005"), dtError,
            QStringLiteral("表格「") + titleChn + QStringLiteral("」(") + fileName + QStringLiteral(")於")
                + stepChn + QStringLiteral("時出現以下故障：") + crlf + error,
            QStringLiteral("Houve a seguinte falha quando armazenou o ficheiro '") + titleChn
                + QStringLiteral("' ") + stepPor + QStringLiteral(" rígido:") + crlf + error};
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

FolderMessage MissingFilesMsg(const QString& folder, const QString& titlesChn, const QString& titlesPor)
{
    return {QStringLiteral("DM-009"), dtQuestion,
            QStringLiteral("資料夾") + crlf + folder + crlf
                + QStringLiteral("中欠缺下列檔案，是否以空白表格補充？") + crlf + titlesChn,
            QStringLiteral("Não existem os seguintes ficheiros na pasta ") + crlf + folder + crlf
                + QStringLiteral(". Quer adicionar ficheiros em branco?") + crlf + titlesPor};
}

FolderMessage SaveAllFilesMsg(const QString& folder)
{
    return {QStringLiteral("DM-010"), dtQuestion,
            QStringLiteral("是否儲存資料夾 \"") + folder + QStringLiteral("\" 中的全部表格檔案？"),
            QStringLiteral("Armazenar todos os ficheiros da pasta '") + folder + QStringLiteral("'?")};
}

FolderMessage FolderInUseMsg(const QString& folder, const QString& computer, qint64 processId)
{
    const QString pid = QString::number(processId);
    return {QStringLiteral("DM-017"), dtError,
            QStringLiteral("資料夾") + crlf + folder + crlf + QStringLiteral("正由電腦「") + computer
                + QStringLiteral("」上的程式(進程 ") + pid + QStringLiteral(")開啟中，不能同時開啟．"),
            QStringLiteral("A pasta ") + crlf + folder + crlf + QStringLiteral("está aberta pelo programa no computador '")
                + computer + QStringLiteral("' (processo ") + pid + QStringLiteral(") e não pode ser aberta ao mesmo tempo.")};
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
