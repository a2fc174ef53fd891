#pragma once

#include <QStringList>

// The language of the program's texts: German (the texts as written in the sources) or
// English. Stored files, protocol texts and file names never change with it.
namespace Language {

enum class Choice { German, English };

// "--lang en" / "--lang de" (also "--lang=en") anywhere before a "--" decide; the option is
// taken out of `args`. Without it, English when the system language is English, else
// German. Throws TavolinError (German, as the choice is not made yet) for any other value.
Choice FromArguments(QStringList& args);
Choice FromSystem();

// Installs the program's translation for `choice` into the running application (German needs
// none), and with `qtTexts` Qt's own for its dialogs and context menus. The command line
// leaves Qt's out: there Qt's texts would only reword the system's reasons for a failure,
// which the program words itself.
void Install(Choice choice, bool qtTexts);

// A text of the program as each of its languages words it, German first: for reading a
// value that an earlier version stored in the window's language.
QStringList InEveryLanguage(const char* context, const char* source);

} // namespace Language
