// Whether the parts of a single question's card stay apart in the quiz, computed without drawing.
#pragma once
#include "Dokument.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

class Szene;

// One part of a question card in the quiz, in control pixels of the
// picture control LernKartPicImg.
struct KartenTeil
{
    enum class Art {
        Text, // the lines of a question box that carry characters
        Kopf, // the heading "Frage:" of the question structure
        Flaggenrahmen,
        Zaehler, // the question counter UebFrageZaehlerPan
        Antwort, // one of the six answer places
    };
    Art art;
    QString name; // German, for messages
    QRect rect;

    // Everything but the counter must lie on the picture.
    bool MussImBild() const { return art != Art::Zaehler; }
    // The counter ("1. Frage") is placed about over the heading and stands
    // in for it in the quiz, so those two may meet; no other two parts may.
    bool DarfUeberdecken(const KartenTeil &b) const
    {
        return (art == Art::Kopf && b.art == Art::Zaehler) || (art == Art::Zaehler && b.art == Art::Kopf);
    }
};

// The quiz shows a single question in three layers that know nothing of
// each other: the scene draws the question boxes' text and the flag frame
// at fractions of the picture, the quiz lays the answer places and the
// question counter over it in panel pixels. This computes all of them as
// those two do (the scene's own measuring, the answer grid's own places)
// and reports where they meet.
class KartenPruefung
{
public:
    // LernKartPicImg during a quiz in the smallest window, 900 x 650.
    static constexpr QSize KleinstesFenster{552, 557};

    KartenPruefung(const Dokument &dok, QSize steuer);
    ~KartenPruefung();

    // The picture's place in the control.
    QRect Bild() const;
    // The parts of question k (1-based): the text lines of its question
    // boxes, its flag frame, the question counter and the six answer places.
    QList<KartenTeil> Teile(int k);
    // One German line per overlap of two parts or part off the picture,
    // for every question; empty when the card is tidy.
    QStringList Konflikte();
    // The same for question k alone.
    QStringList Konflikte(int k);

private:
    DokumentZustand zustand;
    std::unique_ptr<Szene> szene;
};
