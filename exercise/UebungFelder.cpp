// Question presentation: the answer panels, their layout and the
// presentation of single texts, positions and single questions.
#include "Uebung.h"

#include "AntwortRaster.h"
#include "UebTexte.h"
#include "Verwechslung.h"

#include "Fragentext.h"

#include <QRegularExpression>

#include <cmath>

void Uebung::FeldSetzen(const Antwortfeld &f, bool sofort)
{
    felder[f.Index] = f;
    ui.FeldAktualisieren(f, sofort);
}

void Uebung::FeldFreigeben(int index)
{
    if (!felder.erase(index))
        return;
    if (markiert == index)
        markiert = -1;
    ui.FeldEntfernen(index);
}

void Uebung::AntwortfelderEntfernen()
{
    for (const auto &[i, f] : felder)
        ui.FeldEntfernen(i);
    felder.clear();
    markiert = -1;
    richtigFeld = -1;
}

void Uebung::AntwortfelderVerbergen()
{
    for (auto &[i, f] : felder) {
        if (!f.Sichtbar)
            continue;
        f.Sichtbar = false;
        ui.FeldAktualisieren(f, false);
    }
}

void Uebung::AntwortfelderAnlegen()
{
    AntwortfelderEntfernen();
    const QSize pan = ui.UebungPanGroesse();
    const bool einzel = Einzelfragen();
    const int n = int(Lauf.FragenFolge.size());
    const int startTop = pan.height() - Antwortfeld::Hoehe;
    int left = pan.width() - Antwortfeld::Breite;
    int top = startTop;
    int c = 0;
    int letzteLeft = left;
    for (int i = n - 1; i >= 0; --i) {
        Antwortfeld f;
        f.Index = i;
        f.Tag = Lauf.FragenFolge[i].TextObjekt;
        f.Caption = ObjektText(f.Tag).replace(QStringLiteral(" | "), QStringLiteral("\n"));
        f.Rahmen = QRect(left, top, Antwortfeld::Breite, Antwortfeld::Hoehe);
        felder[i] = f;
        ui.FeldAnlegen(f, einzel);
        letzteLeft = left;
        if (!einzel) {
            top -= Antwortfeld::Hoehe + 2;
            if (top < 35) {
                ++c;
                top = startTop - 7 * c;
                left -= Antwortfeld::Spaltenversatz;
            }
        }
    }
    bildBreite = letzteLeft - 5;
}

void Uebung::AntwortfelderAnordnen()
{
    const QSize pan = ui.UebungPanGroesse();
    bildBreite = pan.width() - 155;
    if (!Einzelfragen()) {
        bool erstes = true;
        int left = 0, top = 0, startTop = 0, c = 0;
        for (auto it = felder.rbegin(); it != felder.rend(); ++it) {
            Antwortfeld &f = it->second;
            if (!f.Sichtbar)
                continue;
            const int w = f.Rahmen.width(), h = f.Rahmen.height();
            if (erstes) {
                left = pan.width() - w;
                top = Opt.AbfrageModus == 1 ? (pan.height() - h) / 2 : pan.height() - h;
                startTop = top;
                erstes = false;
            } else {
                top -= h + 2;
                if (top < 35) {
                    ++c;
                    top = startTop - 7 * c;
                    left -= Antwortfeld::Spaltenversatz;
                }
            }
            f.Rahmen.moveTo(left, top);
            ui.FeldAktualisieren(f, false);
            bildBreite = left - 5;
        }
        ui.BildBreiteSetzen(bildBreite);
        return;
    }

    ui.BildBreiteSetzen(bildBreite);
    const QPoint ursprung = AntwortRaster::Ursprung(ansicht.BildNachPanel(0.1, 0.58));
    std::vector<int> sichtbare;
    for (const auto &[i, f] : felder)
        if (f.Sichtbar)
            sichtbare.push_back(i);
    const int k = std::min<int>(int(sichtbare.size()), AntwortRaster::Plaetze);
    std::vector<int> freiePlaetze;
    for (int s = 1; s <= k; ++s)
        freiePlaetze.push_back(s);
    for (int a = 0; a < k; ++a) {
        Antwortfeld &f = felder[sichtbare[a]];
        int s;
        if (Opt.Zuordnungstexte == 1) {
            const int r = dienste.zufall->Zahl(int(freiePlaetze.size()));
            s = freiePlaetze[r];
            freiePlaetze.erase(freiePlaetze.begin() + r);
        } else {
            s = freiePlaetze.front();
            freiePlaetze.erase(freiePlaetze.begin());
        }
        f.Rahmen.moveTo(AntwortRaster::Platz(ursprung, s));
        ui.FeldAktualisieren(f, false);
    }
    // More than six shown panels cannot happen (one answer and five
    // distractors); anything beyond the grid is hidden to be safe.
    for (std::size_t a = k; a < sichtbare.size(); ++a) {
        Antwortfeld &f = felder[sichtbare[a]];
        f.Sichtbar = false;
        ui.FeldAktualisieren(f, false);
    }
    frageZaehlerPos = AntwortRaster::ZaehlerPos(ursprung);
    ui.FrageZaehlerSetzen(frageZaehlerText, frageZaehlerPos, true);
}

void Uebung::AnweisungZeichnen(bool neuZeichnen)
{
    ui.AnweisungZeichnen(AnweisungsText(dok.Dok.DokTyp, Opt.AbfrageModus), bildBreite, neuZeichnen);
}

