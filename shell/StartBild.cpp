// The start page's picture: its path, loading and preloading on a worker thread.
#include "StartBild.h"

#include "BildDatei.h"
#include "Dateifehler.h"

#include <QFileInfo>

#include <future>
#include <optional>
#include <utility>

namespace {
struct Vorab
{
    QString pfad;
    std::future<std::pair<bool, QImage>> ergebnis;
};

Vorab &VorabBild()
{
    static Vorab v;
    return v;
}
}

void StartBildVorladen(const QString &progOrdner)
{
    Vorab &v = VorabBild();
    v.pfad = StartBildPfad(progOrdner);
    v.ergebnis = std::async(std::launch::async, [pfad = v.pfad] {
        QImage bild;
        const bool ok = PngLesenDatei(pfad, bild);
        return std::make_pair(ok, bild);
    });
}

QString StartBildPfad(const QString &progOrdner)
{
    return progOrdner + "data/" + "pennor.png";
}

QString StartBild2xPfad(const QString &progOrdner)
{
    return progOrdner + "data/" + "pennor@2x.png";
}

QImage LadeStartBild2x(const QString &progOrdner, const QSize &einfach, IMeldungen &meldungen)
{
    const QString pfad = StartBild2xPfad(progOrdner);
    QImage bild;
    if (einfach.isEmpty() || !QFileInfo(pfad).isFile())
        return bild;
    if (!PngLesenDatei(pfad, bild)) {
        ZeigeLeseFehler(meldungen, pfad);
        return QImage();
    }
    if (bild.size() != einfach * 2)
        return QImage();
    return bild;
}

QImage LadeStartBild(const QString &progOrdner, IMeldungen &meldungen)
{
    const QString pfad = StartBildPfad(progOrdner);
    // A read-ahead for this picture is taken in any case, so that a later
    // load never gets a stale result.
    std::optional<std::pair<bool, QImage>> vorab;
    Vorab &v = VorabBild();
    if (v.ergebnis.valid() && v.pfad == pfad)
        vorab = v.ergebnis.get();

    QImage bild;
    if (!QFileInfo(pfad).isFile()) {
        meldungen.Fehler("Datei \"" + pfad + "\" nicht gefunden.");
        return bild;
    }
    const bool gelesen = vorab ? vorab->first : PngLesenDatei(pfad, bild);
    if (vorab)
        bild = vorab->second;
    // A damaged picture is reported like any unreadable file.
    if (!gelesen) {
        ZeigeLeseFehler(meldungen, pfad);
        return QImage();
    }
    return bild;
}
