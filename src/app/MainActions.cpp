#include "app/MainActions.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>

#include "app/CharSetBox.h"
#include "app/MessageView.h"
#include "session/ProjectSession.h"

namespace {

QAction* Add(QMenu* menu, const QString& text, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(text);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        // The editor would take Ctrl+Del and the like for itself otherwise.
        action->setShortcutContext(Qt::WindowShortcut);
    }
    return action;
}

} // namespace

MainActions::MainActions(QMainWindow* window, const ProjectSession& session, const MessageView& view)
    : QObject(window), m_window(window), m_session(session), m_view(view)
{
    QMenuBar* bar = window->menuBar();

    projectMenu = bar->addMenu(tr("&Projekt"));
    // Ctrl+S, Ctrl+N, Ctrl+H and Ctrl+L belong to the message commands of "&Bearbeiten";
    // saving and opening take keys of their own.
    open = Add(projectMenu, tr("&Öffnen/Neu..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    recent = Add(projectMenu, tr("&zuletzt bearbeitet..."));
    projectMenu->addSeparator();
    save = Add(projectMenu, tr("Speichern"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    saveAs = Add(projectMenu, tr("Speichern unter..."));
    close = Add(projectMenu, tr("Schließen"));
    deleteProject = Add(projectMenu, tr("Löschen..."));
    projectMenu->addSeparator();
    transfer = Add(projectMenu, tr("Übertragen..."));
    transferSeveral = Add(projectMenu, tr("An mehrere Anzeigen übertragen..."));
    compare = Add(projectMenu, tr("Anzeige vergleichen..."));
    compareProject = Add(projectMenu, tr("Mit Projekt vergleichen..."));
    projectMenu->addSeparator();
    exportTranslation = Add(projectMenu, tr("Für Übersetzung exportieren..."));
    importTranslation = Add(projectMenu, tr("Übersetzung importieren..."));
    translationStatus = Add(projectMenu, tr("Übersetzungsstand"));
    projectMenu->addSeparator();
    printMenu = projectMenu->addMenu(tr("&Drucken"));
    previewMenu = projectMenu->addMenu(tr("Druckvorschau..."));
    pdfMenu = projectMenu->addMenu(tr("Als PDF speichern..."));
    for (QMenu* menu : {printMenu, previewMenu, pdfMenu})
        for (const QString& language : {tr("Sprache1"), tr("Sprache2")})
            menu->addAction(language);
    // The usual print key prints the first language, which every display type has.
    printMenu->actions().first()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    printMenu->actions().first()->setShortcutContext(Qt::WindowShortcut);
    projectMenu->addSeparator();
    options = Add(projectMenu, tr("&Optionen..."));
    projectMenu->addSeparator();
    quit = Add(projectMenu, tr("&Beenden               Alt+F4"));

    editMenu = bar->addMenu(tr("&Bearbeiten"));
    operatingTexts = Add(editMenu, tr("Betriebstexte"));
    diagnosticTexts = Add(editMenu, tr("Diagnosetexte"));
    operatingTexts->setCheckable(true);
    diagnosticTexts->setCheckable(true);
    tableSeparator = editMenu->addSeparator();
    newMessage = Add(editMenu, tr("Neue Meldung"), QKeySequence(Qt::CTRL | Qt::Key_L));
    previousMessage = Add(editMenu, tr("Vorherige Meldung"), QKeySequence(Qt::CTRL | Qt::Key_H));
    nextMessage = Add(editMenu, tr("Nächste Meldung"), QKeySequence(Qt::CTRL | Qt::Key_N));
    switchLanguage = Add(editMenu, tr("Sprache wechseln"), QKeySequence(Qt::CTRL | Qt::Key_S));
    editMenu->addSeparator();
    undo = Add(editMenu, tr("&Rückgängig"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo = Add(editMenu, tr("&Wiederherstellen"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    cut = Add(editMenu, tr("&Ausschneiden"), QKeySequence(Qt::CTRL | Qt::Key_X));
    copy = Add(editMenu, tr("&Kopieren"), QKeySequence(Qt::CTRL | Qt::Key_C));
    paste = Add(editMenu, tr("&Einfügen"), QKeySequence(Qt::CTRL | Qt::Key_V));
    remove = Add(editMenu, tr("&Löschen"), QKeySequence(Qt::CTRL | Qt::Key_Delete));
    editMenu->addSeparator();
    // Ctrl+H is "Vorherige Meldung": replacing takes Ctrl+R.
    find = Add(editMenu, tr("&Suchen..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    findNext = Add(editMenu, tr("&Weitersuchen"), QKeySequence(Qt::Key_F3));
    findPrevious = Add(editMenu, tr("Rückwärts suchen"), QKeySequence(Qt::SHIFT | Qt::Key_F3));
    replace = Add(editMenu, tr("&Ersetzen..."), QKeySequence(Qt::CTRL | Qt::Key_R));
    editMenu->addSeparator();
    blinkOn = Add(editMenu, tr("Blink ein"), QKeySequence(Qt::CTRL | Qt::Key_F2));
    blinkOff = Add(editMenu, tr("Blink aus"), QKeySequence(Qt::Key_F2));
    editMenu->addSeparator();
    // F3 is "Weitersuchen", as in other editors.
    graphicsOn = Add(editMenu, tr("Grafik ein"), QKeySequence(Qt::CTRL | Qt::Key_F4));
    graphicsOff = Add(editMenu, tr("Grafik aus"), QKeySequence(Qt::Key_F4));
    editCharSet = Add(editMenu, tr("Zeichensatz editieren"));
    importCharSet = Add(editMenu, tr("Zeichensatz importieren"));
    editMenu->addSeparator();
    systemSettings = Add(editMenu, tr("Systemeinstellungen..."));

    viewMenu = bar->addMenu(tr("&Ansicht"));
    goToMessage = Add(viewMenu, tr("&Gehe zu Meldung..."), QKeySequence(Qt::CTRL | Qt::Key_G));
    viewMenu->addSeparator();

    helpMenu = bar->addMenu(QStringLiteral("?"));
    help = Add(helpMenu, tr("&Hilfe    F1"));
    about = Add(helpMenu, tr("Inf&o..."));

    toolBar = window->addToolBar(tr("Werkzeuge"));
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QStyle* style = window->style();
    toolOpen = toolBar->addAction(style->standardIcon(QStyle::SP_DialogOpenButton), tr("Öffnen"));
    toolSave = toolBar->addAction(style->standardIcon(QStyle::SP_DialogSaveButton), tr("Speichern"));
    toolBar->addSeparator();
    toolBar->addAction(cut);
    toolBar->addAction(copy);
    toolBar->addAction(paste);
    toolBar->addSeparator();
    toolEditCharSet = toolBar->addAction(tr("Zeichensatzeditieren"));
    toolPrint = toolBar->addAction(style->standardIcon(QStyle::SP_FileIcon), tr("Drucken"));
    toolPrint->setMenu(printMenu);
    if (auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(toolPrint)))
        button->setPopupMode(QToolButton::InstantPopup);
    toolBar->addSeparator();
    charSetLabel = new QLabel(tr("Zeichensatz:"), toolBar);
    charSetBox = new CharSetBox(toolBar);
    charSetLabel->setBuddy(charSetBox);
    charSetLabel->setContentsMargins(4, 0, 4, 0);
    toolBar->addWidget(charSetLabel);
    toolBar->addWidget(charSetBox);
    for (QAction* a : {cut, copy, paste})
        a->setToolTip(a->text().remove(QLatin1Char('&')));

    editorPopup = new QMenu(window);
    editorPopup->addAction(undo);
    editorPopup->addAction(redo);
    editorPopup->addAction(cut);
    editorPopup->addAction(copy);
    editorPopup->addAction(paste);
    editorPopup->addAction(remove);

    connect(&session, &ProjectSession::Changed, this, &MainActions::Update);
    connect(&view, &MessageView::EditorShownChanged, this, &MainActions::Update);
    const QUndoStack* stack = &session.history.Stack();
    connect(stack, &QUndoStack::indexChanged, this, &MainActions::updateHistory);
    connect(stack, &QUndoStack::cleanChanged, this, &MainActions::Update);
    Update();
}

void MainActions::Update()
{
    const bool isOpen = m_session.IsOpen();
    const bool editing = isOpen && m_view.EditorShown();
    const bool twoLanguages = isOpen && m_session.project.displayType.LanguageCount() > 1;
    const bool tables = isOpen && m_session.HasDiagnosticTexts();

    for (QAction* a : {save, saveAs, close, transfer, transferSeveral, compare, compareProject, toolSave, toolEditCharSet, newMessage, editCharSet, importCharSet,
                       toolPrint, printMenu->menuAction(), previewMenu->menuAction(), pdfMenu->menuAction(), systemSettings})
        a->setEnabled(isOpen);
    editMenu->setEnabled(isOpen);
    editMenu->menuAction()->setEnabled(isOpen);
    charSetLabel->setEnabled(isOpen);
    charSetBox->setEnabled(isOpen);
    // Without the editor these would have nothing to work on; their shortcuts go with them.
    for (QAction* a : {previousMessage, nextMessage})
        a->setEnabled(editing);
    for (QAction* a : {blinkOn, blinkOff, graphicsOn, graphicsOff})
        a->setEnabled(editing || (isOpen && searchFieldsShown));
    for (QAction* a : {find, findNext, findPrevious, replace})
        a->setEnabled(isOpen);
    updateHistory();
    // Without the editor the clipboard commands take whole messages.
    cut->setEnabled(editing || (isOpen && !m_session.IsEmpty()));
    copy->setEnabled(editing || (isOpen && !m_session.IsEmpty()));
    paste->setEnabled(isOpen);
    switchLanguage->setEnabled(editing && twoLanguages);
    remove->setEnabled(editing || (isOpen && !m_session.IsEmpty()));
    goToMessage->setEnabled(isOpen && !m_session.IsEmpty());
    // Translation goes from the first language to the second.
    for (QAction* a : {exportTranslation, importTranslation, translationStatus})
        a->setEnabled(twoLanguages);

    // "Sprache2" of the print menus only for a display type with a second language.
    for (QMenu* menu : {printMenu, previewMenu, pdfMenu})
        menu->actions().last()->setVisible(twoLanguages);

    operatingTexts->setVisible(tables);
    diagnosticTexts->setVisible(tables);
    tableSeparator->setVisible(tables);
    operatingTexts->setEnabled(tables);
    diagnosticTexts->setEnabled(tables);
    operatingTexts->setChecked(tables && m_session.currentTable == 0);
    diagnosticTexts->setChecked(tables && m_session.currentTable == 1);

    m_window->setWindowTitle(m_session.Caption());
}

void MainActions::updateHistory()
{
    const QUndoStack& stack = m_session.history.Stack();
    const bool isOpen = m_session.IsOpen();
    undo->setEnabled(isOpen && stack.canUndo());
    redo->setEnabled(isOpen && stack.canRedo());
    undo->setText(undo->isEnabled() ? tr("&Rückgängig: %1").arg(stack.undoText()) : tr("&Rückgängig"));
    redo->setText(redo->isEnabled() ? tr("&Wiederherstellen: %1").arg(stack.redoText()) : tr("&Wiederherstellen"));
}
