// The text markup layout, its canvas interface and the info text renderer.
#pragma once
#include "Dokument.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

class QPainter;

// The surface the markup layout writes on. PainterLeinwand serves raster
// images; a worksheet may supply its own recording canvas.
class IMarkupLeinwand
{
public:
    virtual ~IMarkupLeinwand() = default;
    virtual void SchriftSetzen(const QFont &font) = 0;
    virtual QFont Schrift() const = 0;
    virtual int TextBreite(const QString &text) = 0;
    virtual int TextHoehe(const QString &text) = 0; // cell height of the font
    // Text with its cell top at y.
    virtual void TextAus(int x, int y, const QString &text, const QColor &farbe) = 0;
    virtual void Linie(int x1, int y1, int x2, int y2, const QColor &farbe) = 0;
};

class PainterLeinwand : public IMarkupLeinwand
{
public:
    explicit PainterLeinwand(QPainter &p);
    void SchriftSetzen(const QFont &font) override;
    QFont Schrift() const override;
    int TextBreite(const QString &text) override;
    int TextHoehe(const QString &text) override;
    void TextAus(int x, int y, const QString &text, const QColor &farbe) override;
    void Linie(int x1, int y1, int x2, int y2, const QColor &farbe) override;

private:
    QPainter &p;
};

// The state the layout shares with its caller across paragraphs.
struct MarkupUmgebung
{
    // Gap objects moved by the learning-view variant 99; may be null.
    QList<DokObjekt> *Objekte = nullptr;
    // Index of the next gap object to look at; -1 when none is left.
    int LueckenZeiger = 0;
    bool IllustrationSichtbar = true; // check box " Illustration "
    AnsichtArt AnsichtModus = AnsichtArt::Startseite;
};

namespace MarkupVariante {
enum : int { Text = 0, Arbeitsblatt = 1, Loesung = 2, Loesungsblatt = 3, Lernansicht = 99 };
}

// One paragraph for the layout: its text, where it starts, where it wraps
// and how it is drawn.
struct MarkupAbsatz
{
    QString Text;   // one paragraph, no line breaks
    int X = 0;      // left margin
    int Y = 0;      // top
    int Breite = 0; // right edge, where lines wrap
    int Hoehe = 0;  // height of the picture the moved gap objects refer to
    QColor Farbe = Qt::black;
    int Variante = MarkupVariante::Text; // negative: only measure
    int Schrifthoehe = 0;                // < 0 em height in pixels, > 0 cell height
    int Schriftgrad = 0;                 // points; with Schrifthoehe 0 as well the canvas's size stays
};

// Lays out and draws one paragraph. Returns the y below it.
int MarkupSchreiben(IMarkupLeinwand &leinwand, const MarkupAbsatz &absatz, MarkupUmgebung &umgebung);

// Renders the lines of an info text (Variante 0) Breite pixels wide onto
// Hintergrund at Schriftgrad points; Ziel becomes Breite x the text height.
void InfotextZeichnen(QImage &Ziel, const QStringList &Zeilen, int Breite, int Schriftgrad, const QColor &Hintergrund);

// Splits a multi-line document text into its paragraphs (CR LF, LF or CR).
QStringList TextZeilen(const QString &text);
