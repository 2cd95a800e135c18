// The start of a quiz on a cloze document of 69 000 gaps (about 4 MiB of text), with the quiz's widgets on a
// bare panel and the real scene: from "Quiz starten" to the first question shown, in each of the three
// ways of asking. Reports the peak memory of the process after the start as "SpitzeMiB".
#include "Nummerierung.h"
#include "Szene.h"
#include "TestDienste.h"
#include "UebungsSteuerung.h"

#include <QWidget>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

// The main window as the quiz sees it: the mode only, every option off.
struct Fenster : IQuizFenster
{
    AnsichtArt modus = AnsichtArt::Startseite;
    AnsichtArt Modus() const override { return modus; }
    void QuizModusSetzen() override { modus = AnsichtArt::Quiz; }
    void StartseiteZeigen() override { modus = AnsichtArt::Startseite; }
    void AktualisiereKnoepfe() override {}
    void UebungenBtnLoesen() override {}
    void UebungPanPlatzieren() override {}
    void BildGroesseSetzen(QSize) override {}
    void NummerierungErneuern() override {}
    bool TonausgabeAn() const override { return false; }
    bool NameEingabeAn() const override { return false; }
    bool AutoProtSpeichernAn() const override { return false; }
    bool ErgebBestListEintragenAn() const override { return false; }
    QString ProtOrdner() const override { return {}; }
};

// Sentences of about 60 characters, each with one gap, as a long cloze text holds them.
Dokument Lueckendokument(int luecken)
{
    Dokument d;
    d.DokTyp = DokArt::Lueckentext;
    d.Titel = QStringLiteral("Viele Lücken");
    QString text;
    text.reserve(qsizetype(luecken) * 64);
    for (int i = 0; i < luecken; ++i) {
        const QString wort = QStringLiteral("Wort%1").arg(i);
        text += QStringLiteral("Im Satz Nummer %1 steht an dieser Stelle <<%2>> im Text. ").arg(i).arg(wort);
        DokObjekt o;
        o.Typ = ObjektTyp::Luecke;
        o.Cap = wort;
        o.KAusr = 2;
        o.TAusr = 1;
        o.Sx = o.Kx = o.Sy = o.Ky = 0.5;
        d.Objekte << o;
    }
    d.Lueckentext = text;
    d.AnzFrageNummern = AbdeckbareAnzahl(d);
    d.BasisBild = QImage(870, 600, QImage::Format_RGB32);
    d.BasisBild.fill(Qt::white);
    return d;
}

double SpitzeMiB()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return double(r.ru_maxrss) / 1024.0;
}

// Argument: the way of asking (0 texts and targets free, 1 a text given, 2 a position given).
void BM_QuizStartVieleLuecken(benchmark::State &state)
{
    static const Dokument vorlage = Lueckendokument(69000);
    TestMeldungen meldungen;
    TestUhr uhr;
    StdZufall zufall{7};
    TestKlang klang;
    Dienste dienste{&meldungen, &uhr, &zufall, &klang, nullptr};
    DokumentZustand dok;
    dok.Dok = vorlage;
    QWidget pan;
    pan.resize(900, 560);
    Szene szene{dok, dienste};
    Fenster fenster;
    UebungsSteuerung quiz(dok, dienste, szene, fenster, UebungsSteuerung::Flaechen{&pan, {}}, nullptr);
    UebOptWerte werte;
    werte.AbfrageModus = int(state.range(0));
    quiz.OptWerteSetzen(werte);
    for (auto _ : state) {
        if (!quiz.UebungStarten({}))
            state.SkipWithError("Der Quiz-Start ist gescheitert.");
        state.PauseTiming();
        quiz.UebungVerlassen();
        state.ResumeTiming();
    }
    state.counters["SpitzeMiB"] = SpitzeMiB();
}
BENCHMARK(BM_QuizStartVieleLuecken)->DenseRange(0, 2)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
