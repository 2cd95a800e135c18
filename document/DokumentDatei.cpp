// Reading and writing the topic-document file format on a device.
#include "DokumentDatei.h"

#include "BildDatei.h"
#include "Cp1252.h"
#include "LeDaten.h"

const char *const DokSchluesselListe =
    "|HD-vers|HD-titel|HD-autor|HD-bemerkung|HD-lueckentext|HD-fragentext|HD-AnzFrageNummern|HD-DokTyp|"
    "HD-RandErw|HD-NumArt|HD-GeordnetArt|OB-Sx|OB-Sy|OB-Kx|OB-Ky|OB-Cap|OB-KAusr|OB-TAusr|OB-Ebene|OB-Typ|"
    "OB-Sline|OB-Fsize|OB-KAusrAkt|OB-FrageNummer|";

const char *const DokKennung = "KMF-1.01";

namespace {

// Reads the primitives and knows how many bytes the device still holds, so
// that no stored length can make us allocate more than is there.
class Leser
{
public:
    explicit Leser(QIODevice &d) : dev(d)
    {
        if (!dev.isSequential()) {
            const qint64 groesse = dev.size();
            const qint64 pos = dev.pos();
            rest = groesse >= pos ? groesse - pos : 0;
        }
    }

    bool ok() const { return gut; }
    qint64 Rest() const { return rest; }

    bool Bytes(char *ziel, qint64 n)
    {
        if (!gut || n > rest) {
            gut = false;
            return false;
        }
        qint64 gelesen = 0;
        while (gelesen < n) {
            const qint64 r = dev.read(ziel + gelesen, n - gelesen);
            if (r <= 0) {
                gut = false;
                return false;
            }
            gelesen += r;
        }
        rest -= n;
        return true;
    }

    qint32 Int()
    {
        char b[4];
        if (!Bytes(b, 4))
            return 0;
        return LeInt(b);
    }

    double Real()
    {
        char b[8];
        if (!Bytes(b, 8))
            return 0;
        return LeReal(b);
    }

    QByteArray StrRoh(qint32 hoechstens)
    {
        const qint32 n = Int();
        if (!gut)
            return {};
        // A sparse file can hold any length; the field's own bound holds
        // whatever the file's size.
        if (n < 0 || n > rest || n > hoechstens) {
            gut = false;
            return {};
        }
        QByteArray b(n, Qt::Uninitialized);
        if (!Bytes(b.data(), n))
            return {};
        return b;
    }

    QString Str(qint32 hoechstens) { return VonCp1252(StrRoh(hoechstens)); }

    Rechteck Rect()
    {
        Rechteck r;
        r.Left = Real();
        r.Top = Real();
        r.Right = Real();
        r.Bottom = Real();
        return r;
    }

    // Marks the rest as unusable (a count that cannot be there).
    void Fehler() { gut = false; }

private:
    QIODevice &dev;
    qint64 rest = 0;
    bool gut = true;
};

// The document's writer adds its two composite fields to the shared one.
class Schreiber : public LeSchreiber
{
public:
    bool zuLang = false; // a field the reader would refuse

    void StrRoh(const QByteArray &s, qint32 hoechstens)
    {
        if (s.size() > hoechstens)
            zuLang = true;
        LeSchreiber::StrRoh(s);
    }

    void Str(const QString &s, qint32 hoechstens) { StrRoh(NachCp1252(s), hoechstens); }

    void Rect(const Rechteck &r)
    {
        Real(r.Left);
        Real(r.Top);
        Real(r.Right);
        Real(r.Bottom);
    }
};

bool KennungPasst(const QByteArray &kennung)
{
    return kennung.startsWith("KMF-");
}

bool IstLeerzeichen(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

} // namespace

bool SchluesselGelistet(const QByteArray &schluesselListe, const char *name)
{
    return schluesselListe.contains(name);
}

QString KommaTextAusZeilen(const QString &cap)
{
    // Split as a text of lines: a final line break does not start a new line.
    QString text = cap;
    text.replace("\r\n", "\n").replace('\r', '\n');
    if (text.isEmpty())
        return {};
    if (text.endsWith('\n'))
        text.chop(1);
    const QStringList zeilen = text.split('\n');
    if (zeilen.size() == 1 && zeilen.first().isEmpty())
        return "\"\"";

    QString ergebnis;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const QString &z = zeilen[i];
        bool quoten = false;
        for (QChar c : z) {
            if (c.unicode() <= 32 || c == '"' || c == ',') {
                quoten = true;
                break;
            }
        }
        if (i > 0)
            ergebnis += ',';
        if (quoten) {
            QString innen = z;
            innen.replace("\"", "\"\"");
            ergebnis += '"' + innen + '"';
        } else {
            ergebnis += z;
        }
    }
    return ergebnis;
}

