// KartenRunde: one round of the card box over one document for one pupil.
#pragma once
#include "Leitner.h"
#include "LernFragen.h"

#include <QDate>
#include <QList>
#include <QSet>
#include <QStringList>

class IUhr;
class IZufall;
class Lernstand;

// A round of cards: the due cards and the day's new ones, each answered by
// choosing among six answers or by uncovering and rating oneself. Every
// answer moves its card and is written at once; a missed card comes back
// at the end of the round until it is known. Works without a store too
// (nothing is kept then).
class KartenRunde
{
public:
    static constexpr int Auswahlgroesse = 6;

    KartenRunde(Lernstand &stand, IUhr &uhr, IZufall &zufall);

    // Composes the round; false when the document has no single questions
    // or nothing is due and no new card is left for today.
    bool Beginnen(const Dokument &dok, const QString &schueler, int neueProTag, int hoechstens);

    bool Fertig() const { return stelle >= reihe.size(); }
    int Gesamt() const { return int(reihe.size()); }
    int Stelle() const { return stelle; } // answered so far, repetitions included
    int Gewusst() const { return gewusst; }
    const LernFrage &Aktuell() const;
    Karte AktuelleKarte() const;
    // The answers offered for the current card: the right one and up to five
    // others of the document, never a look-alike of the right one, in random
    // places. The same until the card is answered.
    const QStringList &Auswahl() const { return auswahl; }
    QDate Heute() const { return heute; }

    // Answers the current card; returns whether it was known. Waehlen takes
    // the place in Auswahl (0-based); a place outside is ignored (false).
    bool Bewerten(bool gewusst);
    bool Waehlen(int platz);
    // After the feedback: the next card.
    void Weiter();

private:
    void AuswahlZiehen();

    Lernstand &stand;
    IUhr &uhr;
    IZufall &zufall;
    QString schueler;
    QString dokSchluessel;
    QList<LernFrage> fragen;
    QHash<QString, Karte> karten;
    QList<int> reihe; // indexes into fragen
    QStringList auswahl;
    QSet<QString> gezeigt; // answered once in this round
    int stelle = 0;
    int gewusst = 0;
    bool beantwortet = false;
    qint64 runde = -1;
    qint64 gezeigtTick = 0;
    QDate heute;
};
