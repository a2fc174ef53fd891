#include "app/StatusBar.h"

#include <QLabel>
#include <QTimer>
#include <algorithm>

#include "app/CellEditor.h"
#include "app/MessageView.h"
#include "common/SettingsStore.h"
#include "transfer/SimulatedDisplay.h"

namespace {
constexpr int NotePanel = 1;
}

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent)
{
    // Each panel is at least as wide as the longest text it shows, so that nothing is cut
    // and the bar does not jump while the caret moves; the port grows with its name.
    const int widths[5] = {70, 100, 50, 50, 80};
    const QString longest[5] = {QString::asprintf("%4i:%3i", 1023, 999), QString(), QString(), tr("Blink"),
                                tr("Grafikzeichensatz")};
    for (int i = 0; i < 5; ++i) {
        m_panels[i] = new QLabel(this);
        m_panels[i]->setFrameShape(QFrame::Panel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        m_panels[i]->setMargin(2);
        const int text = m_panels[i]->fontMetrics().horizontalAdvance(longest[i]);
        m_panels[i]->setMinimumWidth(std::max(widths[i], text + 2 * (m_panels[i]->frameWidth() + 2)));
        addWidget(m_panels[i], i == NotePanel ? 1 : 0);
    }
    // A long note is cut rather than making the window wider.
    m_panels[NotePanel]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_noteTimer = new QTimer(this);
    m_noteTimer->setSingleShot(true);
    m_noteTimer->setInterval(30000);
    connect(m_noteTimer, &QTimer::timeout, this, [this] {
        m_panels[NotePanel]->clear();
        m_panels[NotePanel]->setToolTip(QString());
    });
    setSizeGripEnabled(true);
    SetPort(SettingsStore::Read(SettingsStore::Key::Port));
    connect(&SettingsStore::Instance(), &SettingsStore::Changed, this, [this](SettingsStore::Key key) {
        if (key == SettingsStore::Key::Port)
            SetPort(SettingsStore::Read(SettingsStore::Key::Port));
    });
}

void StatusBar::SetPort(const QString& port)
{
    m_panels[2]->setText(TSimulatedDisplay::IsPort(port) ? TSimulatedDisplay::PortLabel() : port);
}

void StatusBar::ShowNote(const QString& note)
{
    m_panels[NotePanel]->setText(note);
    m_panels[NotePanel]->setToolTip(note);
    m_noteTimer->start();
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
    m_panels[3]->setText(editor.IsBlink(format) ? tr("Blink") : QString());
    m_panels[4]->setText(editor.IsGraphics(format) ? tr("Grafikzeichensatz") : QString());
}

QString StatusBar::PanelText(int panel) const
{
    return m_panels[panel]->text();
}
