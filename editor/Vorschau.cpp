// Previews drawn by the scene.
#include "Vorschau.h"

#include "KartenPruefung.h"
#include "Szene.h"

#include <QPainter>

QImage FragenkarteVorschau(const Dokument &dok, int k, QStringList *konflikte, const QString &progOrdner)
{
    const QSize steuer = KartenPruefung::KleinstesFenster;
    DokumentZustand z;
    z.Dok = dok;
    z.AnsichtModus = AnsichtArt::Quiz;
    z.AktFrage = k;
    Szene szene(z, Dienste{});
    szene.ProgOrdner = progOrdner;
    szene.SteuerGroesse = steuer;
    for (DokObjekt &o : z.Dok.Objekte)
        if (o.Typ == ObjektTyp::Antwort)
            o.Abdeckung = AbdeckungsArt::OffeneFrage;
    szene.SzeneAufbauen();
    QImage bild = szene.Ansicht(false).convertToFormat(QImage::Format_RGB32);

    KartenPruefung pruefung(dok, steuer);
    const QStringList gefunden = k >= 1 && k <= dok.AnzFrageNummern ? pruefung.Konflikte(k) : QStringList();
    if (konflikte)
        *konflikte = gefunden;
    if (k < 1 || k > dok.AnzFrageNummern)
        return bild;
    QPainter p(&bild);
    for (const KartenTeil &t : pruefung.Teile(k)) {
        // A part is marked when a line of the check names it.
        const bool betroffen = std::any_of(gefunden.cbegin(), gefunden.cend(),
                                           [&t](const QString &zeile) { return zeile.contains(t.name); });
        const bool platz = t.art == KartenTeil::Art::Antwort || t.art == KartenTeil::Art::Zaehler;
        if (!betroffen && !platz)
            continue;
        QPen stift(betroffen ? QColor(220, 0, 0) : QColor(90, 110, 140), betroffen ? 2 : 1,
                   betroffen ? Qt::SolidLine : Qt::DashLine);
        p.setPen(stift);
        p.setBrush(Qt::NoBrush);
        p.drawRect(t.rect.adjusted(0, 0, -1, -1));
    }
    return bild;
}

QImage LernansichtVorschau(const Dokument &dok, QSize groesse, const QString &progOrdner)
{
    DokumentZustand z;
    z.Dok = dok;
    z.AnsichtModus = AnsichtArt::Startseite;
    Szene szene(z, Dienste{});
    szene.ProgOrdner = progOrdner;
    szene.SteuerGroesse = groesse;
    szene.LernansichtSichtbar = true;
    szene.NummerierungSetzen(NummerierArt::Geordnet, false);
    szene.SzeneAufbauen();
    return szene.Ansicht(true).convertToFormat(QImage::Format_RGB32);
}
