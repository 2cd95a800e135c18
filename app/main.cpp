// Program entry: services, display check, the main window and the event loop.
#include "AlsaKlang.h"
#include "Anzeigepruefung.h"
#include "Aufruf.h"
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
#include <QTimer>

#include <cstdio>

namespace {
void Ausgeben(const QString &text, FILE *ziel)
{
    std::fputs(text.toLocal8Bit().constData(), ziel);
}
} // namespace

int main(int argc, char *argv[])
{
    // --help and --version answer without a display.
    QStringList roh;
    for (int i = 0; i < argc; ++i)
        roh << QString::fromLocal8Bit(argv[i]);
    if (const Aufruf vorab = AufrufLesen(roh); vorab.art == Aufruf::Hilfe || vorab.art == Aufruf::Version) {
        Ausgeben(vorab.ausgabe, stdout);
        return 0;
    }

    // The font configuration is read on another core while Qt connects to
    // the display, then Qt's font database fills there while the windows
    // are built.
    const auto schriftKonfiguration = SchriftKonfigurationLesen();
    QApplication app(argc, argv);
    const SchriftVorlauf schriften(schriftKonfiguration);
    app.setWindowIcon(ProgrammSymbol());
    // File dialogs and standard buttons in German, as every other text.
    DeutscheQtTexteLaden(app);
    // Qt has taken its own options (-platform, -style) out by now.
    const Aufruf aufruf = AufrufLesen(app.arguments());
    if (aufruf.art == Aufruf::Fehler) {
        Ausgeben(aufruf.ausgabe, stderr);
        return 1;
    }

    // 1. The program folders, before any window.
    const OrdnerWahl wahl = OrdnerWaehlen(QCoreApplication::applicationDirPath(), BenutzerDatenOrdner());
    Ordner().Ableiten(wahl.inhalt, wahl.ergebnisse);
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
    Programm programm(dienste, NeuerBenutzerSpeicher(), aufruf.argumente, &meldungen);
    TForm1 &form1 = programm.Form();

    StartMessungAnmelden(form1);
    // A small or highly scaled screen: the window fits (and once shown,
    // fits again with its frame counted).
    if (const QScreen *s = QGuiApplication::primaryScreen()) {
        form1.BildschirmAnpassen(s->availableGeometry());
        QTimer::singleShot(0, &form1, [&form1, s] { form1.BildschirmAnpassen(s->availableGeometry()); });
    }
    form1.show();
    return app.exec();
}
