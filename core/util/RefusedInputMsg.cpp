#include "core/util/RefusedInputMsg.h"

#include "platform/data/ClientDataSet.h"

namespace {

QString chnBox(const BoxName& box) { return QStringLiteral("「") + box.chn + QStringLiteral("」"); }
QString porBox(const BoxName& box) { return QStringLiteral("'") + box.por + QStringLiteral("'"); }

}  // namespace

RefusedInputMessage RefusedInputMsg(const qx::FieldValueError& error, const BoxName& box)
{
    const QString v = error.value;
    RefusedInputMessage m;
    m.eng = QString::fromStdString(error.what());
    switch (error.fault) {
    case qx::ValueFault::NotADate:
    case qx::ValueFault::NotADateTime:
        m.code = QStringLiteral("DM-035");
        m.chn = chnBox(box) + QStringLiteral("不接受「%1」：沒有這個日期．請以 日/月/年 輸入，例如 31/12/2001．").arg(v);
        m.por = QStringLiteral("'%1' não é uma data válida para %2. Escreva-a como dia/mês/ano, por exemplo 31/12/2001.")
                    .arg(v, porBox(box));
        break;
    case qx::ValueFault::NotAnAmount:
        m.code = QStringLiteral("DM-036");
        m.chn = chnBox(box) + QStringLiteral("不接受「%1」：金額只可由數字組成，負數前加減號．").arg(v);
        m.por = QStringLiteral("'%1' não é um montante válido para %2. Escreva só algarismos, com o sinal menos à frente "
                               "se for negativo.")
                    .arg(v, porBox(box));
        break;
    case qx::ValueFault::NotAnInteger:
    case qx::ValueFault::NotABoolean:
        m.code = QStringLiteral("DM-037");
        m.chn = chnBox(box) + QStringLiteral("不接受「%1」：只可輸入整數．").arg(v);
        m.por = QStringLiteral("'%1' não é um número inteiro válido para %2.").arg(v, porBox(box));
        break;
    case qx::ValueFault::OutOfRange: {
        const bool aboveRange = v.toLongLong() > error.high;
        m.code = QStringLiteral("DM-037");
        m.chn = chnBox(box) + QStringLiteral("不接受 %1：").arg(v)
                + (aboveRange ? QStringLiteral("數值不可大於 %1．").arg(error.high)
                              : QStringLiteral("數值不可小於 %1．").arg(error.low));
        m.por = QStringLiteral("%1 não é aceite em %2: ").arg(v, porBox(box))
                + (aboveRange ? QStringLiteral("o maior valor aceite é %1.").arg(error.high)
                              : QStringLiteral("o menor valor aceite é %1.").arg(error.low));
        break;
    }
    case qx::ValueFault::TooLong:
        m.code = QStringLiteral("DM-038");
        m.chn = chnBox(box) + QStringLiteral("最多可容納 %1 個字元（每個中文字佔兩個），「%2」太長，請縮短．")
                                  .arg(error.maxBytes).arg(v);
        m.por = QStringLiteral("%1 leva no máximo %2 caracteres (cada carácter chinês conta por dois); '%3' é demasiado "
                               "longo e tem de ser encurtado.")
                    .arg(porBox(box)).arg(error.maxBytes).arg(v);
        break;
    case qx::ValueFault::BadCharacter:
        m.code = QStringLiteral("DM-039");
        m.chn = chnBox(box) + QStringLiteral("不能存入字元 %1（控制字元或非字元，檔案不能保存），請把它刪除．").arg(error.character);
        m.por = QStringLiteral("%1 não pode guardar o carácter %2 (um carácter de controlo ou um não-carácter, que o "
                               "ficheiro não guarda). Apague-o.")
                    .arg(porBox(box), error.character);
        break;
    }
    return m;
}
