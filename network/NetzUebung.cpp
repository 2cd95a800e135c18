// The classroom exercise: files, joining, reports, initiation, clean-up.
#include "NetzUebung.h"

#include "NetzDateien.h"

#include "BestListDatei.h"
#include "BestListen.h"
#include "Dateifehler.h"
#include "DelphiZeit.h"
#include "DokumentLaden.h"
#include "MailSlotNachricht.h"
#include "Note.h"
#include "Ordner.h"
#include "Uebung.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>

namespace {
const QString KeineUebungText =
    QStringLiteral("Zurzeit ist keine Netzwerk-Übung freigegeben.\r\n\r\n"
                   "Im Kommunikationsordner \"%1\" wurde keine Übung zum Kanal \"%2\" gefunden. "
                   "Bitte warten Sie, bis die Lehrkraft die Übung initiiert hat, und versuchen Sie es dann erneut.");
}

NetzUebung::NetzUebung(Uebung &e, DokumentZustand &d, IDokumentUmgebung &u, Dienste &di, BestListen &l, INetzFenster &f,
                       QObject *eltern)
    : QObject(eltern), TNMailSlot(di.meldungen, this), MasterMailslot(di.meldungen, this), engine(e), dok(d),
      umgebung(u), dienste(di), listen(l), fenster(f)
{
    TNMailSlot.SetMailBox(QStringLiteral("TVL-1"));
    TNMailSlot.SetCheckInterval(500);
    MasterMailslot.SetMailBox(QStringLiteral("TVL-1"));
    MasterMailslot.SetCheckInterval(150);
    connect(&MasterMailslot, &TMailSlot2::OnNewMessage, this, &NetzUebung::MasterMailslotNewMessage);
    AusgangVerbinden();
    engine.Netz = this;
}

NetzUebung::~NetzUebung()
{
    if (engine.Netz == this)
        engine.Netz = nullptr;
}

void NetzUebung::AusgangVerbinden()
{
    // A teacher's computer whose name does not resolve is said once in the
    // status line; the reports wait and go when it resolves.
    connect(&TNMailSlot.Ausgang(), &Versand::NichtErreichbar, this, [this](const QString &rechner) {
        fenster.NetzHinweis(QStringLiteral("Der Rechner der Lehrkraft \"") + rechner
                            + QStringLiteral("\" ist nicht erreichbar. Die Meldungen werden nachgereicht, sobald er "
                                             "erreichbar ist."));
    });
    connect(&TNMailSlot.Ausgang(), &Versand::WiederErreichbar, this, [this] { fenster.NetzHinweis(QString()); });
}

void NetzUebung::AufloesungSetzen(std::shared_ptr<INamensAufloesung> aufloesung)
{
    TNMailSlot.AufloesungSetzen(std::move(aufloesung));
    AusgangVerbinden();
}

QString NetzUebung::KomOrdner()
{
    return Ordner().NetzKomOrdner;
}

QString NetzUebung::KomKanal()
{
    return Ordner().NetzKomKanal;
}

QString NetzUebung::Basis() const
{
    return NetzBasisName(Ordner().NetzKomOrdner, Ordner().NetzKomKanal);
}

bool NetzUebung::NetzUebungVorhanden() const
{
    return ::NetzUebungVorhanden(Basis());
}

QString NetzUebung::NeueKennung()
{
    // From the system's entropy, not the program's generator: that one is
    // seeded from the time of day, and two pupils' programs started in the
    // same millisecond would draw the same identifiers.
    QString k;
    k.reserve(TnGrenzen::KennungLaenge);
    for (int i = 0; i < TnGrenzen::KennungLaenge; ++i)
        k.append(QChar(u'A' + int(QRandomGenerator::system()->bounded(26u))));
    return k;
}

QString NetzUebung::StartZeitText() const
{
    return LangeZeitText(DelphiNachZeit(engine.Lauf.StartZeit).time());
}

void NetzUebung::Senden(const TnNachricht &n)
{
    TNMailSlot.Send(NetzUebungMaster, TnZeilen(n));
}

// ------------------------------------------------------------ participant

