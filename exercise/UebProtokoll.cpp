// The exercise protocol of a run: timed detail lines while it runs, the
// summary with settings and figures at its end.
#include "Uebung.h"

#include "Note.h"
#include "UebTexte.h"

#include "DelphiZeit.h"
#include "SystemDatum.h"

#include <QLocale>

void Uebung::ProtokollZeile(int teil, const QString &zeile, bool zeitstempel)
{
    QString &ziel = teil == 0 ? Lauf.ProtokollKopf : Lauf.ProtokollAblauf;
    if (zeitstempel) {
        qint64 ms = dienste.uhr->Ticks() - Lauf.StartTick;
        if (ms < 0)
            ms = 0;
        ziel += UhrText(int(ms / 1000)) + QStringLiteral(" - ");
    }
    ziel += zeile + QStringLiteral("\r\n");
}

QString Uebung::RichtigErgebnisText() const
{
    return status.RichtigLab + QStringLiteral("  ") + status.GesAnzLab;
}

QString Uebung::ZeitArtText() const
{
    return Opt.ZeitLimitIndex == 1 ? QStringLiteral("Verbliebene Zeit:") : QStringLiteral("Benötigte Zeit:");
}

static QString DatumZeit(double delphi)
{
    const QDateTime t = DelphiNachZeit(delphi);
    return KurzesDatum(t.date(), QLocale::system()) + QStringLiteral(" ")
           + t.time().toString(QStringLiteral("HH:mm:ss"));
}

void Uebung::ProtokollAbschliessen()
{
    // The summary is written once per run; a run that ends twice (time
    // limit while the end is shown) must not repeat it.
    if (!Lauf.ProtokollKopf.isEmpty())
        return;
    auto z = [this](const QString &t) { ProtokollZeile(0, t, false); };
    const bool einzel = Einzelfragen();

    z(QStringLiteral("<tit>Quiz-Protokoll"));
    z(QStringLiteral("Uhrzeit Beginn:\t") + DatumZeit(Lauf.StartZeit));
    z(QStringLiteral("Uhrzeit Ende:  \t") + DatumZeit(Lauf.EndZeit));
    QString name;
    if (Lauf.NetzRolle == Rolle::Einzeln)
        name = Lauf.Teilnehmername;
    else if (Lauf.NetzRolle == Rolle::Teilnehmer)
        name = Netz ? Netz->NetzTeilnehmername() : QString();
    else
        name = QStringLiteral("(Initiator der Netzwerk-Übung)");
    if (name.trimmed().isEmpty())
        name = QStringLiteral("(nicht angegeben)");
    z(QStringLiteral("Teilnehmername:\t") + name);
    z(QStringLiteral("Rechnername:\t") + Einst.Rechnername);
    z(QStringLiteral("Rechnerbenutzer:\t") + Einst.Benutzername);
    if (Lauf.NetzRolle == Rolle::Initiator && Netz) {
        z(QStringLiteral("Kommunikationsordner:\t") + Netz->KomOrdner());
        z(QStringLiteral("Kommunikationskanal:\t") + Netz->KomKanal());
    }
    z({});
    z(QStringLiteral("<tit>Übungseinstellungen"));
    z(QStringLiteral("Titel:\t") + dok.Dok.Titel);
    QString umfang;
    if (Lauf.AnzFragen == Lauf.AnzGesamt) {
        umfang = QString::number(Lauf.AnzFragen) + QStringLiteral(" Fragen (komplettes Quiz)");
    } else {
        umfang = QStringLiteral("%1 von %2 Fragen").arg(Lauf.AnzFragen).arg(Lauf.AnzGesamt);
        if (Umfang != UmfangArt::Zufallsauswahl)
            umfang += QStringLiteral(" (Teilwiederholung)");
    }
    z(QStringLiteral("Quiz-Umfang:\t") + umfang);

    auto wahl = [](int i, std::initializer_list<const char *> texte) {
        int k = 0;
        for (const char *t : texte)
            if (k++ == i)
                return QString::fromUtf8(t);
        return QString();
    };
    const QString zeitlimit = Opt.ZeitLimitIndex == 1 ? QStringLiteral("ja, ") + DauerText(Opt.ZeitLimitWert)
                                                      : QStringLiteral("nein");
    if (einzel) {
        z(QStringLiteral("Abfragemodus:\t")
          + wahl(Opt.ZuordnungFalsch,
                 {"solange wiederholen, bis jede Frage richtig beantwortet wurde", "jede Frage nur einmal stellen"}));
        z(QStringLiteral("Zeitlimit:\t") + zeitlimit);
        z(QStringLiteral("Antwortmöglichkeiten:\t")
          + wahl(Opt.Zuordnungstexte, {"alphabetisch geordnet", "zufällig gemischt"}));
        z(QStringLiteral("Reihenfolge der Fragen:\t") + wahl(Opt.Zuordnungsziele, {"geordnet", "zufällig gemischt"}));
    } else {
        z(QStringLiteral("Abfragemodus:\t")
          + wahl(Opt.AbfrageModus,
                 {"freie Zuordnung in beliebiger Reihenfolge", "Einzelabfrage Texte", "Einzelabfrage Positionen"}));
        z(QStringLiteral("Zeitlimit:\t") + zeitlimit);
        z(QStringLiteral("Verhalten bei richtiger Zuordnung:\t")
          + wahl(Opt.ZuordnungRichtig, {"Beschriftung einblenden", "grünes Häkchen setzen"}));
        z(QStringLiteral("Verhalten bei Fehlversuch:\t")
          + wahl(Opt.ZuordnungFalsch, {"beliebig viele Zuordnungsversuche erlaubt",
                                       "rotes Kreuz setzen, keine erneute Zuordnung an dieser Position"}));
        z(QStringLiteral("Zuordnungstexte:\t")
          + wahl(Opt.Zuordnungstexte, {"alphabetisch geordnet", "zufällig gemischt"}));
        z(QStringLiteral("Zuordnungsziele (Positionen):\t")
          + wahl(Opt.Zuordnungsziele, {"geordnet nummeriert", "zufällig gemischt nummeriert", "Fragezeichen"}));
    }
    z({});
    z(QStringLiteral("<tit>Statistik-Zusammenfassung"));
    z(QStringLiteral("Richtig zugeordnet:\t") + RichtigErgebnisText());
    z(QStringLiteral("Fehlversuche:\t") + QString::number(Lauf.AnzFalsch));
    z(QStringLiteral("Erfolgsquote:\t") + status.QuoteLab);
    z(QStringLiteral("Offene Fragen:\t") + QString::number(Lauf.AnzOffen));
    z(ZeitArtText() + QStringLiteral("\t") + status.UebZeitLab);
    z(QStringLiteral("Gesamtleistung:\t") + status.GesamtleistungLab);
    z(QStringLiteral("Bewertung:\t") + Noten::BewertungsWort(Lauf.Schulnote));
    z(QStringLiteral("Schulnote:\t") + QString::number(Lauf.Schulnote));
    z({});
    z(QStringLiteral("<tit>Detaillierter Ablauf"));
}

