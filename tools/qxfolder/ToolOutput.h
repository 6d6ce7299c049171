#pragma once
// The output of the test tools (qxfolder, qxprint): lines on standard output, and the message
// presenter that prints every message as MSG<TAB>code<TAB>type<TAB>Chinese<TAB>Portuguese and
// answers questions from the command line (Yes unless told otherwise).

#include "core/util/Messages.h"

#include <QMap>
#include <QString>

void PrintLine(const QString& line);

class PrintingPresenter final : public MessagePresenter {
public:
    explicit PrintingPresenter(QMap<QString, int> answers) : answers_(std::move(answers)) {}
    int present(const QString& chn, const QString& por, const QString& eng, std::uint8_t dlgType,
                const QString& code) override;

private:
    QMap<QString, int> answers_;
};
