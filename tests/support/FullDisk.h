#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace tavolin::test {

// A tmpfs mounted at a new folder that has no room for another file or folder: a really
// full disk. Mounting needs root (as in CI); Mounted() says whether it worked.
class FullDisk
{
public:
    FullDisk()
    {
        m_mounted = m_dir.isValid()
                    && QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                                                   QStringLiteral("-o"), QStringLiteral("size=64k,nr_inodes=1"),
                                                                   QStringLiteral("tmpfs"), m_dir.path()})
                           == 0;
    }
    ~FullDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool Mounted() const { return m_mounted; }
    QString Path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

} // namespace tavolin::test