QString Uebung::ErgebnisKurztext() const
{
    return QStringLiteral("Quiz beendet\r\n\r\n") + QStringLiteral("Richtig beantwortet:\t") + RichtigErgebnisText()
           + QStringLiteral("\r\n") + QStringLiteral("Fehlversuche:\t") + status.FalschLab + QStringLiteral("\r\n")
           + QStringLiteral("Erfolgsquote:\t") + status.QuoteLab + QStringLiteral("\r\n") + ZeitArtText()
           + QStringLiteral("\t") + status.UebZeitLab + QStringLiteral("\r\n") + QStringLiteral("Offene Fragen:\t")
           + QString::number(Lauf.AnzOffen) + QStringLiteral("\r\n") + QStringLiteral("Gesamtleistung:\t")
           + status.GesamtleistungLab + QStringLiteral("\r\n") + QStringLiteral("Bewertung:\t")
           + Noten::BewertungsWort(Lauf.Schulnote) + QStringLiteral("\r\n") + QStringLiteral("Schulnote:\t")
           + QString::number(Lauf.Schulnote);
}

UebErgebnis Uebung::Ergebnis() const
{
    UebErgebnis e;
    e.NetzRolle = Lauf.NetzRolle;
    e.Umfang = Umfang;
    e.AnzFragen = Lauf.AnzFragen;
    e.AnzFalsch = Lauf.AnzFalsch;
    e.AnzOffen = Lauf.AnzOffen;
    e.Gesamtleistung = Lauf.Gesamtleistung;
    e.MitZeitLimit = Opt.ZeitLimitIndex == 1;
    e.RichtigText = status.RichtigLab;
    e.FalschText = status.FalschLab;
    e.QuoteText = status.QuoteLab;
    e.GesamtleistungText = status.GesamtleistungLab;
    e.UebZeitText = status.UebZeitLab;
    e.Teilnehmername = Lauf.Teilnehmername;
    e.StartZeit = DelphiNachZeit(Lauf.StartZeit);
    e.Laufzeit = Lauf.Laufzeit;
    return e;
}