bool NetzUebung::NetzUebungBeitreten()
{
    const QString basis = Basis();
    // 1. Only a released exercise can be joined.
    if (!::NetzUebungVorhanden(basis))
        return false;
    // 2. Its document, without switching folders.
    if (!LadeDokument(dok, umgebung, *dienste.meldungen, basis + QStringLiteral(".tvl"), false))
        return false;
    fenster.DokumentGeladen();
    // 3. The initiator and the options.
    const QString datPfad = basis + QStringLiteral(".dat");
    QString master;
    UebOptionen opt;
    if (!NetzDatLesen(datPfad, master, opt)) {
        dienste.meldungen->Fehler(QStringLiteral("Fehler beim Einlesen der Datei \"") + datPfad + QStringLiteral("\""));
        return false;
    }
    NetzUebungMaster = master;
    // Once per join, off the window's thread: the reports that follow use
    // what it found.
    TNMailSlot.ZielVorbereiten(NetzUebungMaster);
    engine.Opt = opt;
    // 4. A new participation.
    TeilnehmerKennung = NeueKennung();
    Teilnehmername = GewaehlterName;
    engine.Lauf.StartZeit = ZeitNachDelphi(dienste.uhr->Jetzt());
    engine.Lauf.EndZeit = 0;
    // 5. The channel under the exercise's name. The participant only sends:
    // it listens on no port, so that it never holds the port a live view on
    // the same computer needs.
    TNMailSlot.SetActive(false);
    TNMailSlot.SetMailBox(Ordner().NetzKomKanal);
    // 6.
    TnNachricht n = Kopf(TnArt::Init);
    n.Name = Teilnehmername;
    n.StartZeitText = StartZeitText();
    Senden(n);
    // 7.
    return fenster.TeilnehmerLaufStarten();
}

TnNachricht NetzUebung::Kopf(TnArt art) const
{
    TnNachricht n;
    n.Art = art;
    n.Kennung = TeilnehmerKennung;
    return n;
}

void NetzUebung::AktionMelden()
{
    if (TeilnehmerKennung.isEmpty())
        return;
    const UebLauf &l = engine.Lauf;
    TnNachricht n = Kopf(TnArt::Aktion);
    n.AktZiel = l.AktZiel;
    if (l.AktZiel >= 0 && l.AktZiel < dok.Dok.Objekte.size()) {
        n.Abdeckung = dok.Dok.Objekte[l.AktZiel].Abdeckung;
        n.FehlerAlsZiel = dok.Dok.Objekte[l.AktZiel].FehlerAlsZiel;
    }
    n.Endestatus = l.Endestatus;
    n.StartZeitText = StartZeitText();
    n.AnzFragen = l.AnzFragen;
    n.AnzRichtig = l.AnzRichtig;
    n.AnzFalsch = l.AnzFalsch;
    n.AnzOffen = l.AnzOffen;
    n.UhrText = engine.UhrLabText();
    n.Erfolgsquote = l.Erfolgsquote * 100.0;
    n.Gesamtleistung = l.Gesamtleistung * 100.0;
    n.Schulnote = NoteBerechnen(l.Gesamtleistung);
    Senden(n);
}

void NetzUebung::EndeMelden(bool)
{
    // Whether the list record follows is the run's end status.
    NetzUebEndeMelden();
}

void NetzUebung::NetzUebEndeMelden()
{
    if (TeilnehmerKennung.isEmpty())
        return;
    const UebLauf &l = engine.Lauf;
    TnNachricht f = Kopf(TnArt::Fertig);
    f.Endestatus = l.Endestatus;
    f.UhrText = engine.UhrLabText();
    Senden(f);
    if (l.Endestatus != EndeArt::Fertig && l.Endestatus != EndeArt::Zeitlimit)
        return;
    // The pause keeps the two datagrams apart; the sender waits, not the window.
    TnNachricht b = Kopf(TnArt::Bestlist);
    b.Name = Teilnehmername;
    b.Rechner = TNMailSlot.ComputerName;
    b.Beginn = l.StartZeit;
    b.Laufzeit = l.Laufzeit;
    b.Leistung = l.Gesamtleistung;
    TNMailSlot.Send(NetzUebungMaster, TnZeilen(b), 50);
}

void NetzUebung::NetzDokumentSchliessen()
{
    fenster.DokumentSchliessen();
}

void NetzUebung::Netzwerkuebung1Click()
{
    if (engine.Laeuft()) {
        dienste.meldungen->Information(QStringLiteral(
            "Um an einer Netzwerk-Übung teilnehmen zu können, muss die aktuelle Übung zunächst beendet werden. "
            "Wählen Sie \"Quiz abbrechen\", um die aktuelle Übung vorzeitig abzubrechen."));
        return;
    }
    if (engine.Lauf.NetzRolle == Rolle::Initiator) {
        dienste.meldungen->Information(
            QStringLiteral("Die Netzwerk-Übung wurde auf diesem Rechner initiiert. "
                           "Die Teilnahme an der Netzwerk-Übung muss an einem anderen Rechner erfolgen."));
        return;
    }
    if (!NetzUebungVorhanden()) {
        dienste.meldungen->Information(KeineUebungText.arg(Ordner().NetzKomOrdner, Ordner().NetzKomKanal));
        return;
    }
    QString name = GewaehlterName.isEmpty() ? TNMailSlot.UserName : GewaehlterName;
    if (!fenster.TeilnehmernameErfragen(name))
        return;
    GewaehlterName = name.trimmed().left(30);
    NetzUebungBeitreten();
}

