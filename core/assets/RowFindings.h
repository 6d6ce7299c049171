#pragma once
// The findings of one row check of an asset list: a Chinese and a Portuguese text, one line per
// finding, lines separated by an empty line. All of them are shown in one error dialog and the
// post is refused silently, leaving the row in edit.

#include <QString>

class RowFindings {
public:
    void add(const QString& chn, const QString& por);
    bool isEmpty() const { return count_ == 0; }
    int count() const { return count_; }
    const QString& chn() const { return chn_; }
    const QString& por() const { return por_; }

    // With findings: shows them under the headings in an error dialog with `code`, then aborts
    // the post (qx::SilentAbort). Without findings: nothing.
    void refuseIfAny(const QString& headingChn, const QString& headingPor, const QString& code) const;

private:
    QString chn_;
    QString por_;
    int count_ = 0;
};
