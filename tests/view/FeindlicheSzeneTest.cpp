// Tests of the scene with hostile documents: numbering order, sizes, exports.
#include "AnsichtAusgabe.h"
#include "DokumentModell.h"
#include "Nummerierung.h"
#include "Runden.h"
#include "Sonderdateien.h"
#include "SzenenHilfe.h"

#include <QCollator>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <cmath>
#include <limits>
#include <random>

#include <gtest/gtest.h>

namespace {
// The numbering order as the first editions computed it.
FragenListe Auswahlsortierung(const Dokument &dok)
{
    FragenListe folge;
    for (int i = 0; i < dok.Objekte.size(); ++i)
        if (IstAbdeckbar(dok, i))
            folge.append({-1, i});
    QCollator coll{QLocale()};
    coll.setCaseSensitivity(Qt::CaseInsensitive);
    const auto &obj = dok.Objekte;
    auto kleiner = [&](int a, int b) {
        if (dok.GeordnetArt != 0)
            return coll.compare(obj[a].Cap, obj[b].Cap) < 0;
        if (obj[a].Ky != obj[b].Ky)
            return obj[a].Ky < obj[b].Ky;
        return obj[a].Kx < obj[b].Kx;
    };
    for (int i = 0; i < folge.size(); ++i) {
        int best = i;
        for (int j = i + 1; j < folge.size(); ++j)
            if (kleiner(folge[j].ZielObjekt, folge[best].ZielObjekt))
                best = j;
        if (best != i)
            folge.swapItemsAt(i, best);
    }
    return folge;
}

QList<int> Ziele(const FragenListe &f)
{
    QList<int> z;
    for (const auto &e : f)
        z << e.ZielObjekt;
    return z;
}

qint64 ResidentBytes()
{
    QFile f("/proc/self/statm");
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> teile = f.readAll().split(' ');
    return teile.size() > 1 ? teile[1].toLongLong() * 4096 : -1;
}
} // namespace

// Covers with equal positions or texts (the swaps decide their order), NaN
// rows from damaged files, other objects in between: the fast numbering
// gives exactly the selection sort's order.
TEST(FeindlicheSzene, NummerierungGleichtDerAuswahlsortierung)
{
    std::mt19937 zufall(318);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double orte[] = {0.1, 0.5, 0.5, 0.9, 0.0, -0.0, nan};
    const QStringList texte{"beta", "Beta", "alpha", "Alpha", "ähre", "Ähre", "gamma", "", "Zebra", "zebra"};
    for (int durchlauf = 0; durchlauf < 1500; ++durchlauf) {
        Dokument d;
        d.GeordnetArt = durchlauf % 2;
        const int n = int(zufall() % 40);
        const int stufen = 2 + int(zufall() % 5);
        const bool mitNaN = durchlauf % 5 == 0;
        for (int i = 0; i < n; ++i) {
            const int typ = zufall() % 6 == 0 ? ObjektTyp::Infopunkt
                                              : (zufall() % 2 ? ObjektTyp::Beschriftung : ObjektTyp::Luecke);
            DokObjekt o = Objekt(typ, orte[zufall() % stufen], orte[zufall() % (mitNaN ? 7 : stufen)],
                                 texte[int(zufall() % texte.size())]);
            d.Objekte << o;
        }
        ASSERT_EQ(Ziele(AbdeckerReihenfolge(d, NummerierArt::Geordnet, nullptr)), Ziele(Auswahlsortierung(d)))
            << "Durchlauf " << durchlauf;
    }
}

// 2 Fsize + 22 overflowed for Fsize near the int range; the font then
// shrank to one pixel instead of growing to its largest size.
TEST(FeindlicheSzene, RiesigeSchriftgroesseLaeuftNichtUeber)
{
    SzenenTest t;
    for (qint32 fsize : {5000, std::numeric_limits<qint32>::max(), 1073741813}) {
        DokObjekt o = Objekt(ObjektTyp::TextOhneAbdeckung, 0.5, 0.5, "Hausdach");
        o.Fsize = fsize;
        o.Abdeckung = AbdeckungsArt::Aufgedeckt;
        t.zustand.Dok.Objekte << o;
    }
    t.szene.SzeneAufbauen();
    const auto breite = [&](int i) { return t.Obj(i).Rahmen.Right - t.Obj(i).Rahmen.Left; };
    EXPECT_GT(breite(0), 0.5); // the largest font: wider than half the picture
    EXPECT_DOUBLE_EQ(breite(1), breite(0));
    EXPECT_DOUBLE_EQ(breite(2), breite(0));
}

// A tiny document can hold a 64-megapixel picture; the scene must not add
// a second full-size copy of it (the bordered picture) to the one loaded.
TEST(FeindlicheSzene, GrossesBildWirdNichtKopiert)
{
    for (const Rechteck &rand : {Rechteck{0, 0, 0, 0}, Rechteck{0.1, 0, 0, 0.1}}) {
        SzenenTest t;
        t.zustand.Dok.BasisBild = Einfarbig(4096, 4096, Qt::gray); // 64 MB
        t.zustand.Dok.RandErw = rand;
        const qint64 vorher = ResidentBytes();
        ASSERT_GT(vorher, 0);
        t.szene.SzeneAufbauen();
        const qint64 zuwachs = ResidentBytes() - vorher;
        EXPECT_LT(zuwachs, qint64(32) << 20) << rand.Left;
        // Still drawn: grey picture, white border.
        EXPECT_EQ(t.Szenenfarbe(t.szene.SzenenBild.width() / 2, t.szene.SzenenBild.height() / 2), QColor(Qt::gray));
        if (rand.Left > 0) {
            EXPECT_EQ(t.Szenenfarbe(2, t.szene.SzenenBild.height() / 2), QColor(Qt::white));
        }
    }
}

// Exporting the view goes through a temporary file and a rename, which
// would put a regular file in place of a FIFO or device.
TEST(FeindlicheSzene, ExportErsetztKeineSonderdatei)
{
    QTemporaryDir dir;
    const QImage bild = Einfarbig(8, 8, Qt::red);
    for (const char *name : {"a.png", "a.jpg", "a.bmp"}) {
        const QString fifo = dir.filePath(name);
        ASSERT_TRUE(FifoAnlegen(fifo));
        EXPECT_FALSE(BildSpeichern(bild, fifo)) << name;
        EXPECT_TRUE(IstFifo(fifo)) << name;
    }
    EXPECT_TRUE(BildSpeichern(bild, dir.filePath("gut.bmp")));
}
