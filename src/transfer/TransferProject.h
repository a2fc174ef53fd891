#pragma once

#include <QString>
#include <memory>

#include "project/ProjectConfig.h"
#include "transfer/TransferProtocol.h"

class TCharSet;
class TMessageTable;

// A project as a transfer needs it, loaded and saved the way the editor does it, for
// callers without the main window (the command-line tool, tests, benchmarks).
class TTransferProject
{
public:
    TTransferProject();
    ~TTransferProject();

    // Configuration over the default one, its display type, the text files of every
    // language the type has and the graphics character set "<charSetName>.pix".
    // What reading left out is in `warnings` afterwards.
    void Load(const QString& folder);
    // An empty project of the given display type, ready to be filled by a read-back.
    void Create(const QString& folder, const QString& displayTypeName);
    // Writes everything into `folder` as saving a project does: text files (the previous
    // ones kept as ".bak"), the character set and the configuration.
    void Save(const QString& folder);

    TransferJob Job(bool download) const;

    TProjectState state;
    ReadWarnings warnings;
    std::unique_ptr<TMessageTable> operating;
    std::unique_ptr<TMessageTable> diagnostic;
    std::unique_ptr<TCharSet> graphics;

private:
    void createTables();
};
