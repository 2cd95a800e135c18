// The figures of a finished run and the content of the results window.
#pragma once
#include "StartAuftrag.h"

#include <QDateTime>
#include <QString>

// The figures of a finished run that the results window and the
// high-score entry need, taken from the run state at its end.
struct UebErgebnis
{
    Rolle NetzRolle = Rolle::Einzeln;
    UmfangArt Umfang = UmfangArt::Komplett;
    int AnzFragen = 0;
    int AnzFalsch = 0;
    int AnzOffen = 0;
    double Gesamtleistung = 0;
    bool MitZeitLimit = false;
    // Captions of the status labels at the end of the run ("?" while
    // deferred feedback hides the figures).
    QString RichtigText;
    QString FalschText;
    QString QuoteText;
    QString GesamtleistungText;
    QString UebZeitText;
    // For the high-score record.
    QString Teilnehmername;
    QDateTime StartZeit;
    qint32 Laufzeit = 0;
};

// Everything the results window TUebFertigForm shows.
struct ErgebnisInhalt
{
    QString RichtigLab;
    QString FalschLab;
    QString QuoteLab;
    QString ZeitArtLab;
    QString UebZeitLab;
    QString UebNummernOffenLab;
    QString GesamtleistungLab;
    QString BewertLab;
    QString NoteLab;
    double Gesamtleistung = 0; // for the rating scale
    bool WiederholenModeAktiv = false;
    int WiederholenMode = 0; // 0 complete, 1 only the questions not solved at once
    QString BestenlisteLab;
    bool InBestenlisteBtnSichtbar = false;
    bool NetzListe = false; // "Bestenliste..." shows the network list
};
