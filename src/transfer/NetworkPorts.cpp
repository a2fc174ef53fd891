#include "transfer/NetworkPorts.h"

#include "common/SettingsStore.h"
#include "transfer/LinkTransport.h"

namespace NetworkPorts {

QStringList Remembered()
{
    return SettingsStore::Read(SettingsStore::Key::NetworkPorts).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

void Remember(const QStringList& ports)
{
    QStringList kept = Remembered();
    for (auto it = ports.crbegin(); it != ports.crend(); ++it) {
        const QString port = it->trimmed();
        if (!TLinkTransport::IsNetworkName(port) || port.contains(QLatin1Char(' ')))
            continue;
        kept.removeAll(port);
        kept.prepend(port);
    }
    const QString value = kept.mid(0, Kept).join(QLatin1Char(' '));
    if (value != SettingsStore::Read(SettingsStore::Key::NetworkPorts))
        SettingsStore::Write(SettingsStore::Key::NetworkPorts, value);
}

} // namespace NetworkPorts
