// The exercise tests' scene, recording surface and engine set-up.
#pragma once
#include "ErgebnisHauptfenster.h"
#include "TestDienste.h"
#include "Uebung.h"

#include <QStringList>

#include <cmath>
#include <map>

// The scene for tests: the picture fills a 600 x 400 area at the top-left
// of UebungPan; every label box is 0.08 x 0.04 of the picture to the right
// of its reference point.
class TestAnsicht : public IUebAnsicht
{
public:
    DokumentZustand *dok = nullptr;
    int aufbauten = 0, neuZeichnungen = 0;
    QList<int> einzelZeichnungen;
    int abfrageModus = -1;
    int position = -1;

    static constexpr int B = 600, H = 400;

    void SzeneAufbauen() override
    {
        ++aufbauten;
        for (DokObjekt &o : dok->Dok.Objekte)
            o.Rahmen = {o.Kx, o.Ky - 0.02, o.Kx + 0.08, o.Ky + 0.02};
    }
    void ObjekteNeuZeichnen() override { ++neuZeichnungen; }
    void ObjektNeuZeichnen(int index) override { einzelZeichnungen << index; }
    void NummerierungErneuern() override {}
    void ZoomZuruecksetzen() override {}
    void ZeigerWerkzeugWaehlen() override {}
    void QuizZustandSetzen(int modus, const FragenListe &, int pos) override
    {
        abfrageModus = modus;
        position = pos;
    }
    QPoint BildNachPanel(double fx, double fy) override
    {
        return QPoint(int(std::lround(fx * B)), int(std::lround(fy * H)));
    }
    QPointF PanelNachBild(QPoint p) override { return QPointF(double(p.x()) / B, double(p.y()) / H); }
};

class TestOberflaeche : public IUebOberflaeche
{
public:
    UebOptWerte werte;
    int modus = 2;
    bool timer = false;
    bool nameOk = true;
    QString name = "Anna";
    int namensDialoge = 0;
    int optionenDialoge = 0;
    int gestartet = 0; // UebungGestartet calls
    bool optionenOk = true;
    UebOptWerte optionenNeu; // what the user sets in the options window
    bool optionenAendern = false;
    int ergebnisse = 0;
    int btnGeloest = 0;
    QSize pan{900, 560};
    UebStatus status;
    QStringList zeitTexte;             // every clock text shown, in order
    std::map<int, Antwortfeld> felder; // what the widgets show
    std::vector<Antwortfeld> verlauf;  // every panel update, in order
    QRect anker;
    bool ankerSichtbar = false;
    QString zaehler;
    QString anweisung;
    std::function<void()> beiErgebnis;
    // With a clock: when each panel update and each status word came.
    IUhr *uhr = nullptr;
    std::vector<qint64> verlaufZeiten;
    std::vector<std::pair<qint64, QString>> statusWorte;
    std::vector<std::pair<QString, AnsageArt>> ansagen;

    UebOptWerte OptionWerte() override { return werte; }
    bool NamenErfragen(QString &n) override
    {
        ++namensDialoge;
        n = name;
        return nameOk;
    }
    bool OptionenDialogZeigen() override
    {
        ++optionenDialoge;
        if (optionenAendern)
            werte = optionenNeu;
        return optionenOk;
    }
    AnsichtArt AnsichtModus() override { return AnsichtArt(modus); }
    void QuizModusSetzen() override { modus = 3; }
    void StartseiteZeigen() override
    {
        modus = 2;
        timer = false;
    }
    void KnoepfeAktualisieren() override {}
    void UebungenBtnLoesen() override { ++btnGeloest; }
    QSize UebungPanPlatzieren() override { return pan; }
    QSize UebungPanGroesse() override { return pan; }
    void BildBreiteSetzen(int) override {}
    void UebungPanZeigen() override {}
    void UebungGestartet() override { ++gestartet; }
    void AnweisungZeichnen(const QString &text, int, bool) override { anweisung = text; }
    void ZeitTimerSetzen(bool an) override { timer = an; }
    void NachrichtenVerarbeiten() override {}
    void StatusSetzen(const UebStatus &s) override
    {
        if (!s.UebZeitLab.isEmpty() && (zeitTexte.isEmpty() || zeitTexte.last() != s.UebZeitLab))
            zeitTexte << s.UebZeitLab;
        if (uhr && (statusWorte.empty() || statusWorte.back().second != s.UebStatLab))
            statusWorte.emplace_back(uhr->Ticks(), s.UebStatLab);
        status = s;
    }
    void FrageZaehlerSetzen(const QString &caption, QPoint, bool) override { zaehler = caption; }
    void FeldAnlegen(const Antwortfeld &f, bool) override { felder[f.Index] = f; }
    void FeldAktualisieren(const Antwortfeld &f, bool) override
    {
        felder[f.Index] = f;
        verlauf.push_back(f);
        verlaufZeiten.push_back(uhr ? uhr->Ticks() : 0);
    }
    void FeldNachVorn(int) override {}
    void FeldEntfernen(int i) override { felder.erase(i); }
    void UebMoveAnkerSetzen(const QRect &r, bool s) override
    {
        anker = r;
        ankerSichtbar = s;
    }
    void Ansagen(const QString &text, AnsageArt art) override { ansagen.emplace_back(text, art); }
    void ErgebnisAnzeigen() override
    {
        ++ergebnisse;
        if (beiErgebnis)
            beiErgebnis();
    }
};

