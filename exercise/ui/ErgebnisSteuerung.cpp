#include "ErgebnisSteuerung.h"
#include "BestListBefehle.h"
#include "TNameEingabeForm.h"
#include "TUebFertigForm.h"
#include "Uebung.h"

ErgebnisSteuerung::ErgebnisSteuerung(Uebung &u, BestListBefehle &befehle, DokumentZustand &dok, IMeldungen &m,
                                     QWidget *parent)
    : UebFertigForm(new TUebFertigForm(parent)), NameEingabeForm(new TNameEingabeForm(parent)),
      Umgebung(u, befehle.Listen, dok), Ablauf(Umgebung, *UebFertigForm, m), uebung(u)
{
    UebFertigForm->Ablauf = &Ablauf;
    UebFertigForm->BestListZeigen = [&befehle, &dok](bool netz) { befehle.BestListZeigen(netz, &dok.Dok); };
    Umgebung.ordnerFensterZeigen = [&befehle] { befehle.OrdnerBestenlisten1Click(); };
}

void ErgebnisSteuerung::ErgebnisAnzeigen()
{
    Ablauf.ErgebnisAnzeigen(uebung.Ergebnis());
}

bool ErgebnisSteuerung::NamenErfragen(QString &name)
{
    return NameEingabeForm->NamenErfragen(name);
}
