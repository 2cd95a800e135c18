// Connects the classroom exercise to the main window: its menu commands,
// the options window in network form, the name dialog, the live view, the
// communication dialog and the clean-up when the window closes. Its windows
// are made on first use, so they cost nothing at start.
#pragma once
#include "NetzFenster.h"

#include <QObject>

class BestListBefehle;
class NetzUebung;
class TForm1;
class TKontrollForm;
class TNameEingabeForm;
class TNetzKomForm;
class UebungsSteuerung;

class NetzAnschluss : public QObject, public INetzFenster
{
    Q_OBJECT
public:
    NetzAnschluss(TForm1 &form, UebungsSteuerung &steuerung, BestListBefehle &bestListen);

    NetzUebung *Netz = nullptr;
    TKontrollForm &KontrollForm();
    TNetzKomForm &KomForm();
    TNameEingabeForm &NameForm();
    // Whether any of the three windows has been made yet.
    bool FensterErzeugt() const { return kontrollForm || komForm || nameForm; }

    // "Netzwerk-&Kommunikation...": folder and channel, refused while an
    // exercise of this computer runs (its files would stay behind).
    void Kommunikationsverzeichnis1Click();

    // INetzFenster
    bool TeilnehmerLaufStarten() override;
    void LaufVerlassen() override;
    bool NetzOptionenErfragen(UebOptionen &opt) override;
    bool TeilnehmernameErfragen(QString &name) override;
    void DokumentGeladen() override;
    void DokumentSchliessen() override;
    void BefehlsstatusAktualisieren() override;
    void KontrollanzeigeZeigen() override;
    bool DokumentGeladenIst() override;
    void NetzHinweis(const QString &text) override;

private:
    void KopfAktualisieren();

    TForm1 &form;
    UebungsSteuerung &steuerung;
    BestListBefehle &bestListen;
    TKontrollForm *kontrollForm = nullptr;
    TNetzKomForm *komForm = nullptr;
    TNameEingabeForm *nameForm = nullptr;
};
