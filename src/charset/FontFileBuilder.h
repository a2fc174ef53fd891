#pragma once

#include <QByteArray>
#include <QString>

// Writes the Windows ".FON" font file (a 16-bit NE module with one font directory and
// one font resource) for an editable font file, widening every glyph cell to 12 × 16.
// Returns the face name stored in the source, cut to 31 characters.
QString BuildFontFile(const QString& sourcePath, const QString& destinationPath);

// The same on bytes: the ".FON" file for the editable font `source`; `face` receives the
// face name (at most 31 characters). `sourceName` names the source in error messages.
QByteArray BuildFontFileData(const QByteArray& source, const QString& sourceName, QString* face = nullptr);
