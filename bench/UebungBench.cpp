// The quiz's answer path: from the release of a right answer to the next
// single question ready (counters, protocol line, status, distractors,
// layout and the scene's redraw), in a 200-question document. Sound is off
// and the feedback waits return at once, so they are not measured.
#include "Einzelfragen.h"
#include "Szene.h"
#include "Uebung.h"

#include <benchmark/benchmark.h>

namespace {

class OhneWarten : public IUhr
{
public:
    qint64 Ticks() override { return t; }
    QDateTime Jetzt() override { return QDateTime(QDate(2026, 12, 7), QTime(10, 0)); }
    void Warten(int) override {}
    qint64 t = 0;
};

class Stumm : public IKlang
{
public:
    bool Spielen(const QString &, bool) override { return true; }
    void Stoppen() override {}
};

class Still : public IMeldungen
{
public:
    void Information(const QString &) override {}
    void Fehler(const QString &) override {}
    Antwort JaNein(const QString &, FrageArt) override { return Antwort::Ja; }
    Antwort JaNeinAbbrechen(const QString &) override { return Antwort::Ja; }
};

// The main window's side without widgets; the scene is the real one.
struct Umgebung : IUebOberflaeche, IUebAnsicht
{
    DokumentZustand dok;
    OhneWarten uhr;
    StdZufall zufall{7};
    Stumm klang;
    Still meldungen;
    Dienste dienste{&meldungen, &uhr, &zufall, &klang, nullptr};
    Szene szene{dok, dienste};
    Uebung ueb{dok, dienste, *this, *this};
    AnsichtArt modus = AnsichtArt::Startseite;
    bool fertig = false;

    UebOptWerte OptionWerte() override { return {}; }
    bool NamenErfragen(QString &) override { return true; }
    AnsichtArt AnsichtModus() override { return modus; }
    void QuizModusSetzen() override { modus = szene.Zustand.AnsichtModus = AnsichtArt::Quiz; }
    void StartseiteZeigen() override { modus = szene.Zustand.AnsichtModus = AnsichtArt::Startseite; }
    void KnoepfeAktualisieren() override {}
    void UebungenBtnLoesen() override {}
    QSize UebungPanPlatzieren() override { return {1000, 600}; }
    QSize UebungPanGroesse() override { return {1000, 600}; }
    void BildBreiteSetzen(int b) override { szene.SteuerGroesse = QSize(b, 600); }
    void UebungPanZeigen() override {}
    void AnweisungZeichnen(const QString &, int, bool) override {}
    void ZeitTimerSetzen(bool) override {}
    void NachrichtenVerarbeiten() override {}
    void StatusSetzen(const UebStatus &) override {}
    void FrageZaehlerSetzen(const QString &, QPoint, bool) override {}
    void FeldAnlegen(const Antwortfeld &, bool) override {}
    void FeldAktualisieren(const Antwortfeld &, bool) override {}
    void FeldNachVorn(int) override {}
    void FeldEntfernen(int) override {}
    void UebMoveAnkerSetzen(const QRect &, bool) override {}
    void Ansagen(const QString &, AnsageArt) override {}
    void ErgebnisAnzeigen() override { fertig = true; }
    bool OptionenDialogZeigen() override { return true; }
    void UebungGestartet() override {}

    void SzeneAufbauen() override { szene.SzeneAufbauen(); }
    void ObjekteNeuZeichnen() override { szene.ObjekteNeuZeichnen(); }
    void ObjektNeuZeichnen(int i) override { szene.ObjektNeuZeichnen(i); }
    void NummerierungErneuern() override {}
    void ZoomZuruecksetzen() override {}
    void ZeigerWerkzeugWaehlen() override {}
    void QuizZustandSetzen(int m, const FragenListe &f, int p) override
    {
        szene.AbfrageModus = m;
        szene.FragenFolge = f;
        szene.AktFolgeIndex = p;
    }
    QPoint BildNachPanel(double fx, double fy) override { return szene.AnzeigePixel(fx, fy); }
    QPointF PanelNachBild(QPoint p) override { return szene.SteuerNachBruch(p); }

    Umgebung()
    {
        QStringList zeilen;
        for (int i = 0; i < 200; ++i)
            zeilen << QString("Frage Nummer %1 mit etwas Text? // Antwort %1").arg(i);
        dok.Dok.Fragentext = zeilen.join("\r\n");
        dok.Dok.BasisBild = QImage(870, 600, QImage::Format_RGB32);
        dok.Dok.BasisBild.fill(Qt::white);
        EinzelfragenAufbauen(dok.Dok);
        ueb.Einst.Tonausgabe = false;
    }

    int RichtigesFeld() const
    {
        const int q = ueb.Lauf.FragenFolge[ueb.Lauf.Position].ZielObjekt;
        for (const auto &[i, f] : ueb.Felder())
            if (f.Tag == q)
                return i;
        return -1;
    }
};

void BM_RichtigeAntwortBisNaechsteFrage(benchmark::State &state)
{
    Umgebung u;
    u.ueb.UebungStarten({});
    for (auto _ : state) {
        if (u.fertig) {
            state.PauseTiming();
            u.fertig = false;
            u.modus = AnsichtArt::Startseite;
            u.ueb.UebungStarten({});
            state.ResumeTiming();
        }
        const int i = u.RichtigesFeld();
        u.ueb.FeldGedrueckt(i, {});
        u.ueb.FeldLosgelassen(i);
    }
}
BENCHMARK(BM_RichtigeAntwortBisNaechsteFrage)->Unit(benchmark::kMillisecond);

} // namespace
