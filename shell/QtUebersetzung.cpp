// Qt's own German texts for the standard dialogs and buttons.
#include "QtUebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QTranslator *DeutscheQtTexteLaden(QCoreApplication &app)
{
    auto *t = new QTranslator(&app);
    if (!t->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(t)) {
        delete t;
        return nullptr;
    }
    return t;
}
