// The learning-view tool bar: buttons stacked in rows, cursor pictures.
#include "LernLeiste.h"

#include "Rahmen.h"
#include "TForm1.h"
#include "THoverPanel.h"

#include <QPixmap>

LernLeiste::LernLeiste(TForm1 &f) : QObject(f.LernInfoPan), form(f) {}

int LernLeiste::Breite() const
{
    return PanBreite - 2 * Rand;
}

THoverPanel *LernLeiste::Knopf(const QString &name, const QString &caption, const QString &hinweis)
{
    auto *k = new THoverPanel(form.LernInfoPan);
    k->setObjectName(name);
    k->setCaption(caption);
    k->setToolTip(hinweis);
    form.KnopfStilGeben(k);
    return k;
}

THoverPanel *LernLeiste::KnopfHinzufuegen(const QString &name, const QString &caption, const QString &hinweis)
{
    THoverPanel *k = Knopf(name, caption, hinweis);
    ReiheHinzufuegen({k});
    return k;
}

void LernLeiste::ReiheHinzufuegen(const QList<QWidget *> &teile, int hoehe)
{
    if (teile.isEmpty())
        return;
    const int n = int(teile.size()), luecke = 2;
    const int zelle = (Breite() - (n - 1) * luecke) / n;
    for (int i = 0; i < n; ++i) {
        // The last cell takes what the division left over.
        const int x = Rand + i * (zelle + luecke);
        const int w = i == n - 1 ? Rand + Breite() - x : zelle;
        teile[i]->setParent(form.LernInfoPan);
        teile[i]->setGeometry(x, y, w, hoehe);
        teile[i]->show();
    }
    y += hoehe + luecke;
}

QImage KnopfbildVonCursor(int cursor, int seite, QColor faerben)
{
    const QImage bild = ProgrammCursorBild(cursor);
    if (bild.isNull())
        return {};
    QImage b = bild.convertToFormat(QImage::Format_ARGB32);
    // The highlighters share one cursor; the green one's button shows green.
    if (faerben.isValid())
        for (int y = 0; y < b.height(); ++y) {
            auto *zeile = reinterpret_cast<QRgb *>(b.scanLine(y));
            for (int x = 0; x < b.width(); ++x) {
                const QRgb p = zeile[x];
                if (qRed(p) > 160 && qGreen(p) > 160 && qBlue(p) < 120)
                    zeile[x] = qRgba(faerben.red() * qRed(p) / 255, faerben.green() * qGreen(p) / 255, faerben.blue(),
                                     qAlpha(p));
            }
        }
    return b.scaled(seite, seite, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}
