// Input on the answer panels, the drop target and the judging of answers.
#include "Uebung.h"

#include "UebTexte.h"
#include "ZielAuswahl.h"

#include "Ordner.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

void Uebung::DropZielSetzen(int ziel)
{
    Lauf.AktZiel = ziel;
    if (ziel < 0 || ziel >= dok.Dok.Objekte.size() || Einzelfragen()) {
        ui.UebMoveAnkerSetzen({}, false);
        return;
    }
    const Rechteck &r = dok.Dok.Objekte[ziel].Rahmen;
    const QPoint lo = ansicht.BildNachPanel(r.Left, r.Top);
    const QPoint ru = ansicht.BildNachPanel(r.Right, r.Bottom);
    ui.UebMoveAnkerSetzen(QRect(lo, ru - QPoint(1, 1)).adjusted(-4, -4, 4, 4), true);
}

int Uebung::DropZielSuchen(const QRect &feld) const
{
    const auto &obj = dok.Dok.Objekte;
    const bool nurAktuelles = !Einzelfragen() && Opt.AbfrageModus == 2;
    const int aktuell = Lauf.FragenFolge.empty() ? -1 : Lauf.FragenFolge[Lauf.Position].ZielObjekt;
    auto kandidat = [&](int i) {
        const DokObjekt &o = obj[i];
        if (o.Typ != ObjektTyp::Beschriftung && o.Typ != ObjektTyp::Luecke && o.Typ != ObjektTyp::Antwort)
            return false;
        if (o.Nummer < 0 || o.Abdeckung != AbdeckungsArt::OffeneFrage)
            return false;
        return !nurAktuelles || i == aktuell;
    };
    const QPointF lo = ansicht.PanelNachBild(feld.topLeft());
    const QPointF ru = ansicht.PanelNachBild(QPoint(feld.left() + feld.width(), feld.top() + feld.height()));
    const QPointF mitteLinks = ansicht.PanelNachBild(QPoint(feld.left(), feld.top() + feld.height() / 2));

    // Pass 1: the point at the panel's left edge, half way down.
    for (int i = 0; i < obj.size(); ++i) {
        if (!kandidat(i))
            continue;
        const Rechteck &r = obj[i].Rahmen;
        if (r.Left <= mitteLinks.x() && mitteLinks.x() < r.Right && r.Top <= mitteLinks.y()
            && mitteLinks.y() < r.Bottom)
            return i;
    }
    // Pass 2: the label the panel covers most. A panel is about twice as
    // high as a text line, so a panel centred on a gap also overlaps the
    // line above; the first overlap in document order would judge the
    // answer at the wrong gap. Ties keep document order.
    int beste = -1;
    double besteFlaeche = 0;
    for (int i = 0; i < obj.size(); ++i) {
        if (!kandidat(i))
            continue;
        const Rechteck &r = obj[i].Rahmen;
        const double b = std::min(r.Right, ru.x()) - std::max(r.Left, lo.x());
        const double h = std::min(r.Bottom, ru.y()) - std::max(r.Top, lo.y());
        if (b <= 0 || h <= 0)
            continue;
        if (b * h > besteFlaeche) {
            besteFlaeche = b * h;
            beste = i;
        }
    }
    return beste;
}

void Uebung::FeldGedrueckt(int index, QPoint p)
{
    auto it = felder.find(index);
    if (it == felder.end() || !it->second.Sichtbar || !Laeuft())
        return;
    if (Einzelfragen()) {
        Lauf.AktZiel = Lauf.FragenFolge[Lauf.Position].ZielObjekt;
        return;
    }
    ui.FeldNachVorn(index);
    Lauf.ZiehUrsprung = it->second.Rahmen.topLeft();
    Lauf.Griffpunkt = p;
}

