// The frame tiles of our artwork, the colours taken from them and the fillers.
#include "Rahmen.h"

#include "BildDatei.h"
#include "Farben.h"
#include "RahmenBild.h"
#include "VorabSymbol.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <future>

static void RessourcenLaden()
{
    static const bool geladen = [] {
        Q_INIT_RESOURCE(ControlsBilder);
        return true;
    }();
    (void)geladen;
}

namespace {
// Our own artwork is read with the program's PNG reader: Qt's image reader
// would first look through every image-format plug-in, which costs the
// start-up about a millisecond.
QImage RessourcenBild(const QString &pfad)
{
    RessourcenLaden();
    QFile f(pfad);
    QImage bild;
    if (!f.open(QIODevice::ReadOnly) || !PngLesen(f, bild))
        return QImage();
    return bild;
}

// The frame tiles in the format the painting wants.
QImage KachelLesen(const QString &name)
{
    return RessourcenBild(":/rahmen/" + name + ".png").convertToFormat(QImage::Format_ARGB32);
}

// The main window's tiles, decoded ahead on a worker thread.
constexpr std::array<const char *, 2> VorabKacheln = {"BackTeileImg3", "BackTeileImg3Tit"};
std::future<std::array<QImage, VorabKacheln.size()>> &Vorab()
{
    static std::future<std::array<QImage, VorabKacheln.size()>> v;
    return v;
}

// Each tile is decoded once and kept; only the main thread comes here.
const QImage &Kachel(const char *name)
{
    static QHash<QString, QImage> cache;
    auto it = cache.find(name);
    if (it != cache.end())
        return *it;
    // A read-ahead is taken whole at the first tile's use, waiting for it
    // if it has not finished yet.
    if (Vorab().valid()) {
        const auto bilder = Vorab().get();
        for (size_t i = 0; i < VorabKacheln.size(); ++i)
            if (!cache.contains(VorabKacheln[i]))
                cache.insert(VorabKacheln[i], bilder[i]);
        it = cache.find(name);
        if (it != cache.end())
            return *it;
    }
    return *cache.insert(name, KachelLesen(name));
}

QColor Pixel(const QImage &img, int x, int y)
{
    if (img.isNull())
        return QColor(Qt::lightGray);
    return img.pixelColor(qMin(x, img.width() - 1), qMin(y, img.height() - 1));
}

void Fuellen(QLabel *bild, const QImage &tile)
{
    if (!bild)
        return;
    if (QWidget *eltern = bild->parentWidget())
        bild->setGeometry(eltern->rect());
    MaleRahmen(bild, tile);
}
}

void RahmenVorladen()
{
    static bool gestartet = false;
    if (gestartet)
        return;
    gestartet = true;
    // The resources are registered here, on the main thread; reading them
    // from another thread is safe. Without a thread to spare the tiles are
    // decoded at their first use.
    RessourcenLaden();
    Vorab() = std::async(std::launch::async | std::launch::deferred, [] {
        std::array<QImage, VorabKacheln.size()> bilder;
        for (size_t i = 0; i < VorabKacheln.size(); ++i)
            bilder[i] = KachelLesen(VorabKacheln[i]);
        return bilder;
    });
}

const QImage &BackTeileImg3()
{
    return Kachel("BackTeileImg3");
}
const QImage &BackTeileImg3Tit()
{
    return Kachel("BackTeileImg3Tit");
}
const QImage &BackTeileImg4()
{
    return Kachel("BackTeileImg4");
}

QColor FensterFarbe()
{
    return Pixel(BackTeileImg3(), 0, 0);
}
void FensterFarbeSetzen(QWidget *fenster)
{
    QPalette pal = fenster->palette();
    pal.setColor(QPalette::Window, FensterFarbe());
    fenster->setPalette(pal);
}

QColor KartenFarbe()
{
    return Pixel(BackTeileImg3(), 30, 30);
}
QColor TafelFarbe()
{
    return Pixel(BackTeileImg4(), 30, 30);
}

void MaleRahmen(QLabel *bild, const QImage &tile)
{
    if (!bild || bild->width() <= 0 || bild->height() <= 0)
        return;
    // Layout passes repeat often; paint again only when size or tile changed.
    const QString kennung = QString::number(tile.cacheKey()) + "/" + QString::number(bild->width()) + "x"
                            + QString::number(bild->height());
    if (bild->property("rahmenKennung").toString() == kennung && !bild->pixmap().isNull())
        return;
    bild->setProperty("rahmenKennung", kennung);
    QImage ziel(bild->size(), QImage::Format_RGB32);
    ZeichneRahmenBild(ziel, tile, 30);
    // Handed over, not copied: the pixmap takes the image's pixels.
    bild->setPixmap(QPixmap::fromImage(std::move(ziel)));
}

