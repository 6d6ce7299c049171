// Placeholder bodies; the topic of this file fills them in.
#include "core/module/TdmMain.h"

TFolderResult TdmMain::ProcessFormFolder(const QString& folder, TFormFolderMode mode)
{
    return TFolderResult::frFailed;
}

void TdmMain::RegisterFolderFile(qx::ClientDataSet& dataSet, int objCode, const QString& fileName, const QString& titleChn, const QString& titlePor)
{
}

bool TdmMain::OpenFolderFile(const TFolderFile& entry, bool forceNew, bool addBlank)
{
    return false;
}

bool TdmMain::SaveFolderFile(const TFolderFile& entry)
{
    return false;
}

bool TdmMain::CloseFolderFile(const TFolderFile& entry)
{
    return false;
}
