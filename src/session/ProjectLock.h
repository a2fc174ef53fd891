#pragma once

#include <QString>
#include <memory>

class QLockFile;

// One program at a time writes a project folder: the lock file ".tavolin.lock" in it
// holds host, process id and program of the writer. A lock whose process is gone is taken
// over. Readers (download, print, compare, export) take none.
class ProjectLock
{
public:
    enum class State {
        Held,          // this program holds the lock
        HeldElsewhere, // another program writes the project
        Impossible,    // no lock file can be made there (a read-only medium)
    };

    static constexpr const char* FileName = ".tavolin.lock";

    // Tries once, without waiting.
    explicit ProjectLock(const QString& folder);
    ~ProjectLock();
    ProjectLock(const ProjectLock&) = delete;
    ProjectLock& operator=(const ProjectLock&) = delete;

    State Result() const { return state; }
    QString Folder() const { return folder; }
    // "Das Projekt … ist in Tavolin auf <Rechner> (Prozess 1234) geöffnet."
    QString HolderMessage() const;

    // For a writer of the command line: the lock, or the holder's message raised as
    // TavolinError. A folder without room for a lock is written without one; its files
    // refuse the write themselves.
    static std::unique_ptr<ProjectLock> ForWriting(const QString& folder);
    // The same for a single file written into a folder that holds a project (a
    // "tavolin.cfg"); nothing for a file elsewhere.
    static std::unique_ptr<ProjectLock> ForWritingFile(const QString& path);

private:
    QString folder;
    std::unique_ptr<QLockFile> file;
    State state = State::Impossible;
};
