// Moving between topic documents: topics, folders, start page, save prompt.
#include "ThemenNavigation.h"

#include "DokumentLaden.h"
#include "DokumentModell.h"
#include "Meldungen.h"
#include "Ordner.h"

#include <QDir>
#include <QFileInfo>

ThemenNavigation::ThemenNavigation(DokumentZustand &zustand, ProgrammOrdner &ordner, IMeldungen &meldungen,
                                   IDokumentUmgebung &dokUmgebung, INavigationsFenster &f, TitelLeser leser)
    : z(zustand), o(ordner), m(meldungen), umgebung(dokUmgebung), fenster(f), leseTitel(std::move(leser))
{
}

bool ThemenNavigation::Laden(const QString &pfad)
{
    OeffnenDatei = pfad;
    return LadeDokument(z, umgebung, m, OeffnenDatei, true);
}

void ThemenNavigation::BaueThemenliste()
{
    z.ThemenIndex = -1;
    const QString ordner = Geladen() ? MitSchraegstrich(QFileInfo(z.Dok.DateiName).absolutePath()) : o.AktOrdner;
    liste = ThemenEinlesen(ordner, leseTitel);
    const int haken = ThemenIndexVon(liste, z.Dok.DateiName);
    z.ThemenIndex = haken;
    fenster.ThemenMenueSetzen(liste, ThemenSpaltenUmbruch(int(liste.size())), haken);
    SchreibeTitelzeile();
}

void ThemenNavigation::SchreibeTitelzeile()
{
    QString fensterTitel = "Brinvale Pennoria";
    QString label;
    // A new document has no file before it is saved, and is shown all the same.
    if (Geladen() || z.Dok.Geaendert) {
        fensterTitel += " - " + z.Dok.Titel;
        const QString titel = z.Dok.Titel.trimmed().isEmpty() ? QStringLiteral("(ohne Titel)") : z.Dok.Titel;
        label = (z.ThemenIndex < 0 ? QStringLiteral(" ") : QString()) + titel + " ("
                + QString::number(z.Dok.AnzFrageNummern) + " Fragen)";
    } else {
        label = QStringLiteral("Wählen Sie im Menü \"Quizauswahl\" das gewünschte Thema aus.");
    }
    fenster.TitelSetzen(fensterTitel, label);
}

void ThemenNavigation::WaehleThema(int i)
{
    // The menu checks a clicked item by itself; whatever happens here, the
    // checkmark ends up at ThemenIndex (a topic that failed to load, or a
    // guard that said no, keeps the old one).
    if (i >= 0 && i < liste.size() && VerlasseDokument()) {
        const QString pfad = liste[i].Pfad;
        Laden(pfad);
        if (z.Dok.DateiName == pfad) {
            z.ThemenIndex = i;
            SchreibeTitelzeile();
        }
    }
    fenster.ThemaAnhaken(z.ThemenIndex);
}

bool ThemenNavigation::VerlasseDokument()
{
    return fenster.QuizWirklichAbbrechen() && SpeicherAbfrage();
}

bool ThemenNavigation::SpeicherAbfrage()
{
    if (!z.Dok.Geaendert)
        return true;
    const QString text = z.Dok.DateiName.isEmpty() ? QStringLiteral("Änderungen speichern?")
                                                   : QStringLiteral("Änderungen unter \"") + z.Dok.DateiName
                                                         + QStringLiteral("\" speichern?");
    switch (m.JaNeinAbbrechen(text)) {
    case Antwort::Ja:
        // A save that failed or was cancelled keeps the document: going on
        // would throw away the changes the user just asked to keep.
        return fenster.Speichern();
    case Antwort::Nein:
        return true;
    default:
        return false;
    }
}

void ThemenNavigation::SchliesseDokument()
{
    DokumentLeeren(z, umgebung);
    BaueThemenliste();
    fenster.StartseiteNachSchliessen();
}

