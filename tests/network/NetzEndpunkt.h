// One computer of a class exercise in a test: an engine over its own
// document with recording services, and the network exercise on top.
#pragma once
#include "../exercise/UebTestUmgebung.h"

#include "BestListen.h"
#include "DokumentUmgebung.h"
#include "NetzFenster.h"
#include "NetzUebung.h"

#include <QImage>
#include <QTemporaryDir>

#include <memory>

struct NetzEndpunkt;

class TestNetzFenster : public INetzFenster
{
public:
    explicit TestNetzFenster(NetzEndpunkt &e) : e(e) {}
    bool optionenOk = true;
    UebOptionen optionen;
    bool nameOk = true;
    QString name = "Anna";
    QString namensVorschlag;
    int geladen = 0, geschlossen = 0, befehlsstatus = 0, kontrollanzeigen = 0, verlassen = 0;

    bool TeilnehmerLaufStarten() override;
    void LaufVerlassen() override;
    bool NetzOptionenErfragen(UebOptionen &opt) override
    {
        opt = optionen;
        return optionenOk;
    }
    bool TeilnehmernameErfragen(QString &n) override
    {
        namensVorschlag = n;
        n = name;
        return nameOk;
    }
    void DokumentGeladen() override { ++geladen; }
    void DokumentSchliessen() override { ++geschlossen; }
    void BefehlsstatusAktualisieren() override { ++befehlsstatus; }
    void KontrollanzeigeZeigen() override { ++kontrollanzeigen; }
    QStringList hinweise;
    void NetzHinweis(const QString &text) override { hinweise << text; }
    bool DokumentGeladenIst() override;

private:
    NetzEndpunkt &e;
};

struct NetzEndpunkt : UebTest
{
    StilleDokumentUmgebung dokUmgebung;
    BestListen listen{umg.dienste};
    TestNetzFenster fenster{*this};
    NetzUebung netz{ueb, dok, dokUmgebung, umg.dienste, listen, fenster};

    NetzEndpunkt(const QString &rechner, int portBasis)
    {
        for (TMailSlot2 *s : {&netz.TNMailSlot, &netz.MasterMailslot}) {
            s->PortBasis = portBasis;
            s->ComputerName = rechner;
            s->UserName = "lehrer";
        }
        ueb.Einst.Rechnername = rechner;
    }

    // The class quiz of the tests: single questions over a small white picture.
    void QuizGeben(const QString &titel = "Klassenquiz",
                   const QStringList &zeilen = {"Frage A // Aa", "Frage B // Bb", "Frage C // Cc"})
    {
        dok.Dok = EinzelfragenDok(zeilen, titel);
        dok.Dok.BasisBild = QImage(8, 8, QImage::Format_RGB32);
        dok.Dok.BasisBild.fill(Qt::white);
    }

    // A pupil's program on another computer, on this teacher's channel.
    std::unique_ptr<NetzEndpunkt> Schueler(const QString &rechner, const QString &name) const
    {
        auto s = std::make_unique<NetzEndpunkt>(rechner, netz.MasterMailslot.PortBasis);
        s->netz.TNMailSlot.UserName = name.toLower();
        s->fenster.name = name;
        return s;
    }
};

inline bool TestNetzFenster::TeilnehmerLaufStarten()
{
    return e.ueb.UebungStarten({.rolle = Rolle::Teilnehmer});
}

inline void TestNetzFenster::LaufVerlassen()
{
    ++verlassen;
    e.ueb.UebungVerlassen();
}

inline bool TestNetzFenster::DokumentGeladenIst()
{
    return !e.dok.Dok.DateiName.isEmpty();
}
