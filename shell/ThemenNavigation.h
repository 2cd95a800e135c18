// ThemenNavigation: the topic list and every way between documents.
#pragma once
#include "Dokument.h"
#include "NavigationsFenster.h"
#include "Themenliste.h"

#include <QList>
#include <QString>

class IDokumentUmgebung;
class IMeldungen;
struct ProgrammOrdner;

// The topic list of the current folder and every way of moving between
// documents: choosing a topic, previous/next, start page, the document
// shown before, the open dialog, choosing or re-reading a folder, closing,
// and document links. Each passes the leave-document guard first where the
// commands ask for it.
class ThemenNavigation
{
public:
    ThemenNavigation(DokumentZustand &zustand, ProgrammOrdner &ordner, IMeldungen &meldungen,
                     IDokumentUmgebung &dokUmgebung, INavigationsFenster &fenster, TitelLeser leser);

    void BaueThemenliste();
    void SchreibeTitelzeile();
    void WaehleThema(int i);
    bool VerlasseDokument();
    bool SpeicherAbfrage();
    void SchliesseDokument();

    // Commands of the "&Quizauswahl" and "&Datei" menus.
    void Startseite();
    void ZuletztAngezeigtesDokument();
    void VorigesThema();
    void NaechstesThema();
    void Oeffnen();
    void OrdnerWaehlen();
    void OrdnerNeuEinlesen();
    void Schliessen();
    // A click on a document link (Typ 5) of the learning view.
    void DokumentLinkFolgen(const QString &cap);

    const QList<ThemenEintrag> &Liste() const { return liste; }
    // The open dialog's initial folder and file name (KMFOpenDlg1).
    QString OeffnenOrdner;
    QString OeffnenDatei;

    static QString AnzahlText(int anzahl);

private:
    bool Laden(const QString &pfad);
    bool Geladen() const { return !z.Dok.DateiName.isEmpty(); }

    DokumentZustand &z;
    ProgrammOrdner &o;
    IMeldungen &m;
    IDokumentUmgebung &umgebung;
    INavigationsFenster &fenster;
    TitelLeser leseTitel;
    QList<ThemenEintrag> liste;
};
