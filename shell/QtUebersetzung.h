// Qt's own German texts for the standard dialogs and buttons.
#pragma once

class QCoreApplication;
class QTranslator;

// Loads Qt's German translation (qtbase_de from Qt's translation folder,
// Debian qt6-translations-l10n) and installs it in `app`, so file dialogs
// and standard buttons speak German like the rest of the program. Returns
// the installed translator (owned by `app`), or nullptr when it is missing:
// then the texts stay English and the program goes on.
QTranslator *DeutscheQtTexteLaden(QCoreApplication &app);
