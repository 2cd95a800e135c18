// The results window and name dialog wired to the completion of a run.
#include "ErgebnisSteuerung.h"
#include "BestListBefehle.h"
#include "TNameEingabeForm.h"
#include "TUebFertigForm.h"
#include "Uebung.h"

ErgebnisSteuerung::ErgebnisSteuerung(Uebung &u, BestListBefehle &b, DokumentZustand &d, IMeldungen &m,
                                     IErgebnisHauptfenster &h, QWidget *parent)
    : Umgebung(u, b.Listen, d, h), Ablauf(Umgebung, *this, m), uebung(u), befehle(b), dok(d), hauptfenster(h),
      eltern(parent)
{
}

TUebFertigForm &ErgebnisSteuerung::UebFertigForm()
{
    if (!uebFertigForm) {
        uebFertigForm = new TUebFertigForm(eltern);
        uebFertigForm->Ablauf = &Ablauf;
        QObject::connect(uebFertigForm, &TUebFertigForm::BestListGewuenscht, uebFertigForm,
                         [this](bool netz) { befehle.BestListZeigen(netz, &dok.Dok); });
        QObject::connect(uebFertigForm, &TUebFertigForm::ProtokollGewuenscht, uebFertigForm,
                         [this] { hauptfenster.ProtokollZeigen(); });
    }
    return *uebFertigForm;
}

TNameEingabeForm &ErgebnisSteuerung::NameEingabeForm()
{
    if (!nameEingabeForm)
        nameEingabeForm = new TNameEingabeForm(eltern);
    return *nameEingabeForm;
}

void ErgebnisSteuerung::InhaltSetzen(const ErgebnisInhalt &inhalt)
{
    UebFertigForm().InhaltSetzen(inhalt);
}

bool ErgebnisSteuerung::ModalZeigen()
{
    return UebFertigForm().ModalZeigen();
}

int ErgebnisSteuerung::GewaehlterWiederholenMode()
{
    return UebFertigForm().GewaehlterWiederholenMode();
}

void ErgebnisSteuerung::ErgebnisAnzeigen()
{
    Ablauf.ErgebnisAnzeigen(uebung.Ergebnis());
}

bool ErgebnisSteuerung::NamenErfragen(QString &name)
{
    return NameEingabeForm().NamenErfragen(name);
}
