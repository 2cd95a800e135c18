// Szene: the learning view's picture, objects, zoom and clicks.
#pragma once
#include "FragenFolge.h"
#include "Nummerierung.h"
#include "SzenenAnzeige.h"
#include "Werkzeug.h"

#include "Dienste.h"
#include "Dokument.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSet>
#include <QSize>

struct ObjektMass;
struct ObjektZeichnung;
class QPainter;

// What a click in the learning view asks the main window to do after the
// scene has done its own part (toggling a cover, navigating, opening a link).
enum class KlickAktion {
    Keine,         // nothing hit, or an object that does not react
    Umgeschaltet,  // a cover was toggled and redrawn
    Navigiert,     // AktFrage changed and the objects were redrawn
    InfoZeigen,    // show the info text of object `index` (info box)
    LinkGeoeffnet, // the link was handed to the opener
    LinkFehler,    // the opener refused; the error box has been shown
    DokumentLaden, // load the topic document or folder named by `ziel`
};

// What one drawing step did: the changed part of the display bitmap, and
// whether the keyword field is to be placed at a control pixel.
struct WerkzeugSchritt
{
    QRect geaendert; // display-bitmap pixels; empty when nothing was drawn
    bool texteingabe = false;
    QPoint punkt; // control pixel of the keyword field
};

struct KlickErgebnis
{
    KlickAktion aktion = KlickAktion::Keine;
    int index = -1;
    QString ziel;
};

// The learning view's picture: the five surfaces, the view state and every
// drawing operation on them. No widgets: the control that shows the display
// bitmap is told through ISzenenAnzeige, side effects go through Dienste.
//
// The surfaces are sized by SzeneAufbauen from the control size; objects
// are positioned in fractions of the (extended) picture and converted on
// every draw, so zoom and resize only need a rebuild.
//
// Wiring: the main window creates one Szene over its DokumentZustand and
// the picture widget LernKartBild (view/ui) over the Szene; the widget sets
// itself as Anzeige. The main window lays out the start page when the
// widget signals StartseiteAnordnen (first step of every rebuild), mirrors
// the layer check boxes with EbenenSetzen, and acts on the KlickErgebnis of
// a click. The quiz changes Abdeckung and calls ObjektNeuZeichnen for one
// object, ObjekteNeuZeichnen after a question change and MarkerSetzen for
// the drop target.
class Szene
{
public:
    Szene(DokumentZustand &zustand, const Dienste &dienste);

    DokumentZustand &Zustand;
    Dienste Dienst;
    ISzenenAnzeige *Anzeige = nullptr;

    static const QColor SteuerFarbe; // background of LernKartPicImg, RGB(174,194,212)
    // The numbers on the targets' disks: a red dark enough to read (4.5:1)
    // on the white and the light grey disk.
    static const QColor ZielNummerFarbe;

    // --- Surfaces ---
    QImage SzenenBild;
    QImage HintergrundBild;
    QImage ObjekteBild;
    // Filled on demand (SauberAusschnittAuffrischen): a pan step only
    // marks it stale, so moving the view copies one surface less.
    QImage SauberAusschnitt;
    QImage AnzeigeBild; // display bitmap of LernKartPicImg, centred in the control

    // --- View state ---
    QSize SteuerGroesse{870, 650}; // client size of LernKartPicImg
    int ZoomIndex = 0;
    double ZoomFaktor = 1.0;
    Rechteck Ausschnitt{0, 0, 1, 1};
    int ScrollX = 0, ScrollY = 0;
    double AusschnittSeiten = 870.0 / 650.0;
    bool Ebene0Check = true, Ebene1Check = true, Ebene2Check = true;

    // --- Numbering and quiz state the drawing reads ---
    NummerierArt NummerierModus = NummerierArt::Geordnet;
    FragenListe FragenFolge;
    int AbfrageModus = 0;   // the quiz's query mode (2 = single query of positions)
    int AktFolgeIndex = -1; // current entry of FragenFolge during a quiz, -1 none
    // The query mode and the ZielObjekt of the current entry (the quiz
    // hands both in through QuizZustandSetzen).
    int AktuellerAbfrageModus() const;
    int AktuellesZielObjekt() const;

    // Program folder whose "Flaggen/" holds the question images; empty means
    // Ordner().ProgOrdner.
    QString ProgOrdner;

