// Measuring and recording canvas of the worksheet page.
#include "BlattLeinwand.h"

#include <QFontMetrics>

BlattLeinwand::BlattLeinwand(Blatt &b) : blatt(b), font(Schrift(18)) {}

QFont BlattLeinwand::Schrift(int emHoehe, bool fett)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(qBound(1, emHoehe, 2000));
    f.setBold(fett);
    // Runs measured one by one must add up to the width of the whole line,
    // and every back end must find the same widths.
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void BlattLeinwand::SchriftSetzen(const QFont &f)
{
    font = f;
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
}

QFont BlattLeinwand::Schrift() const
{
    return font;
}

int BlattLeinwand::TextBreite(const QString &text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

int BlattLeinwand::TextHoehe(const QString &)
{
    return QFontMetrics(font).height();
}

void BlattLeinwand::TextAus(int x, int y, const QString &text, const QColor &farbe)
{
    TextAus(x, y, text, farbe, Qt::AlignLeft);
}

void BlattLeinwand::TextAus(int x, int y, const QString &text, const QColor &farbe, Qt::Alignment ausrichtung)
{
    // Blanks around a run (the layout appends one to every paragraph, a
    // solution starts with three) carry nothing a reader would find, unless
    // underlined. Leading ones become a shift: a metafile reader spread a
    // run that starts with blanks over a wider field.
    QString t = text;
    if (!font.underline() && !(ausrichtung & (Qt::AlignHCenter | Qt::AlignRight))) {
        qsizetype vorne = 0;
        while (vorne < t.size() && t[vorne] == QLatin1Char(' '))
            ++vorne;
        if (vorne > 0) {
            x += TextBreite(t.left(vorne));
            t.remove(0, vorne);
        }
    }
    if (!font.underline()) {
        while (!t.isEmpty() && t.back() == QLatin1Char(' '))
            t.chop(1);
        if (t.isEmpty())
            return;
    }
    blatt.Text(x, y, t, font.pixelSize(), farbe, font.bold(), ausrichtung, font.italic(), font.underline());
}

void BlattLeinwand::Linie(int x1, int y1, int x2, int y2, const QColor &farbe)
{
    blatt.Linie(x1, y1, x2, y2, farbe);
}
