// The editing commands and the modified flag.
#include "Bearbeitung.h"

#include "Cp1252.h"
#include "DokumentLaden.h"
#include "Einzelfragen.h"
#include "LueckenAuswahl.h"
#include "NeuesDokument.h"
#include "Nummerierung.h"

#include <QUndoCommand>

// One step: the document's stored content before and after.
class InhaltsBefehl : public QUndoCommand
{
public:
    InhaltsBefehl(Bearbeitung &b, Dokument vorher, Dokument nachher, const QString &text, int zusammen, int objekt,
                  int zug)
        : QUndoCommand(text), b(b), vorher(std::move(vorher)), nachher(std::move(nachher)), zusammen(zusammen),
          objekt(objekt), zug(zug)
    {
    }
    void redo() override { b.Anwenden(nachher); }
    void undo() override { b.Anwenden(vorher); }
    int id() const override { return zusammen; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *o = static_cast<const InhaltsBefehl *>(other);
        if (o->objekt != objekt || o->zug != zug)
            return false;
        nachher = o->nachher;
        return true;
    }

private:
    Bearbeitung &b;
    Dokument vorher, nachher;
    int zusammen, objekt, zug;
};

namespace {
enum Zusammen { KastenZiehen = 1, AnkerZiehen = 2 };
const QString KeinWindows1252 =
    QStringLiteral("Der Text enthält Zeichen, die in Themendokumenten nicht gespeichert werden können "
                   "(nur Zeichen des Zeichensatzes Windows-1252 sind möglich).");
const QString KeinObjekt = QStringLiteral("Dieses Objekt gibt es nicht mehr.");

bool DokumentInhaltGleich(const Dokument &a, const Dokument &b)
{
    if (a.Vers != b.Vers || a.Titel != b.Titel || a.Autor != b.Autor || a.Bemerkung != b.Bemerkung
        || a.Lueckentext != b.Lueckentext || a.Fragentext != b.Fragentext || a.AnzFrageNummern != b.AnzFrageNummern
        || a.DokTyp != b.DokTyp || !(a.RandErw == b.RandErw) || a.NumArt != b.NumArt || a.GeordnetArt != b.GeordnetArt
        || a.BasisBild != b.BasisBild || a.Objekte.size() != b.Objekte.size())
        return false;
    for (qsizetype i = 0; i < a.Objekte.size(); ++i) {
        const DokObjekt &x = a.Objekte[i], &y = b.Objekte[i];
        if (x.Sx != y.Sx || x.Sy != y.Sy || x.Kx != y.Kx || x.Ky != y.Ky || x.Cap != y.Cap || x.KAusr != y.KAusr
            || x.TAusr != y.TAusr || x.Ebene != y.Ebene || x.Typ != y.Typ || x.Sline != y.Sline || x.Fsize != y.Fsize
            || x.KAusrAkt != y.KAusrAkt || x.FrageNummer != y.FrageNummer)
            return false;
    }
    return true;
}

// The objects of a single-question document rebuilt from its Fragentext;
// objects of other kinds (added by hand) stay after them.
void FragenObjekteErneuern(Dokument &d)
{
    // Another kind keeps its objects; its question text waits for the kind.
    if (d.DokTyp != DokArt::Einzelfragen)
        return;
    QList<DokObjekt> andere;
    for (const DokObjekt &o : std::as_const(d.Objekte))
        if (o.Typ < ObjektTyp::Antwort || o.Typ > ObjektTyp::AntwortKopf)
            andere << o;
    EinzelfragenAufbauen(d);
    AntwortloseEntfernen(d);
    d.Objekte << andere;
}
} // namespace

Bearbeitung::Bearbeitung(Dokument &dok, QObject *parent) : QObject(parent), Dok(dok)
{
    connect(&Stapel, &QUndoStack::cleanChanged, this, [this] { FlagAbgleichen(); });
}

void Bearbeitung::Zuruecksetzen(bool neuesDokument)
{
    Stapel.clear();
    neu = neuesDokument;
    FlagAbgleichen();
}

void Bearbeitung::FlagAbgleichen()
{
    Dok.Geaendert = neu || !Stapel.isClean();
}

Dokument Bearbeitung::Inhalt(const Dokument &dok)
{
    Dokument d = dok;
    d.DateiName.clear();
    d.Geaendert = false;
    for (DokObjekt &o : d.Objekte)
        o.LaufzeitZuruecksetzen();
    return d;
}

void Bearbeitung::Anwenden(const Dokument &inhalt)
{
    const QString datei = Dok.DateiName;
    Dok = inhalt;
    Dok.DateiName = datei;
    FlagAbgleichen();
    emit InhaltGeaendert();
}