void Uebung::FeldBewegt(int index, QPoint p)
{
    auto it = felder.find(index);
    if (it == felder.end() || !it->second.Sichtbar || Einzelfragen() || !Laeuft())
        return;
    Antwortfeld &f = it->second;
    if (p != Lauf.Griffpunkt) {
        QRect r = f.Rahmen.translated(p - Lauf.Griffpunkt);
        const QSize pan = ui.UebungPanGroesse();
        // Kept inside UebungPan; the grab point follows the correction so the
        // panel does not jump when the pointer comes back.
        QPoint korrektur;
        if (r.left() < 0)
            korrektur.rx() = -r.left();
        else if (r.left() + r.width() > pan.width())
            korrektur.rx() = pan.width() - (r.left() + r.width());
        if (r.top() < 0)
            korrektur.ry() = -r.top();
        else if (r.top() + r.height() > pan.height())
            korrektur.ry() = pan.height() - (r.top() + r.height());
        r.translate(korrektur);
        f.Rahmen = r;
        Lauf.Griffpunkt = p + korrektur;
        ui.FeldAktualisieren(f, true);
    }
    DropZielSetzen(DropZielSuchen(f.Rahmen));
}

void Uebung::FeldLosgelassen(int index)
{
    AntwortBewerten(index);
}

void Uebung::ZurueckGleiten(int index)
{
    auto it = felder.find(index);
    if (it == felder.end())
        return;
    Antwortfeld &f = it->second;
    const QPoint von = f.Rahmen.topLeft();
    const QPoint delta = Lauf.ZiehUrsprung - von;
    const double d = std::hypot(double(delta.x()), double(delta.y()));
    const int n = int(std::lround(d / 2.0));
    const qint64 start = dienste.uhr->Ticks();
    for (int i = 1; i <= n; ++i) {
        f.Rahmen.moveTo(von.x() + int(std::lround(double(delta.x()) * i / n)),
                        von.y() + int(std::lround(double(delta.y()) * i / n)));
        ui.FeldAktualisieren(f, true);
        const qint64 rest = start + i - dienste.uhr->Ticks();
        if (rest > 0)
            dienste.uhr->Warten(int(rest));
    }
    f.Rahmen.moveTo(Lauf.ZiehUrsprung);
    ui.FeldAktualisieren(f, true);
}

