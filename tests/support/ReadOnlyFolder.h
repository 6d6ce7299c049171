#pragma once
// Makes a folder refuse new entries for the life of the object: its write permission taken away,
// or, for root, which ignores permissions, the immutable flag set.

#include <QFile>
#include <QProcess>
#include <QString>
#include <functional>
#include <unistd.h>
#include <utility>

namespace qxtest {

class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path)
    {
        if (geteuid() != 0) {
            made_ = QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
            undo_ = [path] { QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); };
        } else if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path}) == 0) {
            made_ = true;
            undo_ = [path] { QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path}); };
        }
    }
    ~ReadOnlyFolder() { release(); }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    void release()
    {
        if (undo_)
            std::exchange(undo_, nullptr)();
    }
    bool made() const { return made_; }

private:
    bool made_ = false;
    std::function<void()> undo_;
};

}  // namespace qxtest
