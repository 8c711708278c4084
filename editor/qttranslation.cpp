#include "editor/qttranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace gs {

bool InstallQtTranslation()
{
    // Loaded once; every application object of the run (the command line's and the editor's)
    // gets it installed.
    static QTranslator translator;
    static const bool loaded = translator.load(QLocale(QLocale::German, QLocale::Germany),
                                               QStringLiteral("qtbase"),
                                               QStringLiteral("_"),
                                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return loaded && QCoreApplication::installTranslator(&translator);
}

} // namespace gs
