// The canvas the worksheet builder and the markup layout write on: it
// measures with the page font and records into the page's display list.
#pragma once
#include "Blatt.h"
#include "Markup.h"

#include <QFont>

class BlattLeinwand : public IMarkupLeinwand
{
public:
    explicit BlattLeinwand(Blatt &blatt);

    // The page font "Arial" at an em height in page units.
    static QFont Schrift(int emHoehe, bool fett = false);

    void SchriftSetzen(const QFont &font) override;
    QFont Schrift() const override;
    int TextBreite(const QString &text) override;
    int TextHoehe(const QString &text) override;
    void TextAus(int x, int y, const QString &text, const QColor &farbe) override;
    void Linie(int x1, int y1, int x2, int y2, const QColor &farbe) override;

    // Text with an alignment (x is the left end, centre or right end).
    void TextAus(int x, int y, const QString &text, const QColor &farbe, Qt::Alignment ausrichtung);

private:
    Blatt &blatt;
    QFont font;
};