void NetzUebung::TeilnahmeAbbrechen()
{
    if (engine.Lauf.NetzRolle != Rolle::Teilnehmer || !engine.Laeuft())
        return;
    engine.Lauf.Endestatus = EndeArt::Abgebrochen;
    NetzUebEndeMelden();
}

void NetzUebung::LernansichtGezeigt()
{
    TNMailSlot.SetActive(false);
}

// ------------------------------------------------------------ initiator

void NetzUebung::LaufOhneFrageBeenden()
{
    if (!engine.Laeuft())
        return;
    // A participant's run ends as aborted and is reported; the user has
    // agreed to leave it already.
    engine.Lauf.Endestatus = EndeArt::Abgebrochen;
    if (engine.Lauf.NetzRolle == Rolle::Teilnehmer)
        NetzUebEndeMelden();
    fenster.LaufVerlassen();
}

void NetzUebung::Netzwerkuebunginitiieren1Click()
{
    if (!engine.DarfVerlassen())
        return;
    if (!fenster.DokumentGeladenIst()) {
        dienste.meldungen->Information(
            QStringLiteral("Bitte zuerst über das Menü \"Quizauswahl\" das gewünschte Quiz auswählen."));
        return;
    }
    UebOptionen opt;
    if (!fenster.NetzOptionenErfragen(opt))
        return;
    if (!InitiierenErlaubt())
        return;
    LaufOhneFrageBeenden();
    Initiieren(opt);
}

bool NetzUebung::InitiierenErlaubt()
{
    const QString basis = Basis();
    const bool warInitiator = engine.Lauf.NetzRolle == Rolle::Initiator;
    // The channel first: pupils report to this computer's port, so an
    // exercise released without it would report into the void, and the
    // program that holds it (this computer's other one) runs an exercise.
    TNMailSlot.SetActive(false);
    MasterMailslot.SetActive(false);
    MasterMailslot.SetMailBox(Ordner().NetzKomKanal);
    MasterMailslot.SetActive(true);
    if (!MasterMailslot.Active()) {
        dienste.meldungen->Warnung(
            QStringLiteral("Der Kanal \"") + MasterMailslot.MailBox()
            + QStringLiteral("\" ist auf diesem Rechner bereits belegt (UDP-Port ")
            + QString::number(MasterMailslot.Port())
            + QStringLiteral("). Die Übung wurde nicht freigegeben. Beenden Sie das andere Programm, das den Kanal "
                             "verwendet, und initiieren Sie die Übung erneut."));
        return false;
    }
    auto abbrechen = [&] {
        if (!warInitiator)
            MasterMailslot.SetActive(false);
        return false;
    };
    // Another computer's exercise on this channel (our own earlier one, one
    // this computer left behind, or a damaged data file is replaced without
    // asking).
    const QString datPfad = basis + QStringLiteral(".dat");
    const bool eigene = !eigeneBasis.isEmpty() && eigeneBasis == basis && DateiMarkeVon(datPfad) == eigeneDat;
    QString master;
    UebOptionen o;
    if (!eigene && NetzDatLesen(datPfad, master, o)
        && master.compare(MasterMailslot.ComputerName, Qt::CaseInsensitive) != 0
        && dienste.meldungen->JaNein(QStringLiteral("Auf diesem Kanal läuft bereits eine Netzwerk-Übung von ") + master
                                         + QStringLiteral(". Ersetzen?"),
                                     FrageArt::Warnung)
               != Antwort::Ja)
        return abbrechen();
    // Results of the class are not thrown away without a word.
    TBestList liste;
    if (BestListLesen(basis + QStringLiteral(".hsc"), liste) && !liste.isEmpty()
        && dienste.meldungen->JaNein(
               (liste.size() == 1
                    ? QStringLiteral("Das Ergebnis der Klassen-Bestenliste wird")
                    : QStringLiteral("Die %1 Ergebnisse der Klassen-Bestenliste werden").arg(liste.size()))
                   + QStringLiteral(" beim Initiieren gelöscht, und die Kontrollanzeige wird geleert. Fortfahren?"),
               FrageArt::Warnung)
               != Antwort::Ja)
        return abbrechen();
    return true;
}

