// tvl info: the header and objects of a topic document, as text or JSON.
#include "DokumentLaden.h"
#include "DokumentUmgebung.h"
#include "TvlBefehl.h"
#include "TvlDokument.h"
#include "TvlMeldungen.h"

#include <QStringList>

#include <charconv>
#include <cmath>

namespace {

QString JsonText(const QString &s)
{
    QString r = "\"";
    for (QChar c : s) {
        switch (c.unicode()) {
        case '"':
            r += "\\\"";
            break;
        case '\\':
            r += "\\\\";
            break;
        case '\n':
            r += "\\n";
            break;
        case '\r':
            r += "\\r";
            break;
        case '\t':
            r += "\\t";
            break;
        default:
            if (c.unicode() < 0x20)
                r += QString("\\u%1").arg(c.unicode(), 4, 16, QChar('0'));
            else
                r += c;
        }
    }
    return r + "\"";
}

// Shortest text that reads back as the same double; JSON has no NaN or
// infinity, so those become null.
QString JsonZahl(double v)
{
    if (!std::isfinite(v))
        return "null";
    char puffer[32];
    const auto res = std::to_chars(puffer, puffer + sizeof puffer, v);
    return QString::fromLatin1(puffer, int(res.ptr - puffer));
}

QString Json(const Dokument &d)
{
    QStringList teile;
    auto feld = [&](const char *name, const QString &wert) {
        teile << QString("  \"%1\": %2").arg(QLatin1String(name), wert);
    };
    feld("Vers", JsonText(d.Vers));
    feld("Titel", JsonText(d.Titel));
    feld("Autor", JsonText(d.Autor));
    feld("Bemerkung", JsonText(d.Bemerkung));
    feld("Lueckentext", JsonText(d.Lueckentext));
    feld("Fragentext", JsonText(d.Fragentext));
    feld("AnzFrageNummern", QString::number(d.AnzFrageNummern));
    feld("DokTyp", QString::number(int(d.DokTyp)));
    feld("RandErw", QString("[%1, %2, %3, %4]")
                        .arg(JsonZahl(d.RandErw.Left), JsonZahl(d.RandErw.Top), JsonZahl(d.RandErw.Right),
                             JsonZahl(d.RandErw.Bottom)));
    feld("NumArt", QString::number(d.NumArt));
    feld("GeordnetArt", QString::number(d.GeordnetArt));
    QStringList objekte;
    for (const DokObjekt &o : d.Objekte) {
        objekte << QString("    {\"Sx\": %1, \"Sy\": %2, \"Kx\": %3, \"Ky\": %4, \"Cap\": %5, \"KAusr\": %6, "
                           "\"TAusr\": %7, \"Ebene\": %8, \"Typ\": %9, \"Sline\": %10, \"Fsize\": %11, "
                           "\"KAusrAkt\": %12, \"FrageNummer\": %13}")
                       .arg(JsonZahl(o.Sx), JsonZahl(o.Sy), JsonZahl(o.Kx), JsonZahl(o.Ky), JsonText(o.Cap))
                       .arg(o.KAusr)
                       .arg(o.TAusr)
                       .arg(o.Ebene)
                       .arg(o.Typ)
                       .arg(o.Sline)
                       .arg(o.Fsize)
                       .arg(o.KAusrAkt)
                       .arg(o.FrageNummer);
    }
    feld("Objekte", objekte.isEmpty() ? "[]" : "[\n" + objekte.join(",\n") + "\n  ]");
    feld("BasisBild", QString("{\"Breite\": %1, \"Hoehe\": %2}").arg(d.BasisBild.width()).arg(d.BasisBild.height()));
    return "{\n" + teile.join(",\n") + "\n}\n";
}

QString Zeilen(const QString &s)
{
    QString t = s;
    return t.replace("\r\n", "\n").replace('\r', '\n').replace("\n", "\\n");
}

QString Text(const Dokument &d)
{
    QString r;
    r += QString("Datei:           %1\n").arg(d.DateiName);
    r += QString("Vers:            %1\n").arg(d.Vers);
    r += QString("Titel:           %1\n").arg(d.Titel);
    r += QString("Autor:           %1\n").arg(d.Autor);
    r += QString("Bemerkung:       %1\n").arg(Zeilen(d.Bemerkung));
    r += QString("Lueckentext:     %1\n").arg(Zeilen(d.Lueckentext));
    r += QString("Fragentext:      %1\n").arg(Zeilen(d.Fragentext));
    r += QString("AnzFrageNummern: %1\n").arg(d.AnzFrageNummern);
    r += QString("DokTyp:          %1\n").arg(int(d.DokTyp));
    r += QString("RandErw:         %1 %2 %3 %4\n")
             .arg(d.RandErw.Left)
             .arg(d.RandErw.Top)
             .arg(d.RandErw.Right)
             .arg(d.RandErw.Bottom);
    r += QString("NumArt:          %1\n").arg(d.NumArt);
    r += QString("GeordnetArt:     %1\n").arg(d.GeordnetArt);
    r += QString("BasisBild:       %1 x %2\n").arg(d.BasisBild.width()).arg(d.BasisBild.height());
    r += QString("Objekte:         %1\n").arg(d.Objekte.size());
    for (qsizetype i = 0; i < d.Objekte.size(); ++i) {
        const DokObjekt &o = d.Objekte[i];
        r += QString("  %1: Typ %2 Ebene %3 S(%4, %5) K(%6, %7) KAusr %8 TAusr %9 Sline %10 Fsize %11 "
                     "KAusrAkt %12 FrageNummer %13 Cap \"%14\"\n")
                 .arg(i)
                 .arg(o.Typ)
                 .arg(o.Ebene)
                 .arg(o.Sx)
                 .arg(o.Sy)
                 .arg(o.Kx)
                 .arg(o.Ky)
                 .arg(o.KAusr)
                 .arg(o.TAusr)
                 .arg(o.Sline)
                 .arg(o.Fsize)
                 .arg(o.KAusrAkt)
                 .arg(o.FrageNummer)
                 .arg(Zeilen(o.Cap));
    }
    return r;
}

int Info(const QStringList &args)
{
    QStringList rest = args;
    const bool json = rest.removeAll("--json") > 0;
    if (rest.size() != 1) {
        TvlFehler("Aufruf: tvl info [--json] DATEI.tvl");
        return 2;
    }
    TvlDokument t;
    if (!t.Laden(rest.first()))
        return 1;
    TvlAus(json ? Json(t.Dok()) : Text(t.Dok()));
    return 0;
}

TvlRegistrierung registrierung({"info", "info [--json] DATEI.tvl   Kopf und Objekte eines Themendokuments", Info});

} // namespace
