#include "dialogs/About.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/Help.h"
#include "dialogs/LedPicture.h"
#include "dialogs/ModuleInfo.h"
#include "dialogs/Versioninfo.h"

About::About(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(tr("Info"));

    auto* picture = new QLabel(this);
    picture->setPixmap(LedPicture::Panel(QSize(150, 64), {QStringLiteral("TAVOLIN")}));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* product = new QLabel(QString::fromLatin1(ModuleInfo::ProductName), this);
    QFont bold = product->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    product->setFont(bold);
    auto* description = new QLabel(tr("Tavolin Texteditor für Quon und Orbex"), this);
    auto* versionCaption = new QLabel(tr("Version"), this);
    version = new QLabel(ModuleInfo::ProductVersion(), this);
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* copyright = new QLabel(ModuleInfo::Copyright(), this);

    auto* versionRow = new QHBoxLayout;
    versionRow->addWidget(versionCaption);
    versionRow->addSpacing(8);
    versionRow->addWidget(version);
    versionRow->addStretch(1);

    auto* texts = new QVBoxLayout;
    texts->addWidget(product);
    texts->addWidget(description);
    texts->addSpacing(10);
    texts->addLayout(versionRow);
    texts->addWidget(copyright);
    texts->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(14);
    top->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    versioninfoButton = buttons->addButton(tr("Versioninfo..."), QDialogButtonBox::ActionRole);
    ok->setDefault(true);
    versioninfoButton->setAutoDefault(false);
    versioninfoButton->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(versioninfoButton, &QPushButton::clicked, this, [this] {
        if (versioninfo)
            versioninfo->exec();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    InstallHelpKey(this, HelpContext::Contents);
}

void About::SetVersioninfo(Versioninfo* dialog)
{
    versioninfo = dialog;
    versioninfoButton->setEnabled(dialog != nullptr);
}
