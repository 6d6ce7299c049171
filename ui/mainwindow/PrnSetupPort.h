#pragma once
// The editors' print dialog is FormPrnSetup: the page code (M/1's A4 or A3, M/3's sheet and face)
// is set on it before it is shown modally, and an editor's first show binds each report band to
// its page's controls by position (a mismatch shows FormAutoMap).

#include "ui/framework/EditorPorts.h"

class ReportForms;
class TFormPrnSetup;

class PrnSetupPort final : public PrintDialogPort {
public:
    PrnSetupPort(TFormPrnSetup& dialog, ReportForms& reports) : dialog_(dialog), reports_(reports) {}

    void BindReportFields(QScrollArea& page, const QString& reportForm, const QString& band, int minLeft,
                          int maxLeft) override;
    void SetPageCode(int pageCode) override;
    void SetM1OnA4(bool onA4) override;
    void SetSheet(int pagNum, int faceNum) override;
    void ShowModal() override;

private:
    TFormPrnSetup& dialog_;
    ReportForms& reports_;
};
