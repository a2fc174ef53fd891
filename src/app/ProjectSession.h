#pragma once

#include <QList>
#include <QString>
#include <array>
#include <memory>

#include "charset/CharSet.h"
#include "project/ProjectConfig.h"
#include "texts/MessageTable.h"

// The open project as the main window holds it: state, text tables, the two character
// sets, and the file work of opening and saving. No widgets and no questions here; the
// window decides what to ask and what to show.
class ProjectSession
{
public:
    struct TableLanguage
    {
        int table;
        int language;
    };

    ProjectSession();

    bool IsOpen() const { return tables[0] != nullptr; }
    TMessageTable* Table(int index) const { return tables[static_cast<size_t>(index)].get(); }
    TMessageTable* CurrentTable() const { return Table(currentTable); }
    bool HasDiagnosticTexts() const { return project.displayType.Has(dtDiagnosticTexts); }

    // The table languages the display type has, in the order they are saved.
    QList<TableLanguage> TableLanguages() const;

    QString CharSetName() const { return TProjectConfig::Get(project.config.charSetName); }
    void SetCharSetName(const QString& name) { TProjectConfig::Set(project.config.charSetName, name); }
    QString PixPath(const QString& name) const;

    // Takes the state over and creates the tables; an empty character set name becomes
    // "default".
    void Begin(const TProjectState& state, QObject* grid);
    // Loads the graphics character set and the text files. A new project reads only the
    // files that exist, and the names of the missing ones are set for saving.
    // Returns what reading left out or took from the defaults, for the user to see.
    ReadWarnings LoadFiles(bool newProject);
    // Loads a project character set by name. A name without a file yet starts from the
    // program's starter set and counts as changed, so that saving creates its file.
    void ImportGraphics(const QString& name);
    void ImportStandardCharSet();

    // Writes every text file (keeping the previous one as ".bak"), the graphics set and
    // the configuration, then clears the changed flags. Raises the German error of the
    // first write that fails. Returns whether the character set file was new.
    bool Save();

    // Folds the tables' changed flags into the project's; true when closing should ask.
    bool NeedsSaving();

    // No project: state cleared, tables gone, character sets released.
    void Clear();

    QString Caption() const;

    TProjectState project;
    std::array<std::unique_ptr<TMessageTable>, 2> tables;
    int currentTable = 0;
    TCharSet standard{'S'};
    TCharSet graphics{'G'};
};
