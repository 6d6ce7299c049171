#include "ui/mainwindow/PrnSetupPort.h"

#include "print/dialog/TFormPrnSetup.h"
#include "ui/editors/BindEditorPage.h"

void PrnSetupPort::BindReportFields(QScrollArea& page, const QString& reportForm, const QString& band, int minLeft,
                                    int maxLeft)
{
    BindEditorPage(reports_, page, reportForm, band, minLeft, maxLeft);
}

void PrnSetupPort::SetPageCode(int pageCode) { dialog_.PageCode = pageCode; }

void PrnSetupPort::SetM1OnA4(bool onA4) { dialog_.M1OnA4 = onA4; }

void PrnSetupPort::SetSheet(int pagNum, int faceNum)
{
    dialog_.PagNum = pagNum;
    dialog_.FaceNum = faceNum;
}

void PrnSetupPort::ShowModal() { dialog_.exec(); }
