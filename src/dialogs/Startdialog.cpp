#include "dialogs/Startdialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "common/ui/Help.h"
#include "dialogs/LedPicture.h"
#include "dialogs/StartScreenSetting.h"

Startdialog::Startdialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Startdialog"));
    setWindowTitle(tr("Tavolin Editor"));

    showAtStart = new QCheckBox(tr("Diesen  Bildschirm beim &Start anzeigen"), this);
    // The box sits on the dark picture.
    QPalette light = showAtStart->palette();
    light.setColor(QPalette::WindowText, QColor(0xe8, 0xec, 0xf2));
    showAtStart->setPalette(light);

    newProject = new QPushButton(tr("&Neues Projekt"), this);
    recentProjects = new QPushButton(tr("&Zuletzt bearbeitete Projekte"), this);
    cancel = new QPushButton(tr("&Abbruch"), this);
    newProject->setDefault(true);
    connect(newProject, &QPushButton::clicked, this, [this] {
        choice = NewProject;
        accept();
    });
    connect(recentProjects, &QPushButton::clicked, this, [this] {
        choice = RecentProjects;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(newProject);
    buttons->addWidget(recentProjects);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(showAtStart);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setContentsMargins(16, 16, 16, 14);
    setFixedSize(640, 420);

    InstallHelpKey(this, HelpContext::Contents);
}

void Startdialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Being restored after minimising is no new showing; nothing is refilled.
    if (event->spontaneous())
        return;
    choice = NoChoice;
    showAtStart->setChecked(StartScreenSetting());
    newProject->setFocus();
}

void Startdialog::done(int result)
{
    WriteStartScreenSetting(showAtStart->isChecked());
    if (result != QDialog::Accepted)
        choice = NoChoice;
    QDialog::done(result);
}

void Startdialog::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF all = rect();
    QLinearGradient sky(all.topLeft(), all.bottomLeft());
    sky.setColorAt(0, QColor(0x1c, 0x2c, 0x4a));
    sky.setColorAt(1, QColor(0x0a, 0x10, 0x1c));
    painter.fillRect(all, sky);

    const double bottom = all.height() - 92; // room for the check box and the buttons
    const QRectF panelArea(all.left() + 40, all.top() + 26, all.width() - 80, bottom * 0.62);
    LedPicture::PaintPanel(painter, panelArea, {QStringLiteral("TAVOLIN"), QStringLiteral("EDITOR")});

    QFont title = font();
    title.setPointSizeF(title.pointSizeF() * 1.9);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(0xf2, 0xf4, 0xf8));
    const QRectF titleArea(all.left(), panelArea.bottom() + 12, all.width(), 40);
    painter.drawText(titleArea, Qt::AlignHCenter | Qt::AlignTop, tr("Tavolin Editor"));

    QFont subtitle = font();
    subtitle.setPointSizeF(subtitle.pointSizeF() * 1.1);
    painter.setFont(subtitle);
    painter.setPen(QColor(0xa8, 0xb4, 0xc8));
    painter.drawText(QRectF(all.left(), titleArea.top() + 38, all.width(), 28), Qt::AlignHCenter | Qt::AlignTop,
                     tr("Meldetexte für Quon- und Orbex-Anzeigen"));
}
