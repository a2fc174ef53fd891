#include <QApplication>
#include <QDir>
#include <QLabel>

// Placeholder until the main window exists: says which project it would open.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavolin"));
    const QStringList args = QApplication::arguments();
    const QString project = args.size() > 1 ? QDir(args[1]).absolutePath() : QString();
    QLabel label(project.isEmpty() ? QStringLiteral("Tavolin – kein Projekt angegeben")
                                   : QStringLiteral("Tavolin würde das Projekt\n%1\nöffnen.").arg(project));
    label.setMargin(40);
    label.setWindowTitle(QStringLiteral("Tavolin"));
    label.show();
    return app.exec();
}
