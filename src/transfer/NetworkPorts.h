#pragma once

#include <QStringList>

// The device server addresses a user worked with, kept in "Netzwerkadressen" (blank-
// separated, newest first) so that the port lists offer them beside the local ports.
namespace NetworkPorts {

constexpr int Kept = 8;

QStringList Remembered();
// Puts the network addresses among `ports` at the front; local ports are left out.
void Remember(const QStringList& ports);

} // namespace NetworkPorts
