#include "app/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>

#include "app/CellEditor.h"
#include "app/CharSetBox.h"
#include "app/EditCommands.h"
#include "app/FindCommands.h"
#include "app/MainActions.h"
#include "app/MessageGrid.h"
#include "app/MessageView.h"
#include "app/PrintCommands.h"
#include "app/ProjectController.h"
#include "app/ProjectFileCommands.h"
#include "app/TranslationCommands.h"
#include "app/StatusBar.h"
#include "app/ViewCommands.h"
#include "charset/FontEditorEvents.h"
#include "charset/FontEditorLink.h"
#include "common/TavolinError.h"
#include "common/ui/Help.h"
#include "common/ui/MessageBox.h"
#include "dialogs/Startdialog.h"
#include "common/SettingsStore.h"
#include "settings/ui/Systemeinstellungen.h"

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      m_view(new MessageView(m_session.standard, m_session.graphics, this)),
      m_status(new StatusBar(this)),
      m_actions(new MainActions(this, m_session, *m_view)),
      m_dialogs(this)
{
    setCentralWidget(m_view);
    setStatusBar(m_status);
    m_projects = std::make_unique<ProjectController>(m_session, *m_view, *m_actions, m_dialogs, *this);
    m_edit = std::make_unique<EditCommands>(m_session, *m_view, m_dialogs, *this);
    m_find = new FindCommands(m_session, *m_view, *m_edit, *this);
    connect(&m_session.standard, &TCharSet::FontChange, this, &MainWindow::onFontChange);
    connect(&m_session.graphics, &TCharSet::FontChange, this, &MainWindow::onFontChange);
    connect(m_view, &MessageView::StatusChanged, this, &MainWindow::UpdateStatus);
    connect(m_projects.get(), &ProjectController::TransferReported, m_status, &StatusBar::ShowNote);
    connect(m_view, &MessageView::EditorContextMenu, this,
            [this](const QPoint& pos) { m_actions->editorPopup->popup(pos); });
    connectCommands();
    // Before the window state is restored, which shows the preview dock as it was left.
    m_views = new ViewCommands(m_session, *m_view, *m_actions, *this);
    setTabOrder(m_actions->charSetBox, m_view->Grid());
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, &MainWindow::showHelp);
    restoreWindow();
}

void MainWindow::restoreWindow()
{
    const QByteArray geometry = QByteArray::fromBase64(SettingsStore::Read(SettingsStore::Key::WindowGeometry).toLatin1());
    if (geometry.isEmpty() || !restoreGeometry(geometry)) {
        const QRect screen = this->screen()->availableGeometry();
        ensurePolished();
        const int width = m_view->WidestGridWidth() + 2;
        // Room for the window manager's title bar below the available height.
        resize(std::min(width, screen.width()), std::min(720, screen.height() - 40));
    }
    restoreState(QByteArray::fromBase64(SettingsStore::Read(SettingsStore::Key::WindowState).toLatin1()));
    // The find bar opens with Ctrl+F, not with the window.
    if (QToolBar* findBar = findChild<QToolBar*>(QStringLiteral("findToolBar")))
        findBar->hide();
}

void MainWindow::saveWindow()
{
    SettingsStore::Write(SettingsStore::Key::WindowGeometry, QString::fromLatin1(saveGeometry().toBase64()));
    SettingsStore::Write(SettingsStore::Key::WindowState, QString::fromLatin1(saveState().toBase64()));
}

MainWindow::~MainWindow()
{
    // The session (tables, character sets) goes before the widgets; its last font
    // notifications must not reach a window that is being taken apart.
    m_session.standard.disconnect(this);
    m_session.graphics.disconnect(this);
    if (m_session.IsOpen())
        m_view->CellEdit().Abandon();
    m_view->SetTable(nullptr, TDisplayType());
}

