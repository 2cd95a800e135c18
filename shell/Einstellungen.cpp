// Reading and writing the user settings, each value checked on reading.
#include "Einstellungen.h"

#include "EinstellungsSpeicher.h"

namespace {
// A minutes or seconds edit holds at most two digits, 0 to 59.
void LeseZeitText(const EinstellungsSpeicher &sp, const QString &name, QString &ziel)
{
    QString t;
    if (!sp.LeseText(name, t))
        return;
    bool ok = false;
    const int z = t.toInt(&ok);
    if (ok && t.size() <= 2 && z >= 0 && z <= 59)
        ziel = t;
}

// Folder and channel values are used exactly as stored, but an empty one
// would send files to the working folder: it keeps the default.
void LeseOrdnerText(const EinstellungsSpeicher &sp, const QString &name, QString &ziel)
{
    QString t;
    if (sp.LeseText(name, t) && !t.isEmpty())
        ziel = t;
}

// The channel name becomes part of file names that are deleted at close,
// so it must not reach into another folder.
void LeseKanal(const EinstellungsSpeicher &sp, const QString &name, QString &ziel)
{
    QString t;
    if (sp.LeseText(name, t) && !t.isEmpty() && !t.contains('/') && !t.contains('\\') && t != "." && t != "..")
        ziel = t;
}
}

void LeseEinstellungen(QSettings &s, Einstellungen &e)
{
    const EinstellungsSpeicher sp(s);
    sp.LeseSchalter("Opt-Sound", e.OptSound);
    sp.LeseSchalter("Opt-UebNameEingabe", e.OptUebNameEingabe);
    sp.LeseSchalter("Opt-AutoProtSpeichern", e.OptAutoProtSpeichern);
    sp.LeseSchalter("Opt-ErgebBestListEintragen", e.OptErgebBestListEintragen);
    sp.LeseSchalter("Opt-ErweiterteFunktionen", e.OptErweiterteFunktionen);
    LeseOrdnerText(sp, "NetzKomOrdner", e.NetzKomOrdner);
    LeseKanal(sp, "NetzKomKanal", e.NetzKomKanal);
    LeseOrdnerText(sp, "Opt-ProtOrdner", e.ProtOrdner);
    LeseOrdnerText(sp, "Opt-BestListOrdner", e.BestListOrdner);
    LeseOrdnerText(sp, "Opt-ExportOrdner", e.ExportOrdner);
    UebOptWerte &u = e.UebOpt;
    sp.LeseZahl("UebOpt-AbfrageModus", u.AbfrageModus, 0, 2);
    sp.LeseZahl("UebOpt-Zeitlimit", u.ZeitLimit, 0, 1);
    LeseZeitText(sp, "UebOpt-ZLimitMin", u.ZLimitMin);
    LeseZeitText(sp, "UebOpt-ZLimitSek", u.ZLimitSek);
    sp.LeseZahl("UebOpt-ZuordnungRichtig", u.ZuordnungRichtig, 0, 1);
    sp.LeseZahl("UebOpt-ZuordnungFalsch", u.ZuordnungFalsch, 0, 1);
    sp.LeseZahl("UebOpt-Zuordnungstexte", u.Zuordnungstexte, 0, 1);
    sp.LeseZahl("UebOpt-Zuordnungsziele", u.Zuordnungsziele, 0, 2);
    sp.LeseZahl("UebOptFragen-ZuordnungFalsch", u.FragenZuordnungFalsch, 0, 1);
    sp.LeseZahl("UebOptFragen-Zuordnungstexte", u.FragenZuordnungstexte, 0, 1);
    sp.LeseZahl("UebOptFragen-Zeitlimit", u.FragenZeitlimit, 0, 1);
    LeseZeitText(sp, "UebOptFragen-ZLimitMin", u.FragenZLimitMin);
    LeseZeitText(sp, "UebOptFragen-ZLimitSek", u.FragenZLimitSek);
    sp.LeseZahl("UebOptFragen-Zuordnungsziele", u.FragenZuordnungsziele, 0, 1);
    sp.LeseSchalter("Arbeitsblatt-WortlisteBlatt", e.ArbeitsblattWortlisteBlatt);
}

void SchreibeEinstellungen(QSettings &s, const Einstellungen &e)
{
    EinstellungsSpeicher sp(s);
    sp.SchreibeSchalter("Opt-Sound", e.OptSound);
    sp.SchreibeSchalter("Opt-UebNameEingabe", e.OptUebNameEingabe);
    sp.SchreibeSchalter("Opt-AutoProtSpeichern", e.OptAutoProtSpeichern);
    sp.SchreibeSchalter("Opt-ErgebBestListEintragen", e.OptErgebBestListEintragen);
    sp.SchreibeSchalter("Opt-ErweiterteFunktionen", e.OptErweiterteFunktionen);
    sp.SchreibeText("NetzKomOrdner", e.NetzKomOrdner);
    sp.SchreibeText("NetzKomKanal", e.NetzKomKanal);
    sp.SchreibeText("Opt-ProtOrdner", e.ProtOrdner);
    sp.SchreibeText("Opt-BestListOrdner", e.BestListOrdner);
    // Only once a picture was saved: until then the store holds exactly
    // the values it always held.
    if (!e.ExportOrdner.isEmpty())
        sp.SchreibeText("Opt-ExportOrdner", e.ExportOrdner);
    const UebOptWerte &u = e.UebOpt;
    sp.SchreibeZahl("UebOpt-AbfrageModus", u.AbfrageModus);
    sp.SchreibeZahl("UebOpt-ZeitLimit", u.ZeitLimit);
    sp.SchreibeText("UebOpt-ZLimitMin", u.ZLimitMin);
    sp.SchreibeText("UebOpt-ZLimitSek", u.ZLimitSek);
    sp.SchreibeZahl("UebOpt-ZuordnungRichtig", u.ZuordnungRichtig);
    sp.SchreibeZahl("UebOpt-ZuordnungFalsch", u.ZuordnungFalsch);
    sp.SchreibeZahl("UebOpt-Zuordnungstexte", u.Zuordnungstexte);
    sp.SchreibeZahl("UebOpt-Zuordnungsziele", u.Zuordnungsziele);
    sp.SchreibeZahl("UebOptFragen-ZuordnungFalsch", u.FragenZuordnungFalsch);
    sp.SchreibeZahl("UebOptFragen-Zuordnungstexte", u.FragenZuordnungstexte);
    sp.SchreibeZahl("UebOptFragen-Zeitlimit", u.FragenZeitlimit);
    sp.SchreibeText("UebOptFragen-ZLimitMin", u.FragenZLimitMin);
    sp.SchreibeText("UebOptFragen-ZLimitSek", u.FragenZLimitSek);
    sp.SchreibeZahl("UebOptFragen-Zuordnungsziele", u.FragenZuordnungsziele);
    sp.SchreibeSchalter("Arbeitsblatt-WortlisteBlatt", e.ArbeitsblattWortlisteBlatt);
    s.sync();
}

QSettings *NeuerBenutzerSpeicher()
{
    return new QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brinvale", "Pennoria");
}
