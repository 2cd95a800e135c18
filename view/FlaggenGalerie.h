// The gallery of a flag document in the learning view: which flags it
// shows, in which order, and where each one lies on a page.
#pragma once
#include "Dokument.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

// One question of a flag document: its number, the image name of its
// question box and the answer that the gallery writes under the flag.
struct GalerieEintrag
{
    int frage = 0;
    QString bild;
    QString name;
    bool operator==(const GalerieEintrag &) const = default;
};

// The questions of a single-question document whose question box names an
// image, in the order of their question boxes in the document. Empty for
// the other kinds of document and for questions without an image, so a
// document without flags keeps its card.
QList<GalerieEintrag> GalerieEintraege(const Dokument &d);

// The cells of a gallery page on a picture of size bild at scale unit s
// (the picture's width over 870): columns and rows of equal cells inside a
// margin, and a foot with the page controls. Everything scales with s, so
// a page holds the same flags at every window size and zoom.
struct GalerieRaster
{
    int spalten = 1, zeilen = 1;
    QRect flaeche; // the cells' area
    QSize zelle;
    QRect zurueck, weiter; // the page buttons in the foot
    QRect seitenText;      // "Seite n von m" between them

    int ProSeite() const { return spalten * zeilen; }
    int Seiten(int anzahl) const { return anzahl <= 0 ? 1 : (anzahl + ProSeite() - 1) / ProSeite(); }
    // Cell k (0-based) of a page, in reading order.
    QRect Zelle(int k) const;
    // The flag's room and the name's box inside a cell.
    QRect Flaggenfeld(int k) const;
    QRect Namensfeld(int k) const;
    // The cell k at a picture point, or -1.
    int ZelleAn(QPoint p) const;
};

GalerieRaster GalerieAufteilen(QSize bild, double s);

// Where an image of size bild is drawn in a flag's room: as large as the
// room allows, its proportion kept, centred.
QRect GalerieFlaggeImFeld(QSize bild, const QRect &feld);
