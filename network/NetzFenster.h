// What the network exercise needs from the main window and its dialogs.
#pragma once
#include "UebLauf.h"

#include <QString>

class INetzFenster
{
public:
    virtual ~INetzFenster() = default;
    // The quiz start as a participant run (role 1), no options dialog.
    virtual bool TeilnehmerLaufStarten() = 0;
    // Leaves a run without asking again (the caller asked already).
    virtual void LaufVerlassen() = 0;
    // The exercise options window of the current document's kind in its
    // network form; true with the captured values when closed with OK.
    virtual bool NetzOptionenErfragen(UebOptionen &opt) = 0;
    // The name dialog, prefilled; false when cancelled.
    virtual bool TeilnehmernameErfragen(QString &name) = 0;
    // After the exercise's document was loaded: title line and picture.
    virtual void DokumentGeladen() = 0;
    // Closes the current document (start picture shown).
    virtual void DokumentSchliessen() = 0;
    virtual void BefehlsstatusAktualisieren() = 0;
    virtual void KontrollanzeigeZeigen() = 0;
    virtual bool DokumentGeladenIst() = 0;
    // A note about the network in the status line; empty: none.
    virtual void NetzHinweis(const QString &text) = 0;
};
