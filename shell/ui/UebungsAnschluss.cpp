#include "UebungsAnschluss.h"

#include "ErgebnisSteuerung.h"
#include "TForm1.h"
#include "TUebFertigForm.h"
#include "UebungsSteuerung.h"

#include "Szene.h"

#include <QAction>

UebungsAnschluss::UebungsAnschluss(TForm1 &f, Szene &szene) : QObject(&f), form(f)
{
    Steuerung = new UebungsSteuerung(f.Zustand, f.dienste, szene, f, {f.UebungPan, f.StatistikLabels}, &f);
    f.QuizAnschliessen(*Steuerung);
    connect(f.Menue.UebOpt1, &QAction::triggered, Steuerung, &UebungsSteuerung::UebOpt1Click);
    connect(f.Menue.ProtokollderletztenUebung1, &QAction::triggered, Steuerung,
            &UebungsSteuerung::ProtokollderletztenUebung1Click);
}

void UebungsAnschluss::ErgebnisAnschliessen(ErgebnisSteuerung &e)
{
    UebungsSteuerung *s = Steuerung;
    s->ErgebnisAnschliessen(e);
    e.Umgebung.protokollDarstellen = [s] { s->ProtokollDarstellen(); };
    e.Umgebung.protokollAutoSpeichern = [s] { s->ProtokollAutoSpeichern(); };
    e.Umgebung.optionenVorJederUebung = [s] { return s->OptionenVorJederUebung(); };
    e.ProtokollZeigen = [s] { s->ProtokollderletztenUebung1Click(); };
    TForm1 *f = &form;
    e.Umgebung.ergebBestListEintragenAktiv = [f] { return f->ErgebBestListEintragenAn(); };
}
