#include "common/ui/Help.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "common/ProgramFolder.h"
#include "common/ui/MessageBox.h"

namespace {

class HelpWindow : public QDialog
{
public:
    HelpWindow()
    {
        setObjectName(QStringLiteral("HelpWindow"));
        setWindowTitle(QCoreApplication::translate("Help", "Tavolin Hilfe"));
        setModal(false);
        browser = new QTextBrowser(this);
        browser->setObjectName(QStringLiteral("HelpBrowser"));
        browser->setOpenExternalLinks(false);
        browser->setOpenLinks(true);

        auto* buttons = new QDialogButtonBox(this);
        QPushButton* contents =
            buttons->addButton(QCoreApplication::translate("Help", "&Inhalt"), QDialogButtonBox::ActionRole);
        QPushButton* back =
            buttons->addButton(QCoreApplication::translate("Help", "&Zurück"), QDialogButtonBox::ActionRole);
        QPushButton* close =
            buttons->addButton(QCoreApplication::translate("Help", "&Schließen"), QDialogButtonBox::RejectRole);
        contents->setAutoDefault(false);
        back->setAutoDefault(false);
        close->setAutoDefault(false);
        connect(contents, &QPushButton::clicked, this, [this] { Open(HelpFilePath(), 0); });
        connect(back, &QPushButton::clicked, browser, &QTextBrowser::backward);
        connect(browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
        back->setEnabled(false);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);

        auto* layout = new QVBoxLayout(this);
        layout->addWidget(browser);
        layout->addWidget(buttons);
        resize(780, 620);
    }

    void Open(const QString& file, int context)
    {
        const QString anchor = context > 0 ? QStringLiteral("ctx%1").arg(context) : QString();
        QUrl url = QUrl::fromLocalFile(file);
        if (!anchor.isEmpty())
            url.setFragment(anchor);
        browser->setSource(url);
        if (anchor.isEmpty())
            browser->verticalScrollBar()->setValue(0);
        // The first layout happens when the window is shown; scroll again once it exists.
        QTimer::singleShot(0, browser, [b = QPointer<QTextBrowser>(browser), anchor] {
            if (!b)
                return;
            if (anchor.isEmpty())
                b->verticalScrollBar()->setValue(0);
            else
                b->scrollToAnchor(anchor);
        });
    }

    QTextBrowser* browser = nullptr;
};

QPointer<HelpWindow>& Window()
{
    static QPointer<HelpWindow> window;
    return window;
}

} // namespace

QString HelpFilePath()
{
    return ShippedFile(QStringLiteral("tavolin-hilfe.html"));
}

void ShowHelp(QWidget* parent, int context)
{
    const QString file = HelpFilePath();
    if (!QFileInfo(file).isReadable()) {
        MessageBox::Error(
            parent, QCoreApplication::translate("Help", "Die Hilfedatei\r\"%1\"\rwurde nicht gefunden.").arg(file));
        return;
    }
    QPointer<HelpWindow>& window = Window();
    if (!window)
        window = new HelpWindow();
    // A window opened from a modal dialog must belong to it, or the dialog blocks it.
    QWidget* owner = parent ? parent->window() : nullptr;
    if (owner == window)
        owner = window->parentWidget();
    if (window->parentWidget() != owner) {
        const QRect geometry = window->geometry();
        const bool wasVisible = window->isVisible();
        window->setParent(owner, window->windowFlags() | Qt::Window);
        if (wasVisible)
            window->setGeometry(geometry);
    }
    window->show();
    window->raise();
    window->activateWindow();
    window->Open(file, context);
}

void InstallHelpKey(QWidget* widget, int context)
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F1), widget);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, widget, [widget, context] { ShowHelp(widget, context); });
}
