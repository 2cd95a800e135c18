// Program entry: services, display check, the main window and the event loop.
#include "AlsaKlang.h"
#include "Anzeigepruefung.h"
#include "DesktopOeffner.h"
#include "Einstellungen.h"
#include "Ordner.h"
#include "Programm.h"
#include "QtMeldungen.h"
#include "QtUebersetzung.h"
#include "Rahmen.h"
#include "SchriftVorlauf.h"
#include "StartBild.h"
#include "StartMessung.h"
#include "TForm1.h"
#include "Uhr.h"
#include "Zufall.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    // The font configuration is read on another core while Qt connects to
    // the display, then Qt's font database fills there while the windows
    // are built.
    const auto schriftKonfiguration = SchriftKonfigurationLesen();
    QApplication app(argc, argv);
    const SchriftVorlauf schriften(schriftKonfiguration);
    app.setWindowIcon(ProgrammSymbol());
    // File dialogs and standard buttons in German, as every other text.
    DeutscheQtTexteLaden(app);

    // 1. The program folders, before any window.
    Ordner().Ableiten(QCoreApplication::applicationDirPath());
    StartBildVorladen(Ordner().ProgOrdner);

    QtMeldungen meldungen;
    SystemUhr uhr;
    StdZufall zufall(StartSaat());
    AlsaKlang klang;
    DesktopOeffner oeffner;
    const Dienste dienste{&meldungen, &uhr, &zufall, &klang, &oeffner};

    // The display check comes first; No ends the program at once.
    if (const QScreen *s = QGuiApplication::primaryScreen()) {
        if (!AnzeigePruefen(s->geometry().width(), s->geometry().height(), s->depth(), meldungen))
            return 0;
    }

    // 2. The windows, created once and living until the end.
    Programm programm(dienste, NeuerBenutzerSpeicher(), app.arguments().mid(1), &meldungen);
    TForm1 &form1 = programm.Form();

    StartMessungAnmelden(form1);
    form1.show();
    return app.exec();
}
