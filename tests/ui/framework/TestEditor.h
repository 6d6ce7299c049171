#pragma once
// The tests' own two-page editor over two small datasets (pages 5011 and 5012, which the validation leaves alone). Page 1: Nome,
// Valor_Mop, the text dobro_mop, Dia, Qtd, the text Marca; page 2: Nome, Valor_Mop.
// Recalculations are counted instead of run.

#include "platform/widgets/DataEdit.h"
#include "platform/widgets/DataText.h"
#include "ui/framework/TFormFill.h"

#include <QImage>

class TestEditor : public TFormFill {
public:
    TestEditor(qx::ClientDataSet& p1, qx::ClientDataSet& p2) : TFormFill(specOf(p1, p2))
    {
        int y = 10;
        auto row = [&y] { y += 30; return y; };
        Nome = AddEdit(0, QStringLiteral("Nome"), {20, row(), 120, 20});
        Valor = AddEdit(0, QStringLiteral("Valor_Mop"), {20, row(), 120, 20});
        Dobro = AddText(0, QStringLiteral("dobro_mop"), {20, row(), 120, 20});
        Dia = AddEdit(0, QStringLiteral("Dia"), {20, row(), 120, 20});
        Qtd = AddEdit(0, QStringLiteral("Qtd"), {20, row(), 120, 20});
        Marca = AddText(0, QStringLiteral("Marca"), {20, row(), 120, 20});
        y = 10;
        Nome2 = AddEdit(1, QStringLiteral("Nome"), {20, row(), 120, 20});
        Valor2 = AddEdit(1, QStringLiteral("Valor_Mop"), {20, row(), 120, 20});
    }

    int recalcs = 0;
    DataEdit *Nome, *Valor, *Dia, *Qtd, *Nome2, *Valor2;
    DataText *Dobro, *Marca;

protected:
    void RecalcPage(qx::ClientDataSet&) override { ++recalcs; }

private:
    static EditorSpec specOf(qx::ClientDataSet& p1, qx::ClientDataSet& p2)
    {
        QImage picture(400, 300, QImage::Format_RGB32);
        picture.fill(QColor(250, 250, 240));
        EditorSpec spec;
        spec.caption = QStringLiteral("測試　Teste");
        spec.formCode = 1011;
        spec.pages.push_back({QStringLiteral("1"), &p1, 5011, picture, Qt::white, QStringLiteral("Nome"), QStringLiteral("Qtd")});
        spec.pages.push_back({QStringLiteral("2"), &p2, 5012, picture, Qt::white, QStringLiteral("Nome"), QStringLiteral("Valor_Mop")});
        return spec;
    }
};
