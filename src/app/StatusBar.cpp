#include "app/StatusBar.h"

#include <QLabel>

#include "app/CellEditor.h"
#include "app/MessageView.h"
#include "common/SettingsStore.h"

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent)
{
    const int widths[5] = {70, 100, 50, 50, 80};
    for (int i = 0; i < 5; ++i) {
        m_panels[i] = new QLabel(this);
        m_panels[i]->setFixedWidth(widths[i]);
        m_panels[i]->setFrameShape(QFrame::Panel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        addWidget(m_panels[i]);
    }
    setSizeGripEnabled(true);
    SetPort(SettingsStore::Read(SettingsStore::Key::Port));
    connect(&SettingsStore::Instance(), &SettingsStore::Changed, this, [this](SettingsStore::Key key) {
        if (key == SettingsStore::Key::Port)
            SetPort(SettingsStore::Read(SettingsStore::Key::Port));
    });
}

void StatusBar::SetPort(const QString& port)
{
    m_panels[2]->setText(port);
}

void StatusBar::Update(const MessageView& view)
{
    if (!view.EditorShown()) {
        m_panels[0]->clear();
        m_panels[3]->clear();
        m_panels[4]->clear();
        return;
    }
    const CellEditor& editor = *view.Editor();
    m_panels[0]->setText(QString::asprintf("%4i:%3i", editor.CaretColumn(), editor.CaretLine()));
    const QTextCharFormat format = editor.SelectionFormat();
    m_panels[3]->setText(editor.IsBlink(format) ? QStringLiteral("Blink") : QString());
    m_panels[4]->setText(editor.IsGraphics(format) ? QStringLiteral("Grafikzeichensatz") : QString());
}

QString StatusBar::PanelText(int panel) const
{
    return m_panels[panel]->text();
}
