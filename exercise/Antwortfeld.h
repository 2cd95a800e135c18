// Antwortfeld: the engine's state of one answer panel, with its size and colours.
#pragma once
#include <QColor>
#include <QRect>
#include <QString>

// The state of one answer panel ("UebElemPan" + Index) as the engine keeps
// it; the widget side only mirrors it.
struct Antwortfeld
{
    static constexpr int Breite = 150;
    static constexpr int Hoehe = 46;
    // A deck that wraps into a further column moves it this far left: the
    // cards it covers keep a strip wide enough for a finger.
    static constexpr int Spaltenversatz = 36;
    static QColor Grundfarbe() { return QColor(255, 243, 144); }
    static QColor FalschFarbe() { return QColor(255, 80, 70); }
    static QColor RichtigFarbe() { return QColor(90, 255, 72); }

    int Index = -1;  // entry in FragenFolge
    int Tag = -1;    // index of the entry's TextObjekt
    QString Caption; // normalised text, " | " as line break
    QRect Rahmen;    // in UebungPan coordinates
    bool Sichtbar = true;
    QColor Farbe = Grundfarbe();
    bool Markiert = false; // picked up by a click (answering without dragging)
    // Shown beside the feedback colour, so right and wrong do not depend on
    // telling green from red.
    enum class Zeichen { Keins, Haken, Kreuz };
    Zeichen Marke = Zeichen::Keins;

    QString Name() const { return QStringLiteral("UebElemPan%1").arg(Index); }
};
