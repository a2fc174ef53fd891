#include "common/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <optional>

#include "common/TavolinError.h"

namespace Language {

namespace {
const QString EnglishTexts = QStringLiteral(":/i18n/tavolin_en.qm");
}

Choice FromSystem()
{
    return QLocale::system().language() == QLocale::English ? Choice::English : Choice::German;
}

Choice FromArguments(QStringList& args)
{
    std::optional<QString> wanted;
    for (qsizetype i = 0; i < args.size();) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--"))
            break;
        if (arg == QLatin1String("--lang")) {
            if (i + 1 >= args.size())
                throw TavolinError(QStringLiteral("--lang braucht einen Wert (de oder en)."));
            wanted = args[i + 1];
            args.remove(i, 2);
        } else if (arg.startsWith(QLatin1String("--lang="))) {
            wanted = arg.mid(7);
            args.remove(i);
        } else {
            ++i;
        }
    }
    if (!wanted)
        return FromSystem();
    if (*wanted == QLatin1String("en"))
        return Choice::English;
    if (*wanted == QLatin1String("de"))
        return Choice::German;
    throw TavolinError(QStringLiteral("Unbekannte Sprache \"%1\" (de oder en).").arg(*wanted));
}

void Install(Choice choice, bool qtTexts)
{
    // One pair at a time: a second call replaces what the first installed.
    static QPointer<QTranslator> own;
    static QPointer<QTranslator> qt;
    for (QTranslator* old : {own.data(), qt.data()}) {
        if (old) {
            QCoreApplication::removeTranslator(old);
            delete old;
        }
    }
    // Owned by the application, so they go with it.
    own = new QTranslator(QCoreApplication::instance());
    qt = new QTranslator(QCoreApplication::instance());
    if (choice == Choice::English) {
        // The program's English texts are built into it; Qt's own are English already.
        if (own->load(EnglishTexts))
            QCoreApplication::installTranslator(own);
    } else if (qtTexts && qt->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                                   QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        // Qt's own texts (context menus of input boxes, standard buttons) in German too.
        QCoreApplication::installTranslator(qt);
    }
}

QStringList InEveryLanguage(const char* context, const char* source)
{
    QStringList texts{QString::fromUtf8(source)};
    QTranslator english;
    if (english.load(EnglishTexts)) {
        const QString translated = english.translate(context, source);
        if (!translated.isEmpty() && !texts.contains(translated))
            texts << translated;
    }
    return texts;
}

} // namespace Language