void Uebung::AntwortBewerten(int index)
{
    auto it = felder.find(index);
    if (inBewertung || it == felder.end() || !it->second.Sichtbar || Lauf.AktZiel < 0 || !Laeuft())
        return;
    auto &obj = dok.Dok.Objekte;
    const int ziel = Lauf.AktZiel;
    if (ziel >= obj.size())
        return;
    const int textObj = it->second.Tag;
    const QString gewaehlt = ObjektText(textObj);
    const QString zielText = ObjektText(ziel);
    const bool richtig = gewaehlt == zielText;
    const qint64 antwortZeit = dienste.uhr->Ticks() - frageTick;
    const bool einzel = Einzelfragen();
    const bool aufgeschoben = Opt.RiFaRueckmeldung == 1;
    const bool luecke = dok.Dok.DokTyp == DokArt::Lueckentext;
    const QString q = QStringLiteral("\"");
    MarkierungAufheben();

    // Protocol line of the case.
    QString zeile;
    if (einzel) {
        zeile = (richtig ? QStringLiteral("RICHTIG") : QStringLiteral("FALSCH"))
                + QStringLiteral(" - Gewählte Antwort: ") + q + gewaehlt + q;
    } else {
        const QString art = luecke ? QStringLiteral("Lückentext ") : QStringLiteral("Beschriftungstext ");
        const QString ort = luecke ? QStringLiteral("Lücke") : QStringLiteral("Position");
        if (Opt.AbfrageModus == 2) {
            // "Der Lücke" but "Der Position von".
            const QString stelle = luecke ? QStringLiteral("Lücke") : QStringLiteral("Position von");
            zeile = richtig ? QStringLiteral("RICHTIG - Der %1 \"%2\" wird der richtige %3zugeordnet")
                                  .arg(stelle, zielText, art)
                            : QStringLiteral("FALSCH - Der %1 \"%2\" wird der %3\"%4\" zugeordnet")
                                  .arg(stelle, zielText, art, gewaehlt);
        } else if (richtig) {
            zeile = Opt.AbfrageModus == 1
                        ? QStringLiteral("RICHTIG - %1\"%2\" wird richtig zugeordnet").arg(art, gewaehlt)
                        : QStringLiteral("RICHTIG - %1\"%2\" wird der richtigen %3 zugeordnet").arg(art, gewaehlt, ort);
        } else {
            zeile =
                QStringLiteral("FALSCH - %1\"%2\" wird der %3 von \"%4\" zugeordnet").arg(art, gewaehlt, ort, zielText);
        }
    }
    ProtokollZeile(1, zeile, true);

    inBewertung = true;
    Antwortfeld &feld = it->second;
    // When the feedback came up: it stays at least MindestRueckmeldungMs
    // from here, with or without a sound.
    const qint64 gezeigt = dienste.uhr->Ticks();
    if (aufgeschoben)
        ui.Ansagen(QStringLiteral("Antwort angenommen"), IUebOberflaeche::AnsageArt::Urteil);
    else
        ui.Ansagen(richtig ? QStringLiteral("Richtig") : QStringLiteral("Falsch, richtig wäre: ") + zielText,
                   IUebOberflaeche::AnsageArt::Urteil);
    if (!richtig) {
        if (aufgeschoben) {
            // In single questions the panels are the answers of later
            // questions too, so they are hidden rather than freed.
            if (einzel)
                AntwortfelderVerbergen();
            else
                FeldFreigeben(index);
            obj[ziel].Abdeckung = AbdeckungsArt::Unbewertet;
            ansicht.ObjektNeuZeichnen(ziel);
        } else {
            StatLab(QStringLiteral("Falsch"), StatFarbe::Falsch);
            urteilBehalten = true;
            feld.Farbe = Antwortfeld::FalschFarbe();
            feld.Marke = Antwortfeld::Zeichen::Kreuz;
            ui.FeldAktualisieren(feld, true);
            KlangSpielen(QStringLiteral("Falsch1.wav"), true);
            if (einzel && richtigFeld >= 0 && felder.count(richtigFeld)) {
                Antwortfeld &r = felder[richtigFeld];
                const QColor eigen = r.Farbe;
                for (int k = 0; k < 3; ++k) {
                    r.Farbe = Antwortfeld::RichtigFarbe();
                    r.Marke = Antwortfeld::Zeichen::Haken;
                    ui.FeldAktualisieren(r, true);
                    dienste.uhr->Warten(150);
                    r.Farbe = eigen;
                    r.Marke = Antwortfeld::Zeichen::Keins;
                    ui.FeldAktualisieren(r, true);
                    dienste.uhr->Warten(150);
                }
            }
            RueckmeldungHalten(gezeigt);
            if (!einzel) {
                if (Opt.AbfrageModus == 1) {
                    dienste.uhr->Warten(100);
                    feld.Sichtbar = false;
                } else {
                    // Still red on its way back: with sound off the slide is
                    // the only time the red is seen.
                    ZurueckGleiten(index);
                }
                if (Opt.ZuordnungFalsch == 1) {
                    obj[ziel].Abdeckung = AbdeckungsArt::Aufgegeben;
                    ansicht.ObjektNeuZeichnen(ziel);
                }
            } else {
                if (Opt.ZuordnungFalsch == 1)
                    obj[ziel].Abdeckung = AbdeckungsArt::FrageAufgegeben;
                dienste.uhr->Warten(800);
                AntwortfelderVerbergen();
            }
            feld.Farbe = Antwortfeld::Grundfarbe();
            feld.Marke = Antwortfeld::Zeichen::Keins;
            ui.FeldAktualisieren(feld, true);
        }
        obj[ziel].FehlerAlsZiel += 1;
        if (!einzel && textObj >= 0 && textObj < obj.size())
            obj[textObj].FehlerAlsText += 1;
        Lauf.AnzFalsch += 1;
    } else {
        if (aufgeschoben) {
            obj[ziel].Abdeckung = AbdeckungsArt::Unbewertet;
            if (einzel)
                AntwortfelderVerbergen();
        } else {
            StatLab(QStringLiteral("Richtig"), StatFarbe::Richtig);
            urteilBehalten = true;
            feld.Farbe = Antwortfeld::RichtigFarbe();
            feld.Marke = Antwortfeld::Zeichen::Haken;
            ui.FeldAktualisieren(feld, true);
            KlangSpielen(QStringLiteral("Richtig1.wav"), true);
            dienste.uhr->Warten(300);
            if (einzel)
                dienste.uhr->Warten(700);
            RueckmeldungHalten(gezeigt);
            if (einzel)
                AntwortfelderVerbergen();
            feld.Farbe = Antwortfeld::Grundfarbe();
            feld.Marke = Antwortfeld::Zeichen::Keins;
            ui.FeldAktualisieren(feld, true);
            obj[ziel].Abdeckung = Opt.ZuordnungRichtig == 1 ? AbdeckungsArt::Geloest : AbdeckungsArt::Aufgedeckt;
        }
        if (!einzel) {
            FeldFreigeben(index);
            ansicht.ObjektNeuZeichnen(ziel);
        }
        Lauf.AnzRichtig += 1;
    }
    if (Beobachter) {
        // The question an answer was about: the position when positions are
        // asked, else the text that was placed (the answer of a single
        // question is its target's text).
        const bool nachZiel = einzel || Opt.AbfrageModus == 2;
        Beobachter->AntwortBewertet(nachZiel ? zielText : gewaehlt, richtig, std::max<qint64>(antwortZeit, 0));
    }
    inBewertung = false;
    NaechsteFrage();
}

