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

    projectMenu = bar->addMenu(QStringLiteral("&Projekt"));
    // Ctrl+S, Ctrl+N, Ctrl+H and Ctrl+L belong to the message commands of "&Bearbeiten";
    // saving and opening take keys of their own.
    open = Add(projectMenu, QStringLiteral("&Öffnen/Neu..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    recent = Add(projectMenu, QStringLiteral("&zuletzt bearbeitet..."));
    projectMenu->addSeparator();
    save = Add(projectMenu, QStringLiteral("Speichern"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    saveAs = Add(projectMenu, QStringLiteral("Speichern unter..."));
    close = Add(projectMenu, QStringLiteral("Schließen"));
    deleteProject = Add(projectMenu, QStringLiteral("Löschen..."));
    projectMenu->addSeparator();
    transfer = Add(projectMenu, QStringLiteral("Übertragen..."));
    transferSeveral = Add(projectMenu, tr("An mehrere Anzeigen übertragen..."));
    compare = Add(projectMenu, QStringLiteral("Anzeige vergleichen..."));
    projectMenu->addSeparator();
    printMenu = projectMenu->addMenu(QStringLiteral("&Drucken"));
    previewMenu = projectMenu->addMenu(QStringLiteral("Druckvorschau..."));
    pdfMenu = projectMenu->addMenu(QStringLiteral("Als PDF speichern..."));
    for (QMenu* menu : {printMenu, previewMenu, pdfMenu})
        for (const char* language : {"Sprache1", "Sprache2"})
            menu->addAction(QString::fromLatin1(language));
    // The usual print key prints the first language, which every display type has.
    printMenu->actions().first()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    printMenu->actions().first()->setShortcutContext(Qt::WindowShortcut);
    projectMenu->addSeparator();
    options = Add(projectMenu, QStringLiteral("&Optionen..."));
    projectMenu->addSeparator();
    quit = Add(projectMenu, QStringLiteral("&Beenden               Alt+F4"));

    editMenu = bar->addMenu(QStringLiteral("&Bearbeiten"));
    operatingTexts = Add(editMenu, QStringLiteral("Betriebstexte"));
    diagnosticTexts = Add(editMenu, QStringLiteral("Diagnosetexte"));
    operatingTexts->setCheckable(true);
    diagnosticTexts->setCheckable(true);
    tableSeparator = editMenu->addSeparator();
    newMessage = Add(editMenu, QStringLiteral("Neue Meldung"), QKeySequence(Qt::CTRL | Qt::Key_L));
    previousMessage = Add(editMenu, QStringLiteral("Vorherige Meldung"), QKeySequence(Qt::CTRL | Qt::Key_H));
    nextMessage = Add(editMenu, QStringLiteral("Nächste Meldung"), QKeySequence(Qt::CTRL | Qt::Key_N));
    switchLanguage = Add(editMenu, QStringLiteral("Sprache wechseln"), QKeySequence(Qt::CTRL | Qt::Key_S));
    editMenu->addSeparator();
    undo = Add(editMenu, QStringLiteral("&Rückgängig"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo = Add(editMenu, tr("&Wiederherstellen"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    cut = Add(editMenu, QStringLiteral("&Ausschneiden"), QKeySequence(Qt::CTRL | Qt::Key_X));
    copy = Add(editMenu, QStringLiteral("&Kopieren"), QKeySequence(Qt::CTRL | Qt::Key_C));
    paste = Add(editMenu, QStringLiteral("&Einfügen"), QKeySequence(Qt::CTRL | Qt::Key_V));
    remove = Add(editMenu, QStringLiteral("&Löschen"), QKeySequence(Qt::CTRL | Qt::Key_Delete));
    editMenu->addSeparator();
    // Ctrl+H is "Vorherige Meldung": replacing takes Ctrl+R.
    find = Add(editMenu, tr("&Suchen..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    findNext = Add(editMenu, tr("&Weitersuchen"), QKeySequence(Qt::Key_F3));
    findPrevious = Add(editMenu, tr("Rückwärts suchen"), QKeySequence(Qt::SHIFT | Qt::Key_F3));
    replace = Add(editMenu, tr("&Ersetzen..."), QKeySequence(Qt::CTRL | Qt::Key_R));
    editMenu->addSeparator();
    blinkOn = Add(editMenu, QStringLiteral("Blink ein"), QKeySequence(Qt::CTRL | Qt::Key_F2));
    blinkOff = Add(editMenu, QStringLiteral("Blink aus"), QKeySequence(Qt::Key_F2));
    editMenu->addSeparator();
    // F3 is "Weitersuchen", as in other editors.
    graphicsOn = Add(editMenu, QStringLiteral("Grafik ein"), QKeySequence(Qt::CTRL | Qt::Key_F4));
    graphicsOff = Add(editMenu, QStringLiteral("Grafik aus"), QKeySequence(Qt::Key_F4));
    editCharSet = Add(editMenu, QStringLiteral("Zeichensatz editieren"));
    importCharSet = Add(editMenu, QStringLiteral("Zeichensatz importieren"));
    editMenu->addSeparator();
    systemSettings = Add(editMenu, QStringLiteral("Systemeinstellungen..."));

    viewMenu = bar->addMenu(tr("&Ansicht"));
    goToMessage = Add(viewMenu, tr("&Gehe zu Meldung..."), QKeySequence(Qt::CTRL | Qt::Key_G));
    viewMenu->addSeparator();

    helpMenu = bar->addMenu(QStringLiteral("?"));
    help = Add(helpMenu, QStringLiteral("&Hilfe    F1"));
    about = Add(helpMenu, QStringLiteral("Inf&o..."));

    toolBar = window->addToolBar(QStringLiteral("Werkzeuge"));
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QStyle* style = window->style();
    toolOpen = toolBar->addAction(style->standardIcon(QStyle::SP_DialogOpenButton), QStringLiteral("Öffnen"));
    toolSave = toolBar->addAction(style->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("Speichern"));
    toolBar->addSeparator();
    toolBar->addAction(cut);
    toolBar->addAction(copy);
    toolBar->addAction(paste);
    toolBar->addSeparator();
    toolEditCharSet = toolBar->addAction(QStringLiteral("Zeichensatzeditieren"));
    toolPrint = toolBar->addAction(style->standardIcon(QStyle::SP_FileIcon), QStringLiteral("Drucken"));
    toolPrint->setMenu(printMenu);
    if (auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(toolPrint)))
        button->setPopupMode(QToolButton::InstantPopup);
    toolBar->addSeparator();
    charSetLabel = new QLabel(QStringLiteral("Zeichensatz:"), toolBar);
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

    for (QAction* a : {save, saveAs, close, transfer, transferSeveral, compare, toolSave, toolEditCharSet, newMessage, editCharSet, importCharSet,
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
