// The four messages of a participant run: building their lines and reading
// them back strictly.
#pragma once
#include "EndeArt.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

enum class TnArt { Init, Aktion, Fertig, Bestlist };

// Every field any of the four messages carries; which ones are set depends
// on Art. Times of day and the clock text stay text (they are shown as they
// came); numbers are checked against their ranges.
struct TnNachricht
{
    TnArt Art = TnArt::Init;
    QString Kennung;       // 30 capitals A..Z
    QString Name;          // Init, Bestlist
    QString StartZeitText; // Init, Aktion: time of day
    int AktZiel = -1;      // Aktion
    int Abdeckung = 0;
    int FehlerAlsZiel = 0;
    EndeArt Endestatus = EndeArt::Laeuft; // Aktion, Fertig
    int AnzFragen = 0;
    int AnzRichtig = 0;
    int AnzFalsch = 0;
    int AnzOffen = 0;
    QString UhrText;         // Aktion, Fertig: "mm:ss"
    double Erfolgsquote = 0; // Aktion: percent 0..100
    double Gesamtleistung = 0;
    int Schulnote = 0;
    QString Rechner;     // Bestlist
    double Beginn = 0;   // Bestlist: days since 1899-12-30
    qint32 Laufzeit = 0; // Bestlist: ms
    double Leistung = 0; // Bestlist: fraction 0..1
};

namespace TnGrenzen {
inline constexpr int KennungLaenge = 30;
inline constexpr int MaxNameLaenge = 100;
inline constexpr int MaxRechnerLaenge = 255;
inline constexpr int MaxZeitTextLaenge = 40;
inline constexpr int MaxZaehler = 1000000;
} // namespace TnGrenzen

// Formats of the lines.
QString ProzentZahlText(double bruch);                       // 0.853 -> "85.3"
QString LangeZeitText(const QTime &zeit);                    // the system's long time format
QString AllgemeineZahlText(double wert);                     // up to 15 significant digits, system decimal separator
bool AllgemeineZahlLesen(const QString &text, double &wert); // either separator

// The lines of each message, in the order the initiator reads them.
QStringList TnInitZeilen(const TnNachricht &n);
QStringList TnAktionZeilen(const TnNachricht &n);
QStringList TnFertigZeilen(const TnNachricht &n);
QStringList TnBestlistZeilen(const TnNachricht &n);
QStringList TnZeilen(const TnNachricht &n);

// Reads a message body (the lines after the envelope). False for anything
// that is not exactly one of the four messages with valid fields.
bool TnLesen(const QStringList &zeilen, TnNachricht &n);

bool IstKennung(const QString &text);