// The waits of the feedback follow the sound, so without a sound a wrong answer
// in the picture and cloze quizzes flashed for a few milliseconds. The
// feedback stays up for a minimum time however long the sound is.
void Uebung::RueckmeldungHalten(qint64 seit)
{
    const qint64 rest = seit + MindestRueckmeldungMs - dienste.uhr->Ticks();
    if (rest > 0)
        dienste.uhr->Warten(int(rest));
}

// Answering without dragging. A click on a text panel picks it up (marks
// it); a click on an open target drops it there and is judged like a drag.
void Uebung::MarkierungAufheben()
{
    if (markiert < 0)
        return;
    auto it = felder.find(markiert);
    markiert = -1;
    if (it == felder.end())
        return;
    it->second.Markiert = false;
    ui.FeldAktualisieren(it->second, true);
}

void Uebung::FeldAnklicken(int index)
{
    auto it = felder.find(index);
    if (it == felder.end() || !it->second.Sichtbar || !Laeuft())
        return;
    if (Einzelfragen()) {
        FeldGedrueckt(index, {});
        AntwortBewerten(index);
        return;
    }
    const bool warMarkiert = markiert == index;
    MarkierungAufheben();
    if (warMarkiert)
        return;
    markiert = index;
    it->second.Markiert = true;
    ui.FeldNachVorn(index);
    ui.FeldAktualisieren(it->second, true);
}

bool Uebung::ZielAnklicken(int objekt)
{
    if (markiert < 0 || !Laeuft() || Einzelfragen())
        return false;
    auto it = felder.find(markiert);
    if (it == felder.end())
        return false;
    if (!ZielAuswahl(dok.Dok.Objekte, Opt, Lauf).IstOffen(objekt))
        return false;
    const int index = markiert;
    Lauf.ZiehUrsprung = it->second.Rahmen.topLeft();
    Lauf.AktZiel = objekt;
    AntwortBewerten(index);
    return true;
}

bool Uebung::KlangSpielen(const QString &name, bool warten, bool /*schleife: the player has no repeat*/)
{
    if (!Einst.Tonausgabe) {
        dienste.klang->Stoppen();
        return false;
    }
    QFileInfo fi(name);
    QString datei = fi.suffix().isEmpty() ? name + QStringLiteral(".wav")
                                          : name.left(name.size() - fi.suffix().size()) + QStringLiteral("wav");
    QString pfad;
    if (!datei.contains(QChar('/')))
        pfad = Ordner().SoundOrdner + datei;
    else
        pfad = datei;
    if (!QFileInfo(pfad).isFile()) {
        dienste.meldungen->Fehler(QStringLiteral("Sounddatei \"") + datei + QStringLiteral("\" nicht gefunden."));
        return false;
    }
    dienste.klang->Stoppen();
    dienste.klang->Spielen(pfad, warten);
    return true;
}