void Bearbeitung::Schritt(const Dokument &nachher, const QString &text, int zusammen, int objekt)
{
    Dokument vorher = Inhalt(Dok);
    if (DokumentInhaltGleich(vorher, nachher))
        return;
    Stapel.push(new InhaltsBefehl(*this, std::move(vorher), Inhalt(nachher), text, zusammen, objekt, zug));
    FlagAbgleichen();
}

QString Bearbeitung::TextPruefen(const QString &text) const
{
    return IstCp1252Darstellbar(text) ? QString() : KeinWindows1252;
}

QString Bearbeitung::KopfSetzen(const QString &titel, const QString &autor, const QString &bemerkung)
{
    for (const QString &t : {titel, autor, bemerkung})
        if (QString f = TextPruefen(t); !f.isEmpty())
            return f;
    Dokument d = Inhalt(Dok);
    d.Titel = titel;
    d.Autor = autor;
    d.Bemerkung = bemerkung;
    Schritt(d, QStringLiteral("Dokumenteigenschaften"));
    return {};
}

QString Bearbeitung::DokTypSetzen(DokArt art)
{
    Dokument d = Inhalt(Dok);
    d.DokTyp = art;
    if (art == DokArt::Einzelfragen)
        FragenObjekteErneuern(d);
    else if (art == DokArt::Lueckentext)
        LueckenAbgleichen(d);
    else
        d.AnzFrageNummern = AbdeckbareAnzahl(d);
    Schritt(d, QStringLiteral("Dokumententyp"));
    return {};
}

QString Bearbeitung::NumArtSetzen(int numArt)
{
    Dokument d = Inhalt(Dok);
    d.NumArt = numArt;
    Schritt(d, QStringLiteral("Nummerierung"));
    return {};
}

QString Bearbeitung::GeordnetArtSetzen(int geordnetArt)
{
    Dokument d = Inhalt(Dok);
    d.GeordnetArt = geordnetArt;
    Schritt(d, QStringLiteral("Reihenfolge"));
    return {};
}

QString Bearbeitung::BasisBildSetzen(const QImage &bild)
{
    if (bild.isNull())
        return QStringLiteral("Das Bild kann nicht gelesen werden.");
    Dokument d = Inhalt(Dok);
    d.BasisBild = BasisBildVorbereiten(bild);
    Schritt(d, QStringLiteral("Grundbild"));
    return {};
}

QList<FragenZeile> Bearbeitung::FragenZeilen() const
{
    return FragenZeilenLesen(Dok.Fragentext);
}

static QString ZeilePruefen(const FragenZeile &z)
{
    if (QString f = FragenZeilePruefen(z); !f.isEmpty())
        return f;
    if (!IstCp1252Darstellbar(z.Frage) || !IstCp1252Darstellbar(z.Antwort))
        return KeinWindows1252;
    return {};
}

QString Bearbeitung::FrageHinzufuegen(const FragenZeile &zeile)
{
    if (QString f = ZeilePruefen(zeile); !f.isEmpty())
        return f;
    QList<FragenZeile> zeilen = FragenZeilen();
    zeilen << zeile;
    Dokument d = Inhalt(Dok);
    d.Fragentext = FragenZeilenText(zeilen);
    FragenObjekteErneuern(d);
    Schritt(d, QStringLiteral("Frage hinzufügen"));
    return {};
}

QString Bearbeitung::FrageAendern(int k, const FragenZeile &zeile)
{
    QList<FragenZeile> zeilen = FragenZeilen();
    if (k < 1 || k > zeilen.size())
        return QStringLiteral("Diese Frage gibt es nicht mehr.");
    if (QString f = ZeilePruefen(zeile); !f.isEmpty())
        return f;
    zeilen[k - 1] = zeile;
    Dokument d = Inhalt(Dok);
    d.Fragentext = FragenZeilenText(zeilen);
    FragenObjekteErneuern(d);
    Schritt(d, QStringLiteral("Frage ändern"));
    return {};
}

QString Bearbeitung::FrageLoeschen(int k)
{
    QList<FragenZeile> zeilen = FragenZeilen();
    if (k < 1 || k > zeilen.size())
        return QStringLiteral("Diese Frage gibt es nicht mehr.");
    zeilen.removeAt(k - 1);
    Dokument d = Inhalt(Dok);
    d.Fragentext = FragenZeilenText(zeilen);
    FragenObjekteErneuern(d);
    Schritt(d, QStringLiteral("Frage löschen"));
    return {};
}

