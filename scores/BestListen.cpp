// The high-score list: file paths, entering results with retries, loading, commands.
#include "BestListen.h"
#include "BestListDatei.h"
#include "BestListSortierung.h"
#include "Dateifehler.h"
#include "DelphiZeit.h"
#include "Dokument.h"
#include "Ordner.h"

#include <QFileInfo>
#include <QSysInfo>

namespace {
const char *kQuizWaehlen = "Bitte zuerst über das Menü \"Quizauswahl\" das gewünschte Quiz auswählen.";
}

BestListen::BestListen(Dienste &d) : dienste(d) {}

QString BestListen::IndividualPfad(const QString &dokDatei)
{
    return Ordner().BestListOrdner + QFileInfo(dokDatei).completeBaseName() + ".hsc";
}

QString BestListen::NetzPfad()
{
    return Ordner().NetzKomOrdner + Ordner().NetzKomKanal + "-" + "tvlnetzuebung.hsc";
}

BestListDatensatz BestListen::LaufDatensatz(const QString &teilnehmername, const QDateTime &startZeit, qint32 laufzeit,
                                            double gesamtleistung)
{
    BestListDatensatz d;
    d.Name = teilnehmername.trimmed().isEmpty() ? QStringLiteral("(kein Name)") : teilnehmername;
    d.Rechner = QSysInfo::machineHostName().left(255);
    d.Beginn = ZeitNachDelphi(startZeit);
    d.Dauer = laufzeit;
    d.Leistung = gesamtleistung;
    return d;
}

bool BestListen::ErgebnisEintragen(bool netz, const QString &dokDatei, const BestListDatensatz &lauf)
{
    const QString pfad = netz ? NetzPfad() : IndividualPfad(dokDatei);
    const BestListDatensatz &d = netz ? NetzDatensatz : lauf;
    for (int versuch = 0; versuch < Versuche; ++versuch) {
        if (BestListSchreiben(pfad, d))
            return true;
        dienste.uhr->Warten(WarteMs);
    }
    QString text = SchreibFehlerText(pfad);
    if (!netz)
        text += "\r\n\r\nDie Bestenliste konnte nicht gespeichert werden. Überprüfen Sie die Einstellungen "
                "unter \"Optionen | Ordner für Protokolle und Bestenlisten\".";
    dienste.meldungen->Fehler(text);
    return false;
}

bool BestListen::BestListLaden(bool netz, const QString &dokDatei)
{
    const QString pfad = netz ? NetzPfad() : IndividualPfad(dokDatei);
    if (!QFileInfo::exists(pfad)) {
        dienste.meldungen->Information(
            netz ? QStringLiteral("Die Bestenliste zur aktuellen Netzwerk-Übung enthält noch keine Einträge.")
                 : QStringLiteral("Zu diesem Quiz gibt es bisher keine Einträge in der Bestenliste. "
                                  "Überprüfen Sie ggf. die Einstellungen im Menü \"Optionen\", um die "
                                  "Bestenliste zu nutzen."));
        BestList.clear();
        return false;
    }
    for (int versuch = 0; versuch < Versuche; ++versuch) {
        if (BestListLesen(pfad, BestList))
            return true;
        dienste.uhr->Warten(WarteMs);
    }
    QString text = LeseFehlerText(pfad) + "\r\n\r\n";
    text += netz ? QStringLiteral("Möglicherweise existiert die Datei noch nicht, weil noch kein Teilnehmer "
                                  "das Quiz beendet hat.")
                 : QStringLiteral("Überprüfen Sie die Einstellungen im Menü \"Optionen\", um die Bestenliste "
                                  "zu nutzen. Möglicherweise existiert die Datei noch nicht, weil noch "
                                  "niemand das Quiz durchgeführt hat.");
    dienste.meldungen->Fehler(text);
    // A list that could not be read completely shows no rows.
    BestList.clear();
    return false;
}

void BestListen::BestListZeigen(bool netz, const Dokument *dok, IBestListAnzeige &anzeige)
{
    const bool geladen = dok && !dok->DateiName.isEmpty();
    if (!netz && !geladen) {
        dienste.meldungen->Information(QString::fromUtf8(kQuizWaehlen));
        return;
    }
    BestListLaden(netz, geladen ? dok->DateiName : QString());
    BestListSortieren(BestList);
    anzeige.BestListAnzeigen("Bestenliste - " + (dok ? dok->Titel : QString()), BestList);
}

void BestListen::BestenlisteBefehl(Rolle netzRolle, const Dokument *dok, IBestListAnzeige &anzeige)
{
    if (netzRolle == Rolle::Teilnehmer) {
        dienste.meldungen->Information(
            QStringLiteral("Während der Netzwerk-Übung ist die Bestenliste der Individual-Übung nicht einsehbar."));
        return;
    }
    BestListZeigen(false, dok, anzeige);
}
