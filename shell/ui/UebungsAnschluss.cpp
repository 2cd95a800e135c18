// Connecting the quiz and its results to the main window.
#include "UebungsAnschluss.h"

#include "BestListBefehle.h"
#include "ErgebnisSteuerung.h"
#include "TForm1.h"
#include "UebungsSteuerung.h"

#include "Szene.h"

#include <QAction>

UebungsAnschluss::UebungsAnschluss(TForm1 &f, Szene &szene, BestListBefehle &b) : QObject(&f), form(f), bestListen(b)
{
    Steuerung = new UebungsSteuerung(f.Zustand, f.dienste, szene, f, {f.UebungPan, f.StatistikLabels}, &f);
    f.QuizAnschliessen(*Steuerung);
    connect(f.Menue.UebOpt1, &QAction::triggered, Steuerung, &UebungsSteuerung::UebOpt1Click);
    connect(f.Menue.ProtokollderletztenUebung1, &QAction::triggered, Steuerung,
            &UebungsSteuerung::ProtokollderletztenUebung1Click);
}

void UebungsAnschluss::ErgebnisAnschliessen(ErgebnisSteuerung &e)
{
    Steuerung->ErgebnisAnschliessen(e);
}

void UebungsAnschluss::ProtokollDarstellen()
{
    Steuerung->ProtokollDarstellen();
}

void UebungsAnschluss::ProtokollAutoSpeichern()
{
    Steuerung->ProtokollAutoSpeichern();
}

void UebungsAnschluss::ProtokollZeigen()
{
    Steuerung->ProtokollderletztenUebung1Click();
}

bool UebungsAnschluss::ErgebBestListEintragenAktiv()
{
    return form.ErgebBestListEintragenAn();
}

void UebungsAnschluss::OrdnerFensterZeigen()
{
    bestListen.OrdnerBestenlisten1Click();
}

bool UebungsAnschluss::OptionenVorJederUebung()
{
    return Steuerung->OptionenVorJederUebung();
}