QString Bearbeitung::LueckentextSetzen(const QString &text)
{
    if (QString f = TextPruefen(text); !f.isEmpty())
        return f;
    Dokument d = Inhalt(Dok);
    d.Lueckentext = text;
    if (d.DokTyp == DokArt::Lueckentext)
        LueckenAbgleichen(d);
    Schritt(d, QStringLiteral("Lückentext"));
    return {};
}

QString Bearbeitung::LueckeMachen(int start, int laenge)
{
    const LueckenErgebnis e = LueckeAusAuswahl(Dok.Lueckentext, start, laenge);
    if (!e.Fehler.isEmpty())
        return e.Fehler;
    Dokument d = Inhalt(Dok);
    d.Lueckentext = e.Text;
    if (d.DokTyp == DokArt::Lueckentext)
        LueckenAbgleichen(d);
    Schritt(d, QStringLiteral("Lücke"));
    return {};
}

QString Bearbeitung::BeschriftungAnlegen(QPointF anker, QPointF kasten, const QString &cap)
{
    if (QString f = TextPruefen(cap); !f.isEmpty())
        return f;
    // The values a label of "tvl bau" gets, so both ways give one file.
    DokObjekt o;
    o.Typ = ObjektTyp::Beschriftung;
    o.Sx = anker.x();
    o.Sy = anker.y();
    o.Kx = kasten.x();
    o.Ky = kasten.y();
    o.Cap = cap;
    o.Ebene = 1;
    o.Sline = 1;
    Dokument d = Inhalt(Dok);
    d.Objekte << o;
    d.AnzFrageNummern = AbdeckbareAnzahl(d);
    Schritt(d, QStringLiteral("Beschriftung anlegen"));
    return {};
}

QString Bearbeitung::KastenVerschieben(int index, QPointF kasten)
{
    if (!IndexGueltig(index))
        return KeinObjekt;
    Dokument d = Inhalt(Dok);
    d.Objekte[index].Kx = kasten.x();
    d.Objekte[index].Ky = kasten.y();
    // The box's side is decided again where it now stands.
    d.Objekte[index].KAusrAkt = 0;
    Schritt(d, QStringLiteral("Beschriftung verschieben"), KastenZiehen, index);
    return {};
}

QString Bearbeitung::AnkerVerschieben(int index, QPointF anker)
{
    if (!IndexGueltig(index))
        return KeinObjekt;
    Dokument d = Inhalt(Dok);
    d.Objekte[index].Sx = anker.x();
    d.Objekte[index].Sy = anker.y();
    d.Objekte[index].KAusrAkt = 0;
    Schritt(d, QStringLiteral("Ankerpunkt verschieben"), AnkerZiehen, index);
    return {};
}

QString Bearbeitung::ObjektTextSetzen(int index, const QString &cap)
{
    if (!IndexGueltig(index))
        return KeinObjekt;
    if (QString f = TextPruefen(cap); !f.isEmpty())
        return f;
    Dokument d = Inhalt(Dok);
    d.Objekte[index].Cap = cap;
    Schritt(d, QStringLiteral("Beschriftung ändern"));
    return {};
}

QString Bearbeitung::ObjektAussehenSetzen(int index, const ObjektAussehen &a)
{
    if (!IndexGueltig(index))
        return KeinObjekt;
    if (a.Ebene < 0 || a.Ebene > 2 || a.Sline < 0 || a.Sline > 1 || a.KAusr < 0 || a.KAusr > 4 || a.TAusr < 0
        || a.TAusr > 2 || a.Fsize < -5 || a.Fsize > 20)
        return QStringLiteral("Diese Einstellung ist nicht möglich.");
    Dokument d = Inhalt(Dok);
    DokObjekt &o = d.Objekte[index];
    o.Ebene = a.Ebene;
    o.Sline = a.Sline;
    o.Fsize = a.Fsize;
    o.KAusr = a.KAusr;
    o.TAusr = a.TAusr;
    o.KAusrAkt = 0;
    Schritt(d, QStringLiteral("Aussehen"));
    return {};
}

QString Bearbeitung::ObjektLoeschen(int index)
{
    if (!IndexGueltig(index))
        return KeinObjekt;
    Dokument d = Inhalt(Dok);
    d.Objekte.removeAt(index);
    d.AnzFrageNummern = AbdeckbareAnzahl(d);
    Schritt(d, QStringLiteral("Beschriftung löschen"));
    return {};
}

bool Bearbeitung::Speichern(DokumentZustand &z, IDokumentUmgebung &umgebung, IMeldungen &meldungen, const QString &pfad)
{
    if (!SpeichereDokument(z, umgebung, meldungen, pfad, true))
        return false;
    neu = false;
    Stapel.setClean();
    FlagAbgleichen();
    return true;
}