void Uebung::TextVorgeben()
{
    const int text = Lauf.FragenFolge[Lauf.Position].TextObjekt;
    QString caption;
    for (auto &[i, f] : felder) {
        const bool sicht = f.Tag == text;
        if (sicht)
            caption = f.Caption;
        if (f.Sichtbar != sicht) {
            f.Sichtbar = sicht;
            ui.FeldAktualisieren(f, false);
        }
    }
    ansicht.QuizZustandSetzen(Opt.AbfrageModus, Lauf.FragenFolge, Lauf.Position);
    const QString t = TextNormalisieren(caption);
    if (dok.Dok.DokTyp == DokArt::Lueckentext)
        ProtokollZeile(1, QStringLiteral("Lückentext \"%1\" soll der richtigen Lücke zugeordnet werden").arg(t), true);
    else
        ProtokollZeile(
            1, QStringLiteral("Beschriftungstext \"%1\" soll der richtigen Position zugeordnet werden").arg(t), true);
    AntwortfelderAnordnen();
    FrageAnsagen(t);
}

void Uebung::PositionVorgeben()
{
    const int ziel = Lauf.FragenFolge[Lauf.Position].ZielObjekt;
    ansicht.QuizZustandSetzen(Opt.AbfrageModus, Lauf.FragenFolge, Lauf.Position);
    const QString t = ObjektText(ziel);
    if (dok.Dok.DokTyp == DokArt::Lueckentext)
        ProtokollZeile(1, QStringLiteral("Der Lücke \"%1\" soll der richtige Lückentext zugeordnet werden").arg(t),
                       true);
    else
        ProtokollZeile(
            1, QStringLiteral("Der Position \"%1\" soll der richtige Beschriftungstext zugeordnet werden").arg(t),
            true); // The number the pupil sees at the target, not its hidden text.
    const int nummer = dok.Dok.Objekte[ziel].Nummer;
    FrageAnsagen(nummer >= 0 ? QStringLiteral("Ziel %1").arg(nummer) : QString());
}

QString Uebung::FrageTextFuer(int frageNummer) const
{
    for (const DokObjekt &o : dok.Dok.Objekte) {
        if (o.Typ != ObjektTyp::FrageText || o.FrageNummer != frageNummer)
            continue;
        if (o.Cap.trimmed() == QStringLiteral("Frage:"))
            continue; // the heading shares kind and number with the question
        QString t = FragePlatzhalterErsetzen(o.Cap);
        BildTagAusschneiden(t);
        // Markup tags are not part of the protocol's text either.
        static const QRegularExpression tag(QStringLiteral("<[^<>]*>"));
        t.remove(tag);
        return TextNormalisieren(t);
    }
    return {};
}

void Uebung::EinzelfrageVorgeben()
{
    const int q = Lauf.FragenFolge[Lauf.Position].ZielObjekt;
    ansicht.QuizZustandSetzen(0, Lauf.FragenFolge, Lauf.Position);
    QStringList gezeigt;
    richtigFeld = -1;
    for (auto &[i, f] : felder) {
        f.Sichtbar = f.Tag == q;
        f.Farbe = Antwortfeld::Grundfarbe();
        if (f.Sichtbar && richtigFeld < 0) {
            richtigFeld = i;
            gezeigt << f.Caption;
        }
    }
    const DokObjekt &qo = dok.Dok.Objekte[q];
    frageZaehlerText = QString::number(Lauf.FrageZaehler) + QStringLiteral(". Frage");
    if (qo.FehlerAlsZiel > 0)
        frageZaehlerText += QStringLiteral(" (wiederholte Frage)");

    // Distractors: five choices, each with at most 100 draws.
    const QString richtig = richtigFeld >= 0 ? felder[richtigFeld].Caption : QString();
    const int n = int(Lauf.FragenFolge.size());
    for (int wahl = 0; wahl < 5; ++wahl) {
        for (int versuch = 0; versuch < 100; ++versuch) {
            const int r = dienste.zufall->Zahl(n);
            auto it = felder.find(r);
            if (it == felder.end())
                continue;
            Antwortfeld &f = it->second;
            if (f.Sichtbar || gezeigt.contains(f.Caption) || Verwechselbar(richtig, f.Caption))
                continue;
            f.Sichtbar = true;
            gezeigt << f.Caption;
            break;
        }
    }
    for (const auto &[i, f] : felder)
        ui.FeldAktualisieren(f, false);

    ProtokollZeile(
        1, QString::number(Lauf.FrageZaehler) + QStringLiteral(". Frage\r\n") + FrageTextFuer(qo.FrageNummer), true);
    QStringList moeglich;
    for (const auto &[i, f] : felder) {
        if (!f.Sichtbar)
            continue;
        QString t = QStringLiteral("\"") + TextNormalisieren(f.Caption) + QStringLiteral("\"");
        if (i == richtigFeld)
            t += QStringLiteral(" (Lösung)");
        moeglich << t;
    }
    ProtokollZeile(1, QStringLiteral("Antwortmöglichkeiten: ") + moeglich.join(QStringLiteral(", ")), false);
    AntwortfelderAnordnen();
    bool mitFlagge = false;
    for (const DokObjekt &o : dok.Dok.Objekte)
        if (o.Typ == ObjektTyp::FrageText && o.FrageNummer == qo.FrageNummer) {
            QString cap = o.Cap;
            mitFlagge = mitFlagge || !BildTagAusschneiden(cap).isEmpty();
        }
    FrageAnsagen(FrageTextFuer(qo.FrageNummer), mitFlagge);
}
