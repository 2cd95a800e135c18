// Line breaking for the worksheet page.
#include "SeitenUmbruch.h"

namespace {

// Splits a word that is wider than breite into pieces that fit, never
// between the two halves of a surrogate pair; a single character wider
// than breite stands alone.
void WortTeilen(const QFontMetrics &fm, const QString &wort, int breite, QStringList &aus)
{
    QString stueck;
    for (qsizetype i = 0; i < wort.size();) {
        const qsizetype n = wort[i].isHighSurrogate() && i + 1 < wort.size() ? 2 : 1;
        const QString zeichen = wort.mid(i, n);
        if (!stueck.isEmpty() && fm.horizontalAdvance(stueck + zeichen) > breite) {
            aus << stueck;
            stueck.clear();
        }
        stueck += zeichen;
        i += n;
    }
    aus << stueck;
}

void AbsatzUmbrechen(const QFontMetrics &fm, const QString &absatz, int breite, QStringList &aus)
{
    if (fm.horizontalAdvance(absatz) <= breite) {
        aus << absatz;
        return;
    }
    QString zeile;
    for (const QString &wort : absatz.split(QLatin1Char(' '))) {
        const QString probe = zeile.isEmpty() ? wort : zeile + QLatin1Char(' ') + wort;
        if (fm.horizontalAdvance(probe) <= breite) {
            zeile = probe;
            continue;
        }
        if (!zeile.isEmpty())
            aus << zeile;
        zeile.clear();
        if (fm.horizontalAdvance(wort) <= breite) {
            zeile = wort;
        } else {
            QStringList teile;
            WortTeilen(fm, wort, breite, teile);
            zeile = teile.takeLast();
            aus << teile;
        }
    }
    aus << zeile;
}

} // namespace

QStringList SeitenZeilen(const QFontMetrics &fm, const QString &text, int breite)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList aus;
    for (const QString &absatz : t.split(QLatin1Char('\n')))
        AbsatzUmbrechen(fm, absatz, qMax(1, breite), aus);
    return aus;
}