// The main window as the end of a run sees it: answers the two menu
// options and counts the calls.
class TestHauptfenster : public IErgebnisHauptfenster
{
public:
    bool vorJederUebung = true;
    bool eintragen = true;
    int dargestellt = 0, autoGespeichert = 0, gezeigt = 0, ordnerFenster = 0, optionenFragen = 0;
    std::function<void()> beiOptionenFrage;

    void ProtokollDarstellen() override { ++dargestellt; }
    void ProtokollAutoSpeichern() override { ++autoGespeichert; }
    void ProtokollZeigen() override { ++gezeigt; }
    bool ErgebBestListEintragenAktiv() override { return eintragen; }
    void OrdnerFensterZeigen() override { ++ordnerFenster; }
    bool OptionenVorJederUebung() override
    {
        ++optionenFragen;
        if (beiOptionenFrage)
            beiOptionenFrage();
        return vorJederUebung;
    }
};

// One engine over one document with recording services.
struct UebTest
{
    TestUmgebung umg;
    DokumentZustand dok;
    TestAnsicht ansicht;
    TestOberflaeche ui;
    Uebung ueb{dok, umg.dienste, ansicht, ui};

    UebTest()
    {
        ansicht.dok = &dok;
        ui.uhr = &umg.uhr;
        ueb.Einst.Tonausgabe = false;
        ueb.Einst.Rechnername = "pc1";
        ueb.Einst.Benutzername = "anna";
    }

    // Visible panels' captions in index order.
    QStringList Sichtbare() const
    {
        QStringList l;
        for (const auto &[i, f] : ueb.Felder())
            if (f.Sichtbar)
                l << f.Caption;
        return l;
    }
    // The panel with the caption, a visible one first.
    int FeldMit(const QString &caption) const
    {
        int versteckt = -1;
        for (const auto &[i, f] : ueb.Felder())
            if (f.Caption == caption) {
                if (f.Sichtbar)
                    return i;
                if (versteckt < 0)
                    versteckt = i;
            }
        return versteckt;
    }
    // Index of the object with the caption and one of the question kinds.
    int ObjektMit(const QString &cap) const
    {
        for (int i = 0; i < dok.Dok.Objekte.size(); ++i) {
            const int t = dok.Dok.Objekte[i].Typ;
            if ((t == 0 || t == 3 || t == 10) && dok.Dok.Objekte[i].Cap == cap)
                return i;
        }
        return -1;
    }
    // The current single question's right answer.
    QString AktuelleAntwort() const { return dok.Dok.Objekte[ueb.Lauf.FragenFolge[ueb.Lauf.Position].ZielObjekt].Cap; }
    // Clicking an answer panel of a single question.
    void Antworten(const QString &caption)
    {
        const int i = FeldMit(caption);
        ueb.FeldGedrueckt(i, {});
        ueb.FeldLosgelassen(i);
    }
    // Dragging the panel of `text` onto the label of object `ziel`.
    void Ziehen(const QString &text, int ziel)
    {
        const int i = FeldMit(text);
        const Antwortfeld f = ueb.Felder().at(i);
        const QPoint griff = f.Rahmen.topLeft() + QPoint(5, 5);
        ueb.FeldGedrueckt(i, griff);
        const DokObjekt &o = dok.Dok.Objekte[ziel];
        // Left edge, half way down, just inside the label box.
        const QPoint ziel_links(int(std::lround((o.Rahmen.Left + 0.01) * TestAnsicht::B)),
                                int(std::lround((o.Rahmen.Top + o.Rahmen.Bottom) / 2 * TestAnsicht::H)));
        const QPoint neu = ziel_links - QPoint(0, f.Rahmen.height() / 2);
        ueb.FeldBewegt(i, griff + (neu - f.Rahmen.topLeft()));
        ueb.FeldLosgelassen(i);
    }
    // Drags every visible text onto its own label until the run ends.
    void AllesRichtig()
    {
        for (int runde = 0; runde < 100 && ui.ergebnisse == 0; ++runde)
            for (const QString &c : Sichtbare())
                if (ui.ergebnisse == 0 && FeldMit(c) >= 0 && ueb.Felder().at(FeldMit(c)).Sichtbar)
                    Ziehen(c, ObjektMit(c));
    }
    QStringList AblaufZeilen() const { return ueb.Lauf.ProtokollAblauf.split("\r\n", Qt::SkipEmptyParts); }
};

// A single-question document from "question // answer" lines.
Dokument EinzelfragenDok(const QStringList &zeilen, const QString &titel = "Fragen");
// A picture-labelling (typ 0) or cloze (typ 1) document whose labels lie in
// one column, top to bottom in the given order.
Dokument BildDok(const QStringList &texte, int typ = 0, const QString &titel = "Bild");
