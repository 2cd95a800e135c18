// The topic document in memory: its objects, their kinds and the document state.
#pragma once
#include "AnsichtArt.h"

#include <QImage>
#include <QList>
#include <QString>

// A rectangle of four reals in the order the files store them.
struct Rechteck
{
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool operator==(const Rechteck &) const = default;
};

// Object kinds (Typ).
namespace ObjektTyp {
enum : int {
    Beschriftung = 0,
    TextOhneAbdeckung = 1,
    Infopunkt = 2,
    Luecke = 3,
    Link = 4,
    DokumentLink = 5,
    Antwort = 10,
    FrageText = 11,
    VorigeFrage = 12,
    NaechsteFrage = 13,
    ErsteFrage = 14,
    LetzteFrage = 15,
    ZufallsFrage = 16,
    AntwortKopf = 17,
};
}

// Document types (DokTyp). The files store the number; a value outside the
// three is kept as read and written back unchanged.
enum class DokArt : qint32 { Bildbeschriftung = 0, Lueckentext = 1, Einzelfragen = 2 };

// Cover states (Abdeckung).
namespace AbdeckungsArt {
enum : int {
    Abgedeckt = -1,
    Aufgedeckt = 0,
    Geloest = -2,
    Aufgegeben = -3,
    Unbewertet = -4,
    OffeneFrage = -5,
    FrageAufgegeben = -6,
};
}

struct DokObjekt
{
    // Stored in the file.
    double Sx = 0, Sy = 0, Kx = 0, Ky = 0;
    QString Cap; // lines separated by "\n"; trimmed when read from a file
    int KAusr = 0;
    int TAusr = 0;
    int Ebene = 0;
    int Typ = 0;
    int Sline = 0;
    int Fsize = 0;
    int KAusrAkt = 0;
    int FrageNummer = -1;

    // Run-time only.
    int Abdeckung = AbdeckungsArt::Abgedeckt;
    int Nummer = -1;
    int FehlerAlsZiel = 0;
    int FehlerAlsText = 0;
    Rechteck Rahmen{-1, -1, -1, -1};
    double HalbBreite = 0, HalbHoehe = 0;
    int PixLinks = -1, PixOben = -1;

    // Puts the run-time fields back to their state after reading.
    void LaufzeitZuruecksetzen();
};

struct Dokument
{
    QString DateiName;
    QString Vers = "1.00";
    QString Titel;
    QString Autor;
    QString Bemerkung;
    QString Lueckentext;
    QString Fragentext;
    int AnzFrageNummern = 0;
    DokArt DokTyp = DokArt::Bildbeschriftung;
    bool Geaendert = false;
    Rechteck RandErw;
    int NumArt = 0;
    int GeordnetArt = 0;

    QList<DokObjekt> Objekte;
    // The base picture as read (without border extension).
    QImage BasisBild;
};

// The current document with the state the main window keeps beside it.
// Its operations (reading, writing, emptying, the single-question structure)
// live in the files of this folder.
struct DokumentZustand
{
    Dokument Dok;
    int ThemenIndex = -1; // position in the topic list, -1 if none
    int AktFrage = -1;    // single question shown (1-based), -1 when none
    // The window's mode; the window, the scene and the quiz all read this one.
    AnsichtArt AnsichtModus = AnsichtArt::Startseite;
};
