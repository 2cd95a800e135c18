// The state of an exercise run: its options, end states and run data.
#pragma once
#include "EndeArt.h"
#include "FragenFolge.h"
#include "NetzRolle.h"

#include <QPoint>
#include <QString>

// The option values a run works with, copied from the dialog of the
// document type (or received with a network exercise).
struct UebOptionen
{
    int RiFaRueckmeldung = 0;
    int ZuordnungRichtig = 0;
    int ZuordnungFalsch = 0;
    int Zuordnungstexte = 1;
    int Zuordnungsziele = 1;
    int AbfrageModus = 0;
    int ZeitLimitIndex = 0;
    int ZeitLimitWert = 180; // seconds
};

// The exercise run state. Lives as long as the program, re-initialised by
// every start.
struct UebLauf
{
    Rolle NetzRolle = Rolle::Einzeln;
    FragenListe FragenFolge; // (TextObjekt, ZielObjekt) per question
    int Position = 0;
    int FrageZaehler = 0;
    int AnzFragen = 0;
    int AnzGesamt = 0;
    int AnzRichtig = 0;
    int AnzFalsch = 0;
    int AnzOffen = 0;
    double Erfolgsquote = 0;
    double Gesamtleistung = 0;
    int Schulnote = 0;
    EndeArt Endestatus = EndeArt::Laeuft;
    qint64 StartTick = 0;
    int Laufzeit = 0;     // ms
    double StartZeit = 0; // Delphi date-time
    double EndZeit = 0;
    int Restzeit = 0; // s
    int AktZiel = -1;
    QString Teilnehmername;
    QString ProtokollKopf;
    QString ProtokollAblauf;
    bool InBestenliste = false;

    // Drag state of the panel being moved (UebungPan coordinates).
    QPoint ZiehUrsprung;
    QPoint Griffpunkt;
};