void MainWindow::connectCommands()
{
    MainActions& a = *m_actions;
    ProjectController* p = m_projects.get();
    EditCommands* e = m_edit.get();
    connect(a.open, &QAction::triggered, p, &ProjectController::OpenCommand);
    connect(a.toolOpen, &QAction::triggered, p, &ProjectController::OpenCommand);
    connect(a.recent, &QAction::triggered, p, &ProjectController::RecentCommand);
    connect(a.save, &QAction::triggered, p, &ProjectController::SaveCommand);
    connect(a.toolSave, &QAction::triggered, p, &ProjectController::SaveCommand);
    connect(a.close, &QAction::triggered, p, [p] { p->CloseProject(true); });
    connect(a.transfer, &QAction::triggered, p, &ProjectController::Transfer);
    connect(a.transferSeveral, &QAction::triggered, p, &ProjectController::TransferToSeveral);
    connect(a.compare, &QAction::triggered, p, [p, e] {
        int number = -1;
        int language = 0;
        if (p->CompareWithDisplay(number, language))
            e->ShowMessage(number, language);
    });
    connect(a.compareProject, &QAction::triggered, p, [p] { p->CompareWithProject(); });
    connect(a.options, &QAction::triggered, p, &ProjectController::ShowOptions);
    connect(a.quit, &QAction::triggered, this, [this] {
        if (m_session.IsOpen())
            m_view->CloseEdit();
        close();
    });
    connect(a.charSetBox, &CharSetBox::Settled, p, [p] { p->CharSetSettled(false); });
    connect(&m_session.history, &ProjectHistory::Failed, this,
            [this](const QString& message) { MessageBox::Error(this, message); });
    // An undone character set choice shows the set it went back to.
    connect(&m_session.history, &ProjectHistory::Restored, this, [this] {
        if (m_session.IsOpen() && m_actions->charSetBox->currentText() != m_session.CharSetName())
            m_actions->charSetBox->SetTextQuietly(m_session.CharSetName());
    });
    connect(a.charSetBox, &CharSetBox::Confirmed, p, [p] { p->CharSetSettled(true); });

    connect(a.operatingTexts, &QAction::triggered, e, [e] { e->ShowTable(0); });
    connect(a.diagnosticTexts, &QAction::triggered, e, [e] { e->ShowTable(1); });
    connect(a.newMessage, &QAction::triggered, e, &EditCommands::NewMessage);
    connect(m_view, &MessageView::NewMessageRequested, e, &EditCommands::NewMessage, Qt::QueuedConnection);
    connect(a.previousMessage, &QAction::triggered, e, &EditCommands::PreviousMessage);
    connect(a.nextMessage, &QAction::triggered, e, &EditCommands::NextMessage);
    connect(a.switchLanguage, &QAction::triggered, e, &EditCommands::SwitchLanguage);
    connect(a.undo, &QAction::triggered, e, &EditCommands::Undo);
    connect(a.redo, &QAction::triggered, e, &EditCommands::Redo);
    connect(a.cut, &QAction::triggered, e, &EditCommands::Cut);
    connect(a.copy, &QAction::triggered, e, &EditCommands::Copy);
    connect(a.paste, &QAction::triggered, e, &EditCommands::Paste);
    connect(a.remove, &QAction::triggered, e, &EditCommands::Delete);
    connect(a.blinkOn, &QAction::triggered, e, [e] { e->SetBlink(true); });
    connect(a.blinkOff, &QAction::triggered, e, [e] { e->SetBlink(false); });
    connect(a.graphicsOn, &QAction::triggered, e, [e] { e->SetGraphics(true); });
    connect(a.graphicsOff, &QAction::triggered, e, [e] { e->SetGraphics(false); });
    connect(a.editCharSet, &QAction::triggered, e, &EditCommands::EditCharSet);
    connect(a.toolEditCharSet, &QAction::triggered, e, &EditCommands::EditCharSet);
    connect(a.importCharSet, &QAction::triggered, e, &EditCommands::ImportCharSet);
    connect(a.systemSettings, &QAction::triggered, this, [this] {
        if (!m_session.IsOpen())
            return;
        m_session.history.Record(tr("Systemeinstellungen ändern"),
                                 SessionSnapshot::OperatingTexts | SessionSnapshot::Configuration, [this] {
                                     if (m_dialogs.systemeinstellungen->Edit(m_session.project, *m_session.Table(0)))
                                         m_session.MarkModified();
                                 });
    });
    connect(a.help, &QAction::triggered, this, [this] { ShowHelp(this, HelpContext::Contents); });
    connect(a.about, &QAction::triggered, e, &EditCommands::ShowAbout);
    m_find->Connect(a);
    (new PrintCommands(m_session, *m_view, *this))->Connect(a);
    (new ProjectFileCommands(m_session, *m_view, *m_projects, m_dialogs, *this))->Connect(a);
    (new TranslationCommands(m_session, *m_view, *m_edit, *this))->Connect(a);
}

void MainWindow::UpdateStatus()
{
    m_status->Update(*m_view);
}

void MainWindow::showHelp()
{
    QWidget* focus = focusWidget();
    const bool inEditor = focus && (focus == m_view->Editor() || m_view->Editor()->isAncestorOf(focus));
    ShowHelp(this, inEditor ? HelpContext::CellEditor : HelpContext::MainWindow);
}

bool MainWindow::event(QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == FontEditorEvents::CharacterChosen || type == FontEditorEvents::EditorMoved
        || type == FontEditorEvents::FontSaved) {
        onGlyphEditorEvent(event);
        return true;
    }
    if (type == QEvent::WindowActivate && m_firstActivation) {
        m_firstActivation = false;
        // Outside the activation itself, so that the start screen runs its own loop.
        QTimer::singleShot(0, this, &MainWindow::showStartScreen);
    }
    return QMainWindow::event(event);
}

void MainWindow::showStartScreen()
{
    try {
        const QString value = SettingsStore::Read(SettingsStore::Key::StartScreen);
        if (!value.isEmpty() && SettingsStore::ReadInteger(SettingsStore::Key::StartScreen) == 0)
            return;
        Startdialog& start = *m_dialogs.startdialog;
        if (start.exec() == QDialog::Accepted && start.choice != Startdialog::NoChoice)
            m_projects->OpenProject();
    } catch (const TavolinError& error) {
        MessageBox::Error(this, error.message());
    }
}

void MainWindow::onGlyphEditorEvent(QEvent* event)
{
    const auto* e = static_cast<FontEditorEvents::Event*>(event);
    if (event->type() == FontEditorEvents::CharacterChosen) {
        m_edit->InsertGraphicsCharacter(e->code);
    } else if (event->type() == FontEditorEvents::EditorMoved) {
        FontEditorLink::Instance().EditorMoved(x(), y());
    } else if (m_session.IsOpen()) {
        try {
            if (m_session.graphics.CheckExternalChange()) {
                m_session.history.RecordGlyphChange();
                m_view->InvalidateGrid();
                m_view->Editor()->viewport()->update();
            }
        } catch (const TavolinError& error) {
            MessageBox::Error(this, error.message());
        }
    }
}

void MainWindow::onFontChange(int code, const QString& face)
{
    if (code == 1)
        m_view->FontGoing(face);
    else if (code == 2)
        m_view->FontBack(face);
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    FontEditorLink::Instance().SetPos(x(), y());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_projects->CloseProject(true)) {
        saveWindow();
        event->accept();
    } else
        event->ignore();
}