    // --- Marker frame MoveAnker (control pixels) ---
    int MarkerIndex = -1, MarkerBezug = -1;
    QRect MoveAnker;
    bool MoveAnkerSichtbar = false;

    // Zoom factor of a zoom step 0..4 (1.0 .. 2.0 in quarters).
    static double ZoomFaktorVon(int index);
    // Only the step and factor, then the zoom controls are told; no rebuild.
    void ZoomSetzen(int index);

    // --- Navigation (SzeneNavigation.cpp) ---
    // While false, mode 2 shows the start panel over an empty display
    // bitmap; true shows the picture there (the learning view).
    bool LernansichtSichtbar = false;
    // A different step: set it and, in mode 2, rebuild (in mode 3 the
    // factor waits for the next rebuild). False when it was already active.
    bool ZoomWechseln(int index);
    void Hineinzoomen();
    void Herauszoomen();
    // One scroll step in direction (rx, ry); drawings are committed first.
    void Scrollen(int rx, int ry);
    // Panning: the press commits the drawings, each move shifts the view by
    // the mouse's way since the last point.
    void VerschiebenBeginnen(QPoint steuerPixel);
    void Verschieben(QPoint steuerPixel);
    QPoint VerschiebeStart;

    // --- Drawing tools (SzeneWerkzeuge.cpp) ---
    Werkzeug AktWerkzeug = Werkzeug::Zeiger;
    // Last mouse point in display-bitmap pixels; -1 after loading a
    // document, so the first move never draws from an old position.
    int LetzterX = -1, LetzterY = -1;
    bool StempelGesetzt = false; // at most one stamp per press
    // Something was drawn since the last full rebuild or "remove all"
    // (a rebuild would lose it).
    bool ZeichnungenVorhanden = false;
    QPoint StiftPos{-1, -1}; // where the next line starts
    // After loading: no last point and no pen position, so neither the next
    // move nor a press without moving draws from a point of the old picture.
    void StrichZuruecksetzen();
    void WerkzeugWaehlen(Werkzeug w);
    // Mouse events of tools 3 to 9 at control pixels; the changed part is
    // repainted.
    WerkzeugSchritt WerkzeugDruck(QPoint steuerPixel);
    WerkzeugSchritt WerkzeugBewegung(QPoint steuerPixel, bool linksGedrueckt);
    WerkzeugSchritt WerkzeugLos(QPoint steuerPixel, bool linksGedrueckt);
    WerkzeugSchritt WerkzeugAnwenden(bool LinksGedrueckt, QPoint steuerPixel);
    // The scene goes back to the objects without drawings.
    void AlleZeichnungenEntfernen();
    // A keyword written onto the display bitmap with its top-left at a
    // display-bitmap pixel; returns the changed part.
    QRect SchlagwortSchreiben(QPoint anzeigePixel, const QString &text);
    static QFont SchlagwortFont();
    static const QColor SchlagwortFarbe; // RGB(0,90,255)

    // Scale unit s: display width x ZoomFaktor / 870.
    double Massstab() const;
    // Top-left of the centred display bitmap inside the control.
    QPoint BildVersatz() const;

    // --- Coordinates ---
    QPoint SzenenPixel(double fx, double fy) const;
    QPoint AnzeigePixel(double fx, double fy) const;   // control pixel
    QPointF SteuerNachBruch(QPoint steuerPixel) const; // clamped to 0..1

