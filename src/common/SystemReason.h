#pragma once

#include <QString>

// The operating system's reason for a failed file or device operation, in German, so that
// no message shows an English or empty "Unknown error".
namespace SystemReason {

// The reason for an errno value.
QString FromCode(int code);

// The reason behind a message Qt gives for a failed operation (Qt passes the C library's
// English text through); a text it does not know comes back unchanged.
QString FromText(const QString& qtReason);

} // namespace SystemReason
