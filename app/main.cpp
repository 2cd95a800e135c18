#include "AlsaKlang.h"
#include "AnsichtAusgabeAnschluss.h"
#include "ArbeitsblattAnschluss.h"
#include "Anzeigepruefung.h"
#include "BestListBefehle.h"
#include "DesktopOeffner.h"
#include "DialogeAnschluss.h"
#include "Einstellungen.h"
#include "ErgebnisSteuerung.h"
#include "LernAnsichtAnschluss.h"
#include "LernKartBild.h"
#include "LernNavigationAnschluss.h"
#include "LernWerkzeugAnschluss.h"
#include "NetzAnschluss.h"
#include "NetzUebung.h"
#include "Ordner.h"
#include "QtMeldungen.h"
#include "Rahmen.h"
#include "StartBild.h"
#include "StartMessung.h"
#include "Szene.h"
#include "TForm1.h"
#include "UebungsAnschluss.h"
#include "UebungsSteuerung.h"
#include "Uhr.h"
#include "Zufall.h"

#include <QAction>
#include <QApplication>
#include <QScreen>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setWindowIcon(ProgrammSymbol());

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

    // 2. The windows, created once and living until the end. The dialogs of
    // the subsystems are created by their controllers, which the main
    // window's connection points (UebungStarten, LernbildSetzen, ...) join.
    // What the window's parts refer to must outlive the window.
    std::unique_ptr<Szene> szene;
    std::unique_ptr<BestListBefehle> bestListBefehle;
    std::unique_ptr<ErgebnisSteuerung> ergebnis;
    TForm1 form1(dienste, NeuerBenutzerSpeicher(), app.arguments().mid(1));
    meldungen.setEltern(&form1);

    // The learning view: one scene over the window's document and the
    // picture widget over the scene.
    szene = std::make_unique<Szene>(form1.Zustand, form1.dienste);
    auto *lernbild = new LernKartBild(*szene);
    form1.LernbildSetzen(lernbild);
    if (!form1.BildNeuAufbauen)
        form1.BildNeuAufbauen = [s = szene.get(), lernbild] {
            s->SzeneAufbauen();
            lernbild->update();
        };
    // Clicks on the picture, layers, covers and numbering.
    auto *lernAnsicht = new LernAnsichtAnschluss(form1, *szene, *lernbild);
    // Zoom, scroll, pan and the tool bar's fold; the drawing tools.
    new LernNavigationAnschluss(form1, *szene, *lernbild);
    new LernWerkzeugAnschluss(form1, *szene, *lernbild);
    // Saving, copying and printing the view.
    new AnsichtAusgabeAnschluss(form1, *szene);
    // Worksheets: the worksheet window and its print dialog.
    new ArbeitsblattAnschluss(form1, *szene);

    // The quiz (owned by the window), and the end of a run with results,
    // grade and high scores.
    auto *uebung = new UebungsAnschluss(form1, *szene);
    bestListBefehle = std::make_unique<BestListBefehle>(form1.dienste, &form1);
    ergebnis = std::make_unique<ErgebnisSteuerung>(uebung->Steuerung->Engine, *bestListBefehle, form1.Zustand,
                                                   meldungen, &form1);
    uebung->ErgebnisAnschliessen(*ergebnis);

    // The high-score commands of the menu (the button "Bestenliste" triggers
    // "&Bestenliste..."); a participant of a network exercise is refused the
    // individual list.
    {
        BestListBefehle *b = bestListBefehle.get();
        UebungsSteuerung *s = uebung->Steuerung;
        TForm1 *f = &form1;
        if (QAction *a = form1.Aktion("Bestenliste1"))
            QObject::connect(a, &QAction::triggered, f,
                             [b, s, f] { b->Bestenliste1Click(s->Engine.Lauf.NetzRolle, &f->Zustand.Dok); });
        if (QAction *a = form1.Aktion("BestenlistezurNetzwerkuebung1"))
            QObject::connect(a, &QAction::triggered, f,
                             [b, f] { b->BestenlistezurNetzwerkuebung1Click(&f->Zustand.Dok); });
        if (QAction *a = form1.Aktion("OrdnerBestenlisten1"))
            QObject::connect(a, &QAction::triggered, f, [b] { b->OrdnerBestenlisten1Click(); });
    }

    // The information windows and the e-mail command.
    new DialogeAnschluss(form1, lernAnsicht);

    // The classroom exercise: its commands, the live view, the channel; a
    // participant's repeat joins again through it.
    {
        auto *netz = new NetzAnschluss(form1, *uebung->Steuerung, *bestListBefehle);
        NetzUebung *n = netz->Netz;
        ergebnis->Umgebung.netzUebungBeitreten = [n] { return n->NetzUebungBeitreten(); };
    }

    StartMessungAnmelden(form1);
    form1.show();
    return app.exec();
}
