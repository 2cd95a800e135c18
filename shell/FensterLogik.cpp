// The main window's own keys, its start rectangle and the network file clean-up.
#include "FensterLogik.h"

#include <QFile>

#include <algorithm>

FensterTaste TasteAuswerten(int key, int modifiers, bool erweitert)
{
    // The keypad flag tells Num + from the main keyboard's +; it is not a
    // modifier the user holds.
    const bool keypad = modifiers & Qt::KeypadModifier;
    const int mods = modifiers & int(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (mods == int(Qt::ShiftModifier | Qt::AltModifier) && key == Qt::Key_G)
        return FensterTaste::Geometrie1024;
    if (erweitert && !keypad) {
        if ((key == Qt::Key_Plus
             && (mods == Qt::ControlModifier || mods == int(Qt::ControlModifier | Qt::ShiftModifier)))
            || (key == Qt::Key_Equal && mods == Qt::ControlModifier))
            return FensterTaste::ZoomRein;
        if (key == Qt::Key_Minus && mods == Qt::ControlModifier)
            return FensterTaste::ZoomRaus;
    }
    if (mods != Qt::ControlModifier)
        return FensterTaste::Keine;
    switch (key) {
    case Qt::Key_Left:
        return FensterTaste::ScrollLinks;
    case Qt::Key_Right:
        return FensterTaste::ScrollRechts;
    case Qt::Key_Up:
        return FensterTaste::ScrollHoch;
    case Qt::Key_Down:
        return FensterTaste::ScrollRunter;
    case Qt::Key_Plus:
        return keypad ? FensterTaste::ZoomRein : FensterTaste::Keine;
    case Qt::Key_Minus:
        return keypad ? FensterTaste::ZoomRaus : FensterTaste::Keine;
    default:
        return FensterTaste::Keine;
    }
}

QRect FensterRechteck(const QSize &bildschirm)
{
    return QRect((bildschirm.width() - 900) / 2, (bildschirm.height() - 650) / 2, 900, 650);
}

QRect FensterRechteckIn(const QRect &frei)
{
    const QSize groesse = QSize(900, 650).boundedTo(frei.size()).expandedTo(QSize(1, 1));
    const QRect r = FensterRechteck(frei.size());
    if (groesse == r.size())
        return r.translated(frei.topLeft());
    return QRect(frei.left() + std::max(0, (frei.width() - groesse.width()) / 2),
                 frei.top() + std::max(0, (frei.height() - groesse.height()) / 2), groesse.width(), groesse.height());
}

void NetzDateienLoeschen(const QString &netzKomOrdner, const QString &kanal)
{
    for (const char *endung : {"tvlnetzuebung.tvl", "tvlnetzuebung.dat", "tvlnetzuebung.okx"}) {
        const QString pfad = netzKomOrdner + kanal + "-" + endung;
        if (QFile::exists(pfad))
            QFile::remove(pfad);
    }
}
