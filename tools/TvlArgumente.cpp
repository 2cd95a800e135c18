// The argument walk shared by the tvl verbs that turn one document into one file.
#include "TvlArgumente.h"

#include "TvlBefehl.h"

TvlArgumente::TvlArgumente(const QStringList &a, const QString &ausgabe, bool strich)
    : args(a), ausgabeName(ausgabe), strichIstName(strich)
{
}

bool TvlArgumente::Naechstes()
{
    if (i + 1 >= args.size())
        return false;
    ++i;
    return true;
}

bool TvlArgumente::Wert(QString &ziel)
{
    if (i + 1 >= args.size())
        return false;
    ziel = args.at(++i);
    return true;
}

QString TvlArgumente::Gemeinsam(TvlDokumentArgumente &o)
{
    const QString a = Aktuell();
    if (a == "-o" || a == "--ausgabe") {
        if (!Wert(o.ausgabe))
            return QString("Nach -o fehlt der Name der %1.").arg(ausgabeName);
    } else if (a == "--progordner") {
        if (!Wert(o.progOrdner))
            return "Nach --progordner fehlt der Ordner.";
    } else if (a.startsWith('-') && !(strichIstName && a.size() == 1)) {
        return QString("Unbekannte Option \"%1\".").arg(a);
    } else if (o.datei.isEmpty()) {
        o.datei = a;
    } else {
        return QString("Nur ein Themendokument angeben (\"%1\" ist zu viel).").arg(a);
    }
    return {};
}

QString TvlArgumente::Vollstaendig(const TvlDokumentArgumente &o) const
{
    if (o.datei.isEmpty() || o.ausgabe.isEmpty())
        return QString("Themendokument und %1 (-o) angeben.").arg(ausgabeName);
    return {};
}

int TvlAufrufFehler(const QString &fehler, const char *aufruf)
{
    TvlFehler(fehler);
    TvlFehler(QString("Aufruf: tvl ") + aufruf);
    return 2;
}
