// Connects the classroom exercise to the main window.
#include "NetzAnschluss.h"

#include "BestListBefehle.h"
#include "NetzUebung.h"
#include "OptionenUebernehmen.h"
#include "Ordner.h"
#include "TForm1.h"
#include "TKontrollForm.h"
#include "TNameEingabeForm.h"
#include "TNetzKomForm.h"
#include "TUebOptForm.h"
#include "TUebOptFragenForm.h"
#include "UebungsSteuerung.h"

#include <QAction>
#include <QLineEdit>
#include <QStatusBar>

NetzAnschluss::NetzAnschluss(TForm1 &f, UebungsSteuerung &s, BestListBefehle &b)
    : QObject(&f), form(f), steuerung(s), bestListen(b)
{
    Netz = new NetzUebung(s.Engine, f.Zustand, f, f.dienste, b.Listen, *this, this);

    NetzUebung *n = Netz;
    const struct
    {
        QAction *aktion;
        void (NetzUebung::*befehl)();
    } befehle[] = {
        {f.Menue.Netzwerkuebunginitiieren1, &NetzUebung::Netzwerkuebunginitiieren1Click},
        {f.Menue.LehrerNetzwerkUebungbeenden1, &NetzUebung::LehrerNetzwerkUebungbeenden1Click},
        {f.Menue.NetzwerkbungKontrollanzeige1, &NetzUebung::NetzwerkbungKontrollanzeige1Click},
        {f.Menue.Netzwerkuebung1, &NetzUebung::Netzwerkuebung1Click},
    };
    for (const auto &b : befehle) {
        connect(b.aktion, &QAction::triggered, n, b.befehl);
        f.ErweitertAnzeigen(b.aktion);
    }
    connect(f.Menue.Kommunikationsverzeichnis1, &QAction::triggered, this,
            &NetzAnschluss::Kommunikationsverzeichnis1Click);
    f.ErweitertAnzeigen(f.Menue.Kommunikationsverzeichnis1);
    // The class list has its effect now, so the switch shows it too.
    f.ErweitertAnzeigen(f.Menue.BestenlistezurNetzwerkuebung1);

    // Closing: a participant run ends as aborted and is reported; after the
    // save prompt both channel components go off and the files go.
    connect(&f, &TForm1::NetzTeilnahmeAbbrechen, n, &NetzUebung::TeilnahmeAbbrechen);
    connect(&f, &TForm1::BeimSchliessenFreigeben, n, &NetzUebung::ProgrammEnde);
}

TKontrollForm &NetzAnschluss::KontrollForm()
{
    if (!kontrollForm) {
        // The live view reads the rows and counts from the model, which
        // exists from the start, so a late window shows the same.
        kontrollForm = new TKontrollForm(Netz->Kontrolle, &form);
        connect(kontrollForm, &TKontrollForm::KlassenlisteGewuenscht, this,
                [this] { bestListen.BestenlistezurNetzwerkuebung1Click(&form.Zustand.Dok); });
        // The ending is in reach without the hidden teacher menu.
        connect(kontrollForm, &TKontrollForm::UebungBeendenGewuenscht, Netz,
                &NetzUebung::LehrerNetzwerkUebungbeenden1Click);
    }
    return *kontrollForm;
}

TNetzKomForm &NetzAnschluss::KomForm()
{
    if (!komForm)
        komForm = new TNetzKomForm(&form);
    return *komForm;
}

TNameEingabeForm &NetzAnschluss::NameForm()
{
    if (!nameForm) {
        nameForm = new TNameEingabeForm(&form);
        nameForm->setWindowTitle(QStringLiteral("An Netzwerk-Übung teilnehmen"));
    }
    return *nameForm;
}

bool NetzAnschluss::TeilnehmerLaufStarten()
{
    return steuerung.UebungStarten(
        {.optionenZeigen = false, .umfang = UmfangArt::Komplett, .rolle = Rolle::Teilnehmer});
}

void NetzAnschluss::LaufVerlassen()
{
    steuerung.UebungVerlassen();
}

bool NetzAnschluss::NetzOptionenErfragen(UebOptionen &opt)
{
    const DokArt typ = form.Zustand.Dok.DokTyp;
    bool ok;
    if (typ == DokArt::Einzelfragen) {
        steuerung.UebOptFragenForm().NetzwerkModus(true);
        ok = steuerung.UebOptFragenForm().exec() == QDialog::Accepted;
    } else {
        steuerung.UebOptForm().NetzwerkModus(true);
        ok = steuerung.UebOptForm().exec() == QDialog::Accepted;
    }
    if (ok)
        opt = OptionenUebernehmen(steuerung.OptWerteHolen(), typ);
    return ok;
}

bool NetzAnschluss::TeilnehmernameErfragen(QString &name)
{
    NameForm().TNameEdit->setText(name);
    return NameForm().NamenErfragen(name);
}

void NetzAnschluss::DokumentGeladen()
{
    form.Navigation().SchreibeTitelzeile();
}

void NetzAnschluss::DokumentSchliessen()
{
    // Back to the start page: the participant's component goes off too.
    Netz->LernansichtGezeigt();
    form.Navigation().SchliesseDokument();
}

void NetzAnschluss::BefehlsstatusAktualisieren()
{
    form.AktualisiereKnoepfe();
    KopfAktualisieren();
}

void NetzAnschluss::KopfAktualisieren()
{
    // An unmade live view gets its header when it is first shown.
    if (!kontrollForm)
        return;
    kontrollForm->KopfSetzen(form.Zustand.Dok.Titel, Ordner().NetzKomOrdner, Ordner().NetzKomKanal,
                             Netz->MasterMailslot.Active() && steuerung.Engine.Lauf.NetzRolle == Rolle::Initiator);
}

void NetzAnschluss::KontrollanzeigeZeigen()
{
    KontrollForm();
    KopfAktualisieren();
    kontrollForm->Zeigen();
}

void NetzAnschluss::NetzHinweis(const QString &text)
{
    // The status line appears for the note only.
    if (text.isEmpty()) {
        if (form.statusBar()->isVisible())
            form.statusBar()->hide();
        return;
    }
    form.statusBar()->show();
    form.statusBar()->showMessage(text);
}

bool NetzAnschluss::DokumentGeladenIst()
{
    return !form.Zustand.Dok.DateiName.isEmpty();
}

void NetzAnschluss::Kommunikationsverzeichnis1Click()
{
    const UebLauf &l = steuerung.Engine.Lauf;
    if (l.NetzRolle == Rolle::Initiator || (l.NetzRolle == Rolle::Teilnehmer && steuerung.Engine.Laeuft())) {
        form.dienste.meldungen->Information(
            QStringLiteral("Während einer Netzwerk-Übung können Kommunikationsordner und Kanal nicht geändert "
                           "werden. Beenden Sie zuerst die Netzwerk-Übung."));
        return;
    }
    QString ordner = Ordner().NetzKomOrdner;
    QString kanal = Ordner().NetzKomKanal;
    if (!KomForm().Erfragen(ordner, kanal))
        return;
    Ordner().NetzKomOrdner = ordner;
    Ordner().NetzKomKanal = kanal;
}
