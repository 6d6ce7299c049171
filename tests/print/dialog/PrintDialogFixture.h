#pragma once
// The print dialog on a fresh folder, with report pages and printers standing in for the report
// forms and the system's printers, and helpers to drive it as a user would.

#include "core/assets/AssetListFixture.h"
#include "print/dialog/FakePrinting.h"
#include "print/dialog/TFormPrnSetup.h"

#include <QLineEdit>
#include <QListWidget>
#include <memory>

class PrintDialogFixture : public AssetListFixture {
protected:
    // The service the dialog prints through; the scripted printers unless a test gives another.
    virtual PrintService& Printers() { return printers; }

    void SetUp() override
    {
        AssetListFixture::SetUp();
        dlg = std::make_unique<TFormPrnSetup>(*dm, pages, Printers());
        dlg->setDecimalSeparator(u'.');
    }
    void TearDown() override
    {
        dlg.reset();
        AssetListFixture::TearDown();
    }

    // A declaration of the sector without any error: the blank one plus M/1's required entries.
    void CleanDeclaration(const char* sector)
    {
        PostFields(dm->cdsSys, {{"Sector_ID", sector}});
        PostFields(dm->cdsM1P1,
                   {{"Nome_Contribuinte_1", "Empresa"}, {"No_Contribuinte", "1234567"}, {"Distico_Comercial", "Loja"},
                    {"No_Cadastro", "1"}, {"Residencia_ou_Sede_1", "Rua"}, {"Tipo_Contribuinte_Individual", "True"},
                    {"Tipo_e_No_Doc_Id", "BIR 1"}, {"Actividade_Principal", "Comercio"},
                    {"Actividade_Codigo_1", "12345"}, {"Tipo_de_Declaracao_Normal", "True"},
                    {"Exercicio_Anterior_Grupo_A", "True"}, {"Enderecados_ao_Contribuinte", "True"},
                    {"Acomp_Anexos_A_B", "True"}});
        PostFields(dm->cdsM1P3, {{"Regime_Prep_Doc_Fin_NRF", "True"}, {"Lingua_Reg_Con_Chines", "True"},
                                 {"Moeda_Reg_Con_Mop", "True"}, {"Nome_Aud_Cont", "Auditor"},
                                 {"Num_Cartao_Prof_Tervask", "123"}, {"Assinatura_Contrib", "True"}});
    }

    void Show(int pageCode, bool m1OnA4 = false)
    {
        dlg->PageCode = pageCode;
        dlg->M1OnA4 = m1OnA4;
        dlg->show();
    }
    void Reopen(int pageCode, bool m1OnA4 = false)
    {
        dlg->reject();
        Show(pageCode, m1OnA4);
    }
    void Select(int item) { dlg->CheckListBoxRptPage->setCurrentRow(item); }
    QStringList Items() const
    {
        QStringList out;
        for (int i = 0; i < dlg->CheckListBoxRptPage->count(); ++i)
            out << dlg->CheckListBoxRptPage->item(i)->text();
        return out;
    }
    void SetOffsets(const char* top, const char* left)
    {
        dlg->EditTopMargin->setText(QString::fromLatin1(top));
        dlg->EditLeftMargin->setText(QString::fromLatin1(left));
    }
    QString Offsets() const { return dlg->EditTopMargin->text() + u'/' + dlg->EditLeftMargin->text(); }

    FakeReportPages pages;
    FakePrintService printers;
    std::unique_ptr<TFormPrnSetup> dlg;
};
