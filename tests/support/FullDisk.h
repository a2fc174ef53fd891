#pragma once

#include <QProcess>
#include <QTemporaryDir>

namespace tavolin::test {

// A tmpfs mounted at a new folder with no room for another file or folder: a really full
// disk. Mounting needs root (as in CI); Mounted() says whether it worked.
struct FullDisk
{
    QTemporaryDir dir;
    bool mounted = QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                                              QStringLiteral("size=64k,nr_inodes=1"), QStringLiteral("tmpfs"), dir.path()})
                   == 0;
    ~FullDisk()
    {
        if (mounted)
            QProcess::execute(QStringLiteral("umount"), {dir.path()});
    }
    bool Mounted() const { return mounted; }
    QString Path() const { return dir.path(); }
};

} // namespace tavolin::test
