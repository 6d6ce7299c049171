#pragma once
// A message presenter for tests: records every message and answers questions from a script.

#include "core/util/Messages.h"

#include <QMap>
#include <QString>
#include <vector>

struct ShownMessage {
    QString chn, por, eng;
    int dlgType = 0;
    QString code;
};

class ScriptedMessages final : public MessagePresenter {
public:
    ScriptedMessages() { SetMessagePresenter(this); }
    ~ScriptedMessages() override { SetMessagePresenter(nullptr); }

    // Answer for questions with this code (default: Yes).
    void answer(const QString& code, int result) { answers_[code] = result; }

    int present(const QString& chn, const QString& por, const QString& eng, std::uint8_t dlgType,
                const QString& code) override
    {
        shown.push_back({chn, por, eng, dlgType, code});
        if (dlgType != dtQuestion)
            return mrOk;
        return answers_.value(code, mrYes);
    }

    QStringList codes() const
    {
        QStringList out;
        for (const auto& m : shown)
            out << m.code;
        return out;
    }
    void clear() { shown.clear(); }

    std::vector<ShownMessage> shown;

private:
    QMap<QString, int> answers_;
};
