// tvl hsc: a high-score list printed sorted, as a table or JSON.
#include "BestListDatei.h"
#include "BestListSortierung.h"
#include "BestListTabelle.h"
#include "Dateifehler.h"
#include "DelphiZeit.h"
#include "TvlBefehl.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

#include <cmath>

namespace {

QJsonValue Zahl(double v)
{
    return std::isfinite(v) ? QJsonValue(v) : QJsonValue(); // JSON has no NaN
}

QJsonValue Zeit(double delphi)
{
    const QDateTime t = DelphiNachZeit(delphi);
    return t.isValid() ? QJsonValue(t.toString(Qt::ISODate)) : QJsonValue();
}

QString Json(const TBestList &liste)
{
    QJsonArray a;
    for (const auto &e : liste) {
        QJsonObject o;
        o["Name"] = e.Name;
        o["Rechner"] = e.Rechner;
        o["Beginn"] = Zeit(e.Beginn);
        o["Ende"] = Zeit(e.Ende);
        o["Dauer"] = e.Dauer;
        o["Leistung"] = Zahl(e.Leistung);
        a.append(o);
    }
    return QString::fromUtf8(QJsonDocument(a).toJson(QJsonDocument::Indented));
}

int Hsc(const QStringList &args)
{
    bool json = false;
    QString pfad;
    for (const QString &a : args) {
        if (a == "--json")
            json = true;
        else if (pfad.isEmpty() && !a.startsWith("--"))
            pfad = a;
        else {
            TvlFehler("Aufruf: tvl hsc [--json] DATEI.hsc");
            return 2;
        }
    }
    if (pfad.isEmpty()) {
        TvlFehler("Aufruf: tvl hsc [--json] DATEI.hsc");
        return 2;
    }
    if (!QFileInfo(pfad).isFile()) {
        TvlFehler(DateiFehltText(pfad));
        return 1;
    }
    // The same patience as the program: a writer may hold the list briefly.
    TBestList liste;
    bool gelesen = false;
    for (int versuch = 0; versuch < 5 && !gelesen; ++versuch) {
        gelesen = BestListLesen(pfad, liste);
        if (!gelesen)
            QThread::msleep(100);
    }
    if (!gelesen) {
        TvlFehler(LeseFehlerText(pfad));
        return 1;
    }
    BestListSortieren(liste);
    TvlAus(json ? Json(liste) : GridAlsText(BestListTabelle::Zeilen(liste)));
    return 0;
}

TvlRegistrierung registrierung({"hsc", "hsc [--json] DATEI.hsc   Bestenliste sortiert ausgeben", Hsc});

} // namespace