void FuelleHintergrund3(QLabel *bild)
{
    Fuellen(bild, BackTeileImg3());
}
void FuelleHintergrund3Tit(QLabel *bild)
{
    Fuellen(bild, BackTeileImg3Tit());
}
void FuelleHintergrund4(QLabel *bild)
{
    Fuellen(bild, BackTeileImg4());
}

void FaerbeKnoepfe(QWidget *fenster)
{
    if (!fenster)
        return;
    const QColor farbe = VclFarbe(14864589);
    const auto knoepfe = fenster->findChildren<QAbstractButton *>();
    for (QAbstractButton *k : knoepfe) {
        QPalette pal = k->palette();
        pal.setColor(QPalette::Button, farbe);
        k->setPalette(pal);
        k->setAutoFillBackground(true);
        k->setCursor(Qt::ArrowCursor);
    }
}

QLabel *HintergrundBildAnlegen(QWidget *dialog)
{
    auto *bild = new QLabel(dialog);
    bild->setObjectName("MainBackImg");
    return bild;
}

namespace {
// A dialog that the window manager or its layout resizes after it was shown
// would otherwise keep the old background, with a strip of the desktop below.
class HintergrundNachfuehren : public QObject
{
public:
    HintergrundNachfuehren(QLabel *bild, void (*fuellen)(QLabel *)) : QObject(bild), Bild(bild), Fuellen(fuellen) {}
    void FuellerSetzen(void (*fuellen)(QLabel *)) { Fuellen = fuellen; }

protected:
    bool eventFilter(QObject *obj, QEvent *e) override
    {
        if (e->type() == QEvent::Resize && obj == Bild->parentWidget()) {
            Bild->setGeometry(Bild->parentWidget()->rect());
            Fuellen(Bild);
        }
        return false;
    }

private:
    QLabel *Bild;
    void (*Fuellen)(QLabel *);
};
} // namespace

void HintergrundZeigen(QWidget *dialog, QLabel *bild, void (*fuellen)(QLabel *))
{
    bild->setGeometry(dialog->rect());
    fuellen(bild);
    bild->lower();
    FaerbeKnoepfe(dialog);
    if (auto *f = bild->findChild<HintergrundNachfuehren *>(QString(), Qt::FindDirectChildrenOnly))
        f->FuellerSetzen(fuellen);
    else
        dialog->installEventFilter(new HintergrundNachfuehren(bild, fuellen));
}

void FlaecheFaerben(QWidget *flaeche, const QColor &farbe)
{
    flaeche->setAutoFillBackground(true);
    QPalette pal = flaeche->palette();
    pal.setColor(QPalette::Window, farbe);
    flaeche->setPalette(pal);
}

namespace {
struct CursorEintrag
{
    int nummer;
    const char *name;
    int x, y; // hot spot
};

const CursorEintrag *CursorSuchen(int nummer)
{
    static const CursorEintrag tabelle[] = {
        {-12, "DRAGBLACK", 1, 1}, {1, "STIFT5", 2, 30},      {2, "MARKER25", 2, 29},
        {3, "RADIER32", 16, 16},  {4, "PFEILMOVE", 16, 16},  {5, "HAEKCHEN", 11, 15},
        {6, "KREUZ", 15, 16},     {7, "TEXTEINGABE", 8, 16}, {8, "HAND", 16, 14},
    };
    for (const CursorEintrag &e : tabelle)
        if (e.nummer == nummer)
            return &e;
    return nullptr;
}

// Each cursor picture is decoded once, on its first use, and kept; cursors
// are made on the main thread only.
QImage CursorRohbild(const CursorEintrag &e)
{
    static QHash<int, QImage> cache;
    auto it = cache.find(e.nummer);
    if (it == cache.end())
        it = cache.insert(e.nummer, RessourcenBild(QString(":/cursor/") + e.name + ".png"));
    return *it;
}
}

QCursor ProgrammCursor(int nummer)
{
    RessourcenLaden();
    if (nummer == -13)
        return QCursor(Qt::ForbiddenCursor);
    if (const CursorEintrag *e = CursorSuchen(nummer))
        return QCursor(QPixmap::fromImage(CursorRohbild(*e)), e->x, e->y);
    return QCursor(Qt::ArrowCursor);
}

QImage ProgrammCursorBild(int nummer)
{
    const CursorEintrag *e = nummer == -13 ? nullptr : CursorSuchen(nummer);
    if (!e)
        return {};
    // A pixmap keeps alpha premultiplied; the way there and back rounds
    // half-transparent pixels, which the buttons have always shown.
    return CursorRohbild(*e).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QIcon ProgrammSymbol()
{
    // Decoded once, on a worker thread started at the first call (or at the
    // first question if there is no thread to spare); the window asks for
    // the picture only when it is shown.
    static const std::shared_future<QImage> bild = [] {
        RessourcenLaden();
        return std::async(std::launch::async | std::launch::deferred,
                          [] { return RessourcenBild(":/programm/Pennoria.png"); })
            .share();
    }();
    return QIcon(new VorabSymbol(bild));
}