    // --- Composition ---
    void SzeneAufbauen();
    // Fits the extended base picture into Breite x Hoehe at Faktor; Ziel
    // gets the visible part. Returns the visible fractions (vw, vh). With
    // nurGroesse only Ziel's size is set (nothing is resampled).
    QSizeF BasisBildEinpassen(QImage &Ziel, int Breite, int Hoehe, double Faktor, bool nurGroesse = false);
    void AnsichtZeigen();
    void ObjekteZeichnen(bool MitLinie, bool Kopieren, bool Auffrischen);
    void ObjekteNeuZeichnen();
    void ZeichnungenUebernehmen();
    // SauberAusschnitt := the visible part of ObjekteBild, if it is stale.
    void SauberAusschnittAuffrischen();
    // Variante 0 screen, 1 worksheet boxes, 2 solution overlay, 3 solution
    // sheet. massstab overrides the scale unit for targets other than the
    // scene (0 = the view's). The object's box is remembered (Rahmen,
    // PixLinks, ...) only for the screen variant.
    void ObjektZeichnen(QImage &Ziel, int Index, int Variante, bool Auffrischen, bool Kopieren, bool MitLinie,
                        double massstab = 0);
    // What ObjektZeichnen would measure and place for an object on a target
    // of size ziel at scale unit s, without drawing or changing anything.
    // aufSzene: the target is SzenenBild (question boxes follow the view).
    ObjektMass ObjektMessen(int Index, QSize ziel, double s, bool aufSzene) const;
    // The scene variant of a single redraw: onto SzenenBild, copied to the
    // caches and the display, control repainted. What the quiz calls after
    // changing a cover state.
    void ObjektNeuZeichnen(int Index);
    void LueckentextZeichnen();

    bool EbeneSichtbar(int Index) const;
    int AutoSeite(int Index) const;
    QString AbdeckerText(int Index) const;

    // --- Interaction ---
    int ObjektAn(int x, int y) const; // control pixel -> object index or -1
    // A click with the pointer tool (or the middle button in mode 2) at a
    // control pixel: toggles covers, navigates, opens links.
    KlickErgebnis Klick(QPoint steuerPixel);
    void Navigieren(int typ);
    void MarkerSetzen(int Index, int Bezug);

    // --- Flag gallery (SzeneGalerie.cpp) ---
    // In the learning view a single-question document whose questions show
    // flags is seen as a gallery of all its flags, each name under a cover,
    // page by page, instead of one question card without its flag. The quiz
    // and the other documents keep their picture.
    bool GalerieAktiv() const;
    int GalerieSeite = 0;        // the page shown, from 0
    QSet<int> GalerieOffen;      // question numbers whose name is uncovered
    void GalerieZuruecksetzen(); // first page, every name covered
    int GalerieSeiten() const;
    double GalerieMassstab() const; // the gallery's scale unit
    // Another page (clamped); the page is drawn anew.
    void GalerieBlaettern(int seite);

    // The three layer check boxes changed: full rebuild with the new states.
    void EbenenSetzen(bool illustration, bool beschriftung, bool infopunkte);

    // Cover all (-1) / uncover all (0), redrawn with copies.
    void AlleAbdecken();
    void AlleAufdecken();

    // Covers numbered for the mode; redrawn when Zeichnen.
    void NummerierungSetzen(NummerierArt Modus, bool Zeichnen);

    // What the control shows: the display bitmap centred on the control
    // colour. With szene, the visible part of SzenenBild instead (what mode 2
    // hides under the start panel).
    QImage Ansicht(bool szene = false) const;

private:
    bool sauberVeraltet = false;
    // The base picture with its border extension: the size of the whole and
    // where the picture sits in it. Only measured, never built.
    struct Erweiterung
    {
        QSize groesse;
        QPoint versatz;
        bool operator==(const Erweiterung &) const = default;
    };
    Erweiterung erweiterung() const;
    // The last fitted picture, reused while picture, part and size stay.
    QImage eingepasst;
    qint64 eingepasstSchluessel = 0;
    Erweiterung eingepasstErweiterung;
    QRect eingepasstQuelle;
    QString flaggenPfad(const QString &name) const;

    // The steps of ObjektZeichnen that work on the scene's own surfaces
    // (SzeneObjekt.cpp, SzeneZeichnenText.cpp).
    bool ObjektZuZeichnen(int Index, int Variante) const;
    void AltenKastenLoeschen(const ObjektZeichnung &z);
    void KastenPlatzierenUndMerken(ObjektZeichnung &z);
    bool FragebildZeichnen(QPainter &p, const ObjektZeichnung &z) const; // false: the image is missing
    void NeuenKastenKopieren(const ObjektZeichnung &z);

    // The gallery's page onto SzenenBild and its caches; one cell's name
    // again, copied to the caches and the display (drawings elsewhere stay).
    void GalerieZeichnen();
    void GalerieNameZeichnen(int zelle, bool kopieren);
    void GalerieNamenNeuZeichnen();
    KlickErgebnis GalerieKlick(QPoint steuerPixel);
};
