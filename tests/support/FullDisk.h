#pragma once

#include <QString>
#include <QTemporaryDir>
#include <functional>

namespace tavolin::test {

// A really full file system for the writers' tests. Where the test may mount (root, as
// in CI) it is a 64 KiB tmpfs, filled to the last block while an action runs. Elsewhere
// the action runs in a child process whose file size limit is 1 KiB with SIGXFSZ ignored,
// so that every write beyond it fails as on a full disk.
class FullDisk
{
public:
    FullDisk();
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    QString Path() const { return folder.path(); }
    QString FilePath(const QString& name) const { return folder.filePath(name); }
    bool Mounted() const { return mounted; }
    // The German reason a write on this disk fails with.
    QString Reason() const;

    // Runs `action` with the disk full; the message of the TavolinError it raised, or ""
    // (also for any other exception, which the test then sees as a missing error).
    QString ErrorOf(const std::function<void()>& action);
    // With the disk full for as long as `action` runs, in this process (tmpfs only).
    void WhileFull(const std::function<void()>& action);

private:
    QTemporaryDir folder;
    bool mounted = false;
};

} // namespace tavolin::test