void ThemenNavigation::Startseite()
{
    if (!VerlasseDokument())
        return;
    if (!o.StartDokument.isEmpty()) {
        Laden(o.StartDokument);
        BaueThemenliste();
    } else {
        o.AktOrdner = o.StartOrdner;
        OeffnenOrdner = o.AktOrdner;
        SchliesseDokument();
    }
}

void ThemenNavigation::ZuletztAngezeigtesDokument()
{
    if (fenster.Modus() != AnsichtArt::Startseite || o.VorigesDokument.isEmpty())
        return;
    // Loading moves the current file name into VorigesDokument, so the
    // target must be taken first.
    const QString ziel = o.VorigesDokument;
    Laden(ziel);
    BaueThemenliste();
}

void ThemenNavigation::VorigesThema()
{
    if (fenster.Modus() != AnsichtArt::Startseite)
        return;
    const int ziel = liste.isEmpty() ? -1 : qMax(z.ThemenIndex - 1, 0);
    if (ziel != z.ThemenIndex)
        WaehleThema(ziel);
}

void ThemenNavigation::NaechstesThema()
{
    if (fenster.Modus() != AnsichtArt::Startseite)
        return;
    const int ziel = liste.isEmpty() ? -1 : qMin(z.ThemenIndex + 1, int(liste.size()) - 1);
    if (ziel != z.ThemenIndex)
        WaehleThema(ziel);
}

void ThemenNavigation::Oeffnen()
{
    if (!VerlasseDokument())
        return;
    QString ordner, datei;
    if (Geladen()) {
        ordner = MitSchraegstrich(QFileInfo(z.Dok.DateiName).absolutePath());
        datei = z.Dok.DateiName;
    } else {
        ordner = o.AktOrdner;
    }
    QString gewaehlt;
    if (!fenster.DateiWaehlen(ordner, datei, gewaehlt))
        return;
    Laden(gewaehlt);
    BaueThemenliste();
}

QString ThemenNavigation::AnzahlText(int anzahl)
{
    return QString::number(anzahl) + " Themendokument(e) eingelesen.\r\n"
           + QStringLiteral("Wählen Sie das gewünschte Dokument im Menü \"Themenauswahl\".");
}

void ThemenNavigation::OrdnerWaehlen()
{
    QString gewaehlt;
    if (!fenster.OrdnerWaehlen(o.AktOrdner, gewaehlt))
        return;
    o.AktOrdner = MitSchraegstrich(gewaehlt);
    OeffnenOrdner = o.AktOrdner;
    SchliesseDokument();
    m.Information(AnzahlText(int(liste.size())));
}

void ThemenNavigation::OrdnerNeuEinlesen()
{
    BaueThemenliste();
    m.Information(AnzahlText(int(liste.size())));
}

void ThemenNavigation::Schliessen()
{
    if (VerlasseDokument())
        SchliesseDokument();
}

void ThemenNavigation::DokumentLinkFolgen(const QString &capRoh)
{
    if (!SpeicherAbfrage())
        return;
    // Links written on the original platform use backslashes.
    QString cap = capRoh;
    cap.replace('\\', '/');
    if (!cap.isEmpty() && cap.endsWith('/') && !o.AktOrdner.isEmpty() && QFileInfo(o.AktOrdner + cap).isDir()) {
        o.AktOrdner = MitSchraegstrich(QDir::cleanPath(o.AktOrdner + cap));
        OeffnenOrdner = o.AktOrdner;
        SchliesseDokument();
        return;
    }
    QStringList kandidaten;
    if (Geladen())
        kandidaten << MitSchraegstrich(QFileInfo(z.Dok.DateiName).absolutePath()) + cap;
    kandidaten << o.StartOrdner + cap << o.ProgOrdner + cap << cap;
    for (const QString &k : kandidaten) {
        // Topic documents only: a link never opens a folder or other file here.
        if (!cap.isEmpty() && QFileInfo(k).isFile()) {
            Laden(k);
            BaueThemenliste();
            return;
        }
    }
    m.Fehler("Die Datei \"" + capRoh + "\" existiert nicht.");
}