bool NetzUebung::Initiieren(const UebOptionen &opt)
{
    const QString basis = Basis();
    engine.Opt = opt;
    listen.BestList.clear();
    QFile::remove(basis + QStringLiteral(".hsc"));
    // A participant may still find the previous release: it goes first.
    QFile::remove(basis + QStringLiteral(".okx"));
    eigeneBasis.clear();
    auto ohneKanal = [&] {
        if (engine.Lauf.NetzRolle != Rolle::Initiator)
            MasterMailslot.SetActive(false);
        return false;
    };
    if (!SpeichereDokument(dok, umgebung, *dienste.meldungen, basis + QStringLiteral(".tvl"), false))
        return ohneKanal();
    const QString datPfad = basis + QStringLiteral(".dat");
    if (!NetzDatSchreiben(datPfad, MasterMailslot.ComputerName, opt)) {
        ZeigeSchreibFehler(*dienste.meldungen, datPfad);
        return ohneKanal();
    }
    eigeneBasis = basis;
    eigeneDat = DateiMarkeVon(datPfad);
    // This computer is the initiator from now on and listens on the channel.
    Kontrolle.Beginnen(dienste.uhr->Jetzt().toMSecsSinceEpoch(), opt.ZeitLimitIndex == 1);
    eingetragen = 0;
    engine.Lauf.NetzRolle = Rolle::Initiator;
    // The release marker last: nobody joins before the files are complete.
    if (!FreigabeAnlegen(basis))
        ZeigeSchreibFehler(*dienste.meldungen, basis + QStringLiteral(".okx"));
    fenster.BefehlsstatusAktualisieren();
    fenster.KontrollanzeigeZeigen();
    return true;
}

void NetzUebung::EigeneDateienLoeschen()
{
    if (!eigeneBasis.isEmpty() && DateiMarkeVon(eigeneBasis + QStringLiteral(".dat")) == eigeneDat)
        NetzUebungsDateienLoeschen(eigeneBasis);
    eigeneBasis.clear();
}

bool NetzUebung::NetzUebungBeenden(bool mitBestaetigung)
{
    if (mitBestaetigung && engine.Lauf.NetzRolle == Rolle::Initiator
        && dienste.meldungen->JaNein(
               QStringLiteral("Netzwerk-Übung beenden?\r\nÜbungsteilnehmer können die laufende Übung noch zu Ende "
                              "bearbeiten, die Kontrollanzeige wird jedoch nicht mehr aktualisiert."),
               FrageArt::Frage)
               == Antwort::Nein)
        return false;
    engine.Lauf.NetzRolle = Rolle::Einzeln;
    MasterMailslot.SetActive(false);
    EigeneDateienLoeschen();
    fenster.BefehlsstatusAktualisieren();
    return true;
}

void NetzUebung::LehrerNetzwerkUebungbeenden1Click()
{
    if (engine.Lauf.NetzRolle == Rolle::Initiator) {
        NetzUebungBeenden(true);
        return;
    }
    MasterMailslot.SetActive(false);
    dienste.meldungen->Information(QStringLiteral("Es ist keine Netzwerk-Übung aktiv."));
}

void NetzUebung::NetzwerkbungKontrollanzeige1Click()
{
    fenster.KontrollanzeigeZeigen();
}

void NetzUebung::MasterMailslotNewMessage(TMailSlot2 *, const QString &computer, const QString &userName,
                                          const QString &text)
{
    TnNachricht n;
    if (engine.Lauf.NetzRolle != Rolle::Initiator || !TnLesen(NachrichtZeilen(text), n)) {
        ++verworfen;
        Kontrolle.Unlesbar();
        Messung.Verworfen(verworfen);
        return;
    }
    const bool eintragen = Kontrolle.Verarbeiten({computer, userName, MasterMailslot.Absender()}, n,
                                                 dienste.uhr->Jetzt().toMSecsSinceEpoch());
    const KontrollModell::Zeile *z = Kontrolle.ZeileVon(n.Kennung);
    if (Messung.Aktiv() && z)
        Messung.Genommen(n.Kennung, z->AnzRichtig + z->AnzFalsch, int(z->Status));
    if (!eintragen || !z)
        return;
    // The first list report of a participation becomes one record of the
    // class list; the second one of a time-limit end is not entered again.
    // The computer is the one the participation joined from.
    BestListDatensatz d;
    d.Name = n.Name.trimmed().isEmpty() ? QStringLiteral("(kein Name)") : n.Name;
    d.Rechner = z->Rechner;
    d.Beginn = n.Beginn;
    d.Dauer = n.Laufzeit;
    d.Leistung = n.Leistung;
    listen.NetzDatensatz = d;
    if (listen.ErgebnisEintragen(true, QString(), d))
        ++eingetragen;
}

void NetzUebung::ProgrammEnde()
{
    TNMailSlot.SetActive(false);
    MasterMailslot.SetActive(false);
    // A pupil's or an idle program leaves the class's exercise alone.
    EigeneDateienLoeschen();
}
