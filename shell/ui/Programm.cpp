// Creates the program's windows and parts and joins them.
#include "Programm.h"

#include "ArbeitsblattAnschluss.h"
#include "BestListBefehle.h"
#include "DialogeAnschluss.h"
#include "EditorAnschluss.h"
#include "ErgebnisSteuerung.h"
#include "LernAnsichtTeile.h"
#include "LernKartBild.h"
#include "Lernstand.h"
#include "LernstandAnschluss.h"
#include "NetzAnschluss.h"
#include "QtMeldungen.h"
#include "Szene.h"
#include "TForm1.h"
#include "UebungsAnschluss.h"
#include "UebungsSteuerung.h"

#include <QAction>

Programm::Programm(Dienste dienste, QSettings *speicher, const QStringList &argumente, QtMeldungen *fensterMeldungen)
{
    form = std::make_unique<TForm1>(dienste, speicher, argumente);
    TForm1 &f = *form;
    if (fensterMeldungen)
        fensterMeldungen->setEltern(&f);

    // The learning view: one scene over the window's document, the picture
    // widget over it and its commands.
    szene = std::make_unique<Szene>(f.Zustand, f.dienste);
    const LernAnsichtTeile lern = LernAnsichtAnschliessen(f, *szene);
    // Worksheets: the worksheet window and its print dialog.
    new ArbeitsblattAnschluss(f, *szene);

    // The quiz (owned by the window), and the end of a run with results,
    // grade and high scores.
    bestListBefehle = std::make_unique<BestListBefehle>(f.dienste, &f);
    uebung = new UebungsAnschluss(f, *szene, *bestListBefehle);
    ergebnis = std::make_unique<ErgebnisSteuerung>(uebung->Steuerung->Engine, *bestListBefehle, f.Zustand,
                                                   *f.dienste.meldungen, *uebung, &f);
    uebung->ErgebnisAnschliessen(*ergebnis);

    // The author functions: new documents, the editor windows, saving.
    new EditorAnschluss(f, *szene, lern.bild);

    // The information windows and the e-mail command.
    new DialogeAnschluss(f, lern.ansicht);

    // The high-score commands of the menu (the button "Bestenliste" triggers
    // "&Bestenliste..."); a participant of a network exercise is refused the
    // individual list.
    BestListBefehle *b = bestListBefehle.get();
    UebungsSteuerung *s = uebung->Steuerung;
    TForm1 *fp = &f;
    QObject::connect(f.Menue.Bestenliste1, &QAction::triggered, fp,
                     [b, s, fp] { b->Bestenliste1Click(s->Engine.Lauf.NetzRolle, &fp->Zustand.Dok); });
    QObject::connect(f.Menue.BestenlistezurNetzwerkuebung1, &QAction::triggered, fp,
                     [b, fp] { b->BestenlistezurNetzwerkuebung1Click(&fp->Zustand.Dok); });
    QObject::connect(f.Menue.OrdnerBestenlisten1, &QAction::triggered, fp, [b] { b->OrdnerBestenlisten1Click(); });

    // The classroom exercise: its commands, the live view, the channel; a
    // participant's repeat joins again through it.
    new NetzAnschluss(f, *uebung->Steuerung, *bestListBefehle);

    // The pupil's lasting record: every run kept, the card box and the progress.
    new LernstandAnschluss(f, *uebung->Steuerung, Lernstand::StandardPfad());
}

Programm::~Programm()
{
    form.reset();
}