QString ZeilenAusKommaText(const QString &kommaText)
{
    // A NUL character ends the text, as it did in the format's original
    // string handling.
    const qsizetype ende = [&] {
        const qsizetype n = kommaText.indexOf(QChar(0));
        return n < 0 ? kommaText.size() : n;
    }();
    const QChar *s = kommaText.constData();
    qsizetype p = 0;
    auto ueberspringen = [&] {
        while (p < ende && IstLeerzeichen(s[p]))
            ++p;
    };

    QString ergebnis;
    ueberspringen();
    while (p < ende) {
        QString teil;
        if (s[p] == '"') {
            ++p;
            while (p < ende) {
                if (s[p] == '"') {
                    if (p + 1 < ende && s[p + 1] == '"') {
                        teil += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                teil += s[p++];
            }
        } else {
            const qsizetype anfang = p;
            while (p < ende && s[p].unicode() > 32 && s[p] != ',')
                ++p;
            teil = kommaText.mid(anfang, p - anfang);
        }
        ergebnis += teil;
        ergebnis += '\n';
        ueberspringen();
        if (p < ende && s[p] == ',') {
            ++p;
            ueberspringen();
        }
    }

    // Trim characters 0..32 at both ends.
    qsizetype a = 0, b = ergebnis.size();
    while (a < b && ergebnis[a].unicode() <= 32)
        ++a;
    while (b > a && ergebnis[b - 1].unicode() <= 32)
        --b;
    return ergebnis.mid(a, b - a);
}

namespace {
// Magic, key list and the header fields; false on a wrong magic or a cut.
bool KopfTeilLesen(Leser &l, Dokument &dok, QByteArray &schluessel, bool *falscheKennung)
{
    const QByteArray kennung = l.StrRoh(DokMaxKurzText);
    if (!l.ok())
        return false;
    if (!KennungPasst(kennung)) {
        if (falscheKennung)
            *falscheKennung = true;
        return false;
    }

    schluessel = l.StrRoh(DokMaxKurzText);
    dok.Vers = l.Str(DokMaxKurzText);
    dok.Titel = l.Str(DokMaxKurzText);
    dok.Autor = l.Str(DokMaxKurzText);
    dok.Bemerkung = l.Str(DokMaxLangText);
    auto gelistet = [&](const char *name) { return SchluesselGelistet(schluessel, name); };
    dok.Lueckentext = gelistet("HD-lueckentext") ? l.Str(DokMaxLangText) : QString();
    dok.Fragentext = gelistet("HD-fragentext") ? l.Str(DokMaxLangText) : QString();
    dok.AnzFrageNummern = gelistet("HD-AnzFrageNummern") ? l.Int() : 0;
    dok.DokTyp = gelistet("HD-DokTyp") ? DokArt(l.Int()) : DokArt::Bildbeschriftung;
    dok.RandErw = gelistet("HD-RandErw") ? l.Rect() : Rechteck{};
    dok.NumArt = gelistet("HD-NumArt") ? l.Int() : 0;
    dok.GeordnetArt = gelistet("HD-GeordnetArt") ? l.Int() : 0;
    return l.ok();
}
} // namespace

bool DokumentKopfLesen(QIODevice &dev, Dokument &dok)
{
    if (dev.isSequential())
        return false;
    Leser l(dev);
    QByteArray schluessel;
    return KopfTeilLesen(l, dok, schluessel, nullptr);
}

bool DokumentLesen(QIODevice &dev, Dokument &dok, bool *falscheKennung)
{
    if (falscheKennung)
        *falscheKennung = false;
    if (dev.isSequential())
        return false;
    Leser l(dev);
    QByteArray schluessel;
    if (!KopfTeilLesen(l, dok, schluessel, falscheKennung))
        return false;
    auto gelistet = [&](const char *name) { return SchluesselGelistet(schluessel, name); };

    const bool mitFrageNummer = gelistet("OB-FrageNummer");
    const qint32 anzahl = l.Int();
    if (!l.ok())
        return false;
    if (anzahl < 0 || qint64(anzahl) * ObjektMindestGroesse(mitFrageNummer) > l.Rest())
        return false;

    QList<DokObjekt> objekte;
    objekte.resize(anzahl);
    for (DokObjekt &o : objekte) {
        o.Sx = l.Real();
        o.Sy = l.Real();
        o.Kx = l.Real();
        o.Ky = l.Real();
        o.Cap = ZeilenAusKommaText(l.Str(DokMaxKurzText));
        o.KAusr = l.Int();
        o.TAusr = l.Int();
        o.Ebene = l.Int();
        o.Typ = l.Int();
        o.Sline = l.Int();
        o.Fsize = l.Int();
        o.KAusrAkt = l.Int();
        o.FrageNummer = mitFrageNummer ? l.Int() : -1;
        if (!l.ok())
            return false;
        o.LaufzeitZuruecksetzen();
        // Older editors stored a placeholder question text; it is not shown.
        if (o.Typ == ObjektTyp::FrageText && o.Cap.contains("Frage Nr."))
            o.Cap.clear();
    }

    QImage bild;
    if (!PngLesen(dev, bild, l.Rest()))
        return false;
    dok.Objekte = std::move(objekte);
    dok.BasisBild = std::move(bild);
    return true;
}

bool KennungPruefen(QIODevice &dev)
{
    if (dev.isSequential())
        return false;
    Leser l(dev);
    const QByteArray kennung = l.StrRoh(DokMaxKurzText);
    return l.ok() && KennungPasst(kennung);
}

bool TitelLesen(QIODevice &dev, QString &titel)
{
    if (dev.isSequential())
        return false;
    Leser l(dev);
    const QByteArray kennung = l.StrRoh(DokMaxKurzText);
    if (!l.ok() || !KennungPasst(kennung))
        return false;
    l.StrRoh(DokMaxKurzText); // key list
    l.StrRoh(DokMaxKurzText); // Vers
    const QString t = l.Str(DokMaxKurzText);
    if (!l.ok())
        return false;
    titel = t;
    return true;
}

KopfErgebnis TitelAusKopf(const char *daten, qint64 laenge, bool ganzeDatei, QString &titel)
{
    qint64 pos = 0;
    const char *text = nullptr;
    qint32 n = 0;
    // Magic, key list, Vers, Titel: four strings.
    for (int i = 0; i < 4; ++i) {
        if (laenge - pos < 4)
            return ganzeDatei ? KopfErgebnis::Fehler : KopfErgebnis::MehrNoetig;
        n = LeInt(daten + pos);
        pos += 4;
        if (n < 0 || n > DokMaxKurzText)
            return KopfErgebnis::Fehler;
        if (laenge - pos < n)
            return ganzeDatei ? KopfErgebnis::Fehler : KopfErgebnis::MehrNoetig;
        if (i == 0 && !KennungPasst(QByteArray::fromRawData(daten + pos, n)))
            return KopfErgebnis::Fehler;
        text = daten + pos;
        pos += n;
    }
    titel = VonCp1252(text, n);
    return KopfErgebnis::Ok;
}

bool DokumentSchreiben(QIODevice &dev, const Dokument &dok)
{
    Schreiber s;
    s.StrRoh(DokKennung, DokMaxKurzText);
    s.StrRoh(DokSchluesselListe, DokMaxKurzText);
    s.Str(dok.Vers, DokMaxKurzText);
    s.Str(dok.Titel, DokMaxKurzText);
    s.Str(dok.Autor, DokMaxKurzText);
    s.Str(dok.Bemerkung, DokMaxLangText);
    s.Str(dok.Lueckentext, DokMaxLangText);
    s.Str(dok.Fragentext, DokMaxLangText);
    s.Int(dok.AnzFrageNummern);
    s.Int(qint32(dok.DokTyp));
    s.Rect(dok.RandErw);
    s.Int(dok.NumArt);
    s.Int(dok.GeordnetArt);
    s.Int(qint32(dok.Objekte.size()));
    for (const DokObjekt &o : dok.Objekte) {
        s.Real(o.Sx);
        s.Real(o.Sy);
        s.Real(o.Kx);
        s.Real(o.Ky);
        s.Str(KommaTextAusZeilen(o.Cap), DokMaxKurzText);
        s.Int(o.KAusr);
        s.Int(o.TAusr);
        s.Int(o.Ebene);
        s.Int(o.Typ);
        s.Int(o.Sline);
        s.Int(o.Fsize);
        s.Int(o.KAusrAkt);
        s.Int(o.FrageNummer);
    }
    // A file that could not be read back would lose the document.
    if (s.zuLang || dev.write(s.daten) != s.daten.size())
        return false;
    return PngSchreiben(dev, dok.BasisBild, 5);
}
