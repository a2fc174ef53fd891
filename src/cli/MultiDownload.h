#pragma once

#include <QStringList>

struct TransferJob;

namespace cli {

// `download` with several --port: serves the displays side by side, a progress line per
// port, the summary table at the end. 0 when every display got everything, 1 otherwise,
// 130/143 after Ctrl+C/SIGTERM.
int MultiDownload(const TransferJob& job, const QStringList& ports, const QString& sentItems);

} // namespace cli
