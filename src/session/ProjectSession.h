#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <array>
#include <memory>

#include "charset/CharSet.h"
#include "project/ProjectConfig.h"
#include "session/ProjectHistory.h"
#include "session/ProjectLock.h"
#include "texts/MessageTable.h"
#include "transfer/TransferProtocol.h"

// The open project: state, text tables, the two character sets, and the one way a
// project folder is read, created and saved, for the editor, the command line, the
// benchmarks and the tests alike. Failures are raised as TavolinError with one German
// text each, naming the file. No widgets and no questions here.
class ProjectSession : public QObject
{
    Q_OBJECT

public:
    enum Change {
        TablesChanged = 0x1,       // opened, closed, or a table's content replaced
        CurrentTableChanged = 0x2, // operating / diagnostic texts shown
        ModifiedChanged = 0x4,     // saved, or changed since
        CharSetChanged = 0x8,      // the graphics character set or its name
    };
    Q_DECLARE_FLAGS(Changes, Change)
    Q_FLAG(Changes)

    struct TableLanguage
    {
        int table;
        int language;
    };

    explicit ProjectSession(QObject* parent = nullptr);
    ~ProjectSession() override;

    bool IsOpen() const { return tables[0] != nullptr; }
    TMessageTable* Table(int index) const { return tables[static_cast<size_t>(index)].get(); }
    TMessageTable* CurrentTable() const { return Table(currentTable); }
    bool HasDiagnosticTexts() const { return project.displayType.Has(dtDiagnosticTexts); }
    bool IsEmpty() const { return !IsOpen() || CurrentTable()->Count() == 0; }

    // The table languages the display type has, in the order they are saved.
    QList<TableLanguage> TableLanguages() const;

    QString CharSetName() const { return TProjectConfig::Get(project.config.charSetName); }
    void SetCharSetName(const QString& name);
    QString PixPath(const QString& name) const;

    // The state of an existing project folder: its configuration over the default one and
    // its display type. Raises when the folder or the display type is missing.
    static TProjectState ReadFolder(const QString& folder);

    // Opens an existing project folder with every file it names; what reading left out
    // is in `warnings` afterwards.
    void Load(const QString& folder);
    // An empty project of the given display type, not yet on disk (a read-back fills it).
    void Create(const QString& folder, const QString& displayTypeName);

    // Takes the state over and creates the tables (their QObject parent `tableParent`);
    // an empty character set name becomes "default".
    void Begin(const TProjectState& state, QObject* tableParent = nullptr);
    // Loads the graphics character set and the text files. A new project reads only the
    // files that exist, and the names of the missing ones are set for saving.
    // Returns what reading left out or took from the defaults, for the user to see.
    ReadWarnings LoadFiles(bool newProject);
    // Loads a project character set by name. A name without a file yet starts from the
    // program's starter set and counts as changed, so that saving creates its file.
    void ImportGraphics(const QString& name);
    void ImportStandardCharSet();

    // Writes every text file (keeping the previous one as ".bak"), the graphics set and
    // the configuration into the project folder, then clears the changed flags. Every text
    // is checked before the first file is touched; a read-only session refuses at once.
    // Raises the German error of the first write that fails. Returns whether the character
    // set file was new.
    bool Save();
    // Holds `taken` for as long as the project stays open. Without the lock (another
    // program writes the project, or the folder takes no lock file) the session is
    // read-only, and `readOnly` says why.
    void HoldLock(std::unique_ptr<ProjectLock> taken);
    // What a download or comparison of `selection` would take from files that are not
    // there as the project names them: raises, naming the file, when the configuration
    // was not read whole or, with the character set selected, its ".pix" is missing.
    void CheckTransferable(int selection) const;
    // Takes over the tables and the graphics glyphs of `readBack`, a session the display
    // was read into before this project was opened.
    void TakeContent(ProjectSession& readBack, QObject* tableParent);
    // The same files into another folder; the session keeps its folder and flags.
    void SaveTo(const QString& folder);

    // Folds the tables' changed flags into the project's; true when closing should ask.
    bool NeedsSaving();
    // Something differs from the files: the caption carries a mark.
    bool IsModified() const;
    void MarkModified();
    void SetCurrentTable(int index);

    // No project: state cleared, tables gone, character sets released.
    void Clear();

    QString Caption() const;
    TransferJob Job(bool download) const;

    // Listeners (the window's actions, caption, status) follow what changed.
    void Notify(Changes what) { Q_EMIT Changed(what); }

    TProjectState project;
    // The project was opened from or saved to its folder; only then it belongs on the
    // recent-projects list.
    bool onDisk = false;
    ReadWarnings warnings;
    // The configuration file as read had damage that the defaults filled in.
    bool configDamaged = false;
    std::unique_ptr<ProjectLock> lock;
    QString readOnly;
    std::array<std::unique_ptr<TMessageTable>, 2> tables;
    int currentTable = 0;
    TCharSet standard{'S'};
    TCharSet graphics{'G'};
    // Undo and redo of every change since the project was opened.
    ProjectHistory history{*this};

Q_SIGNALS:
    void Changed(ProjectSession::Changes what);

private:
    bool writeFiles(const QString& folder);
};

Q_DECLARE_OPERATORS_FOR_FLAGS(ProjectSession::Changes)
