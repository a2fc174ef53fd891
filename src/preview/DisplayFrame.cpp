#include "preview/DisplayFrame.h"

#include <algorithm>
#include <chrono>

#include "charset/CharSet.h"
#include "charset/EditableFont.h"
#include "common/TavolinError.h"
#include "project/DisplayType.h"
#include "settings/SystemSettings.h"
#include "texts/MessageTable.h"

namespace {

// A time as the settings dialog keeps it ("digit,digit" seconds) in milliseconds.
int Millis(const QString& time)
{
    const QString fitted = FitTime(time, QStringLiteral("0,0"));
    return (fitted.at(0).digitValue() * 10 + fitted.at(2).digitValue()) * 100;
}

qint64 SteadyMillis()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

TDisplayTiming ReadDisplayTiming(const QList<QByteArray>& settingsLines)
{
    const TSystemSettings settings = ReadSystemSettings(settingsLines);
    return {Millis(settings.blinkOnTime), Millis(settings.blinkOffTime), Millis(settings.scrollTime)};
}

DotLook ChooseDotLook(const TDisplayType& type, const QList<QByteArray>& settingsLines)
{
    if (type.kind.compare(QStringLiteral("lcd"), Qt::CaseInsensitive) == 0)
        return DotLook::Lcd;
    const int keys = std::min<int>(type.keyCount, MaxKeys);
    if (keys == 0)
        return DotLook::LedAmber;
    const TSystemSettings settings = ReadSystemSettings(settingsLines);
    const auto green = std::count_if(settings.keys.begin(), settings.keys.begin() + keys,
                                     [](quint8 flags) { return (flags & 4) != 0; });
    return green * 2 > keys ? DotLook::LedGreen : DotLook::LedRed;
}

QByteArray CharSetGlyphs(const TCharSet& charSet)
{
    if (!charSet.fntPath.isEmpty()) {
        try {
            return EditableFont::ToPix(EditableFont::ReadFile(charSet.fntPath), charSet.fntPath);
        } catch (const TavolinError&) {
            // The glyph editor may be rewriting the file; the next font change brings it.
        }
    }
    return QByteArray(EditableFont::PixSize, '\0');
}

TDisplayPreview::TDisplayPreview(Clock clock) : m_clock(clock ? std::move(clock) : Clock(SteadyMillis))
{
    m_scrollStart = now();
}

void TDisplayPreview::SetGlyphs(const QByteArray& standard, const QByteArray& graphics)
{
    m_standard = standard;
    m_graphics = graphics;
}

void TDisplayPreview::SetGeometry(int lineLength, int lineCount)
{
    m_lineLength = lineLength > 0 ? lineLength : 40;
    m_lineCount = std::max(1, lineCount);
}

void TDisplayPreview::SetMessage(const QByteArray& text, bool restart)
{
    m_lines.clear();
    m_lines.append(QList<Cell>());
    Cell state;
    for (const char c : text) {
        switch (c) {
        case Attr::LineBreak: m_lines.append(QList<Cell>()); break;
        case Attr::BlinkOn: state.blink = true; break;
        case Attr::BlinkOff: state.blink = false; break;
        case Attr::GraphicsOn: state.graphics = true; break;
        case Attr::GraphicsOff: state.graphics = false; break;
        default:
            state.code = static_cast<quint8>(c);
            m_lines.last().append(state);
        }
    }
    if (restart)
        m_scrollStart = now();
}

bool TDisplayPreview::hasBlink() const
{
    for (const QList<Cell>& line : m_lines)
        for (qsizetype i = 0; i < std::min<qsizetype>(line.size(), m_lineLength); ++i)
            if (line[i].blink)
                return true;
    return false;
}

bool TDisplayPreview::BlinkShown() const
{
    const qint64 period = qint64(m_timing.blinkOnMs) + m_timing.blinkOffMs;
    if (period == 0)
        return true;
    return (now() % period + period) % period < m_timing.blinkOnMs;
}

int TDisplayPreview::TopLine() const
{
    const int positions = MessageLineCount() - m_lineCount + 1;
    if (positions <= 1 || m_timing.scrollMs <= 0)
        return 0;
    const qint64 elapsed = std::max<qint64>(0, now() - m_scrollStart);
    return static_cast<int>(elapsed / m_timing.scrollMs % positions);
}

TPreviewFrame TDisplayPreview::Frame() const
{
    TPreviewFrame frame;
    frame.columns = m_lineLength;
    frame.rows = m_lineCount;
    frame.cells.resize(qsizetype(m_lineLength) * m_lineCount);
    const bool blinkShown = BlinkShown();
    const int top = TopLine();
    for (int row = 0; row < m_lineCount && top + row < MessageLineCount(); ++row) {
        const QList<Cell>& line = m_lines[top + row];
        for (int column = 0; column < std::min<int>(m_lineLength, line.size()); ++column) {
            const Cell& cell = line[column];
            if (cell.code < 32 || (cell.blink && !blinkShown))
                continue;
            const QByteArray& glyphs = cell.graphics ? m_graphics : m_standard;
            const qsizetype at = qsizetype(cell.code - 32) * 7;
            GlyphRows& rows = frame.cells[row * m_lineLength + column];
            for (int y = 0; y < 7 && at + y < glyphs.size(); ++y)
                rows[y] = static_cast<quint8>(glyphs[at + y]) & 0x1F;
        }
    }
    return frame;
}

qint64 TDisplayPreview::NextChange() const
{
    qint64 next = -1;
    const qint64 t = now();
    const qint64 period = qint64(m_timing.blinkOnMs) + m_timing.blinkOffMs;
    if (hasBlink() && m_timing.blinkOnMs > 0 && m_timing.blinkOffMs > 0) {
        const qint64 phase = (t % period + period) % period;
        next = phase < m_timing.blinkOnMs ? m_timing.blinkOnMs - phase : period - phase;
    }
    if (MessageLineCount() > m_lineCount && m_timing.scrollMs > 0) {
        const qint64 elapsed = std::max<qint64>(0, t - m_scrollStart);
        const qint64 scroll = m_timing.scrollMs - elapsed % m_timing.scrollMs;
        next = next < 0 ? scroll : std::min(next, scroll);
    }
    return next;
}
