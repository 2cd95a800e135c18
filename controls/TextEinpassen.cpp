// Fitting a caption into an area: shrinking, hyphen breaks and cut words.
#include "TextEinpassen.h"

#include "Farben.h"

#include <QFontMetrics>
#include <QRect>

namespace {
bool Passt(const QSize &s, const QSize &verfuegbar)
{
    return s.width() <= verfuegbar.width() && s.height() <= verfuegbar.height();
}
}

Einpassung TextEinpassen(const QString &caption, int startGroesse, int minGroesse, const QSize &verfuegbar,
                         bool bindestrichSchritt, const TextMessung &messen)
{
    Einpassung e;
    QString text = caption;
    int groesse = startGroesse;
    QSize s = messen(text, groesse);

    auto schrumpfen = [&] {
        while (!Passt(s, verfuegbar) && groesse > minGroesse) {
            --groesse;
            s = messen(text, groesse);
        }
    };
    schrumpfen();

    if (!Passt(s, verfuegbar) && bindestrichSchritt) {
        text.replace("-", "- ");
        groesse = startGroesse;
        s = messen(text, groesse);
        schrumpfen();
    }

    QString suffix;
    while (!Passt(s, verfuegbar) && !text.isEmpty()) {
        text = text.trimmed();
        const int leer = text.lastIndexOf(' ');
        text = leer < 0 ? QString() : text.left(leer);
        suffix = text.isEmpty() ? QStringLiteral("...") : QStringLiteral(" ...");
        s = messen(text + suffix, groesse);
    }

    e.text = text + suffix;
    e.groesse = groesse;
    e.textGroesse = s;
    return e;
}

QSize TextMessen(const QFont &schrift, int groesse, int flags, int breite, const QString &text)
{
    QFont f = schrift;
    SetzeSchriftGroesse(f, groesse);
    const QFontMetrics fm(f);
    // An empty text still has the height of one line, as the platform's
    // measuring reports it.
    if (text.isEmpty())
        return QSize(0, fm.height());
    const QRect r = fm.boundingRect(QRect(0, 0, qMax(breite, 1), 1 << 20), flags, text);
    return r.size();
}

int SchriftGroesse(const QFont &schrift)
{
    if (schrift.pixelSize() > 0)
        return PunktAusPixel(schrift.pixelSize());
    return qRound(schrift.pointSizeF());
}

void SetzeSchriftGroesse(QFont &schrift, int punkt)
{
    schrift.setPixelSize(qMax(1, PixelAusPunkt(punkt)));
}
