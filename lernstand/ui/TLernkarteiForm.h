// TLernkarteiForm: the card box window ("Lernkartei").
#pragma once
#include "KartenRunde.h"

#include "Dienste.h"
#include "Dokument.h"

#include <QDialog>

#include <array>

class Lernstand;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;

// Rounds of flag cards for one pupil: the card shows the question's flag
// (or its text) large; the pupil chooses among six answers (keys 1 to 6) or
// uncovers the answer (Space) and rates it "gewusst" (1) or "nicht gewusst"
// (2). Feedback as in the quiz: colour with ✔ or ✘ and the sound; a right
// answer goes on by itself, after a wrong one Return goes on. Return also
// starts a round.
class TLernkarteiForm : public QDialog
{
    Q_OBJECT
public:
    TLernkarteiForm(Lernstand &stand, Dienste dienste, QWidget *eltern = nullptr);

    // Fills the choices before the window is shown: the documents (see
    // LernDokumente), the pupils in the store and the one to preselect,
    // the program folder (flags, sounds) and whether sound is on.
    void Vorbereiten(const QList<Dokument> &dokumente, const QStringList &schueler, const QString &vorgabe,
                     const QString &progOrdner, bool ton);

    KartenRunde &Runde() { return runde; }
    const KartenRunde &Runde() const { return runde; }
    bool RundeLaeuft() const { return laeuft; }

    QComboBox *SchuelerBox = nullptr;
    QComboBox *ThemaBox = nullptr;
    QComboBox *ArtBox = nullptr; // 0 choose among six, 1 uncover and rate
    QSpinBox *NeueBox = nullptr;
    QSpinBox *AnzahlBox = nullptr;
    QPushButton *StartBtn = nullptr;
    QLabel *StandLab = nullptr;
    QLabel *BildLab = nullptr;
    QLabel *AntwortLab = nullptr;
    QLabel *RueckmeldungLab = nullptr;
    std::array<QPushButton *, KartenRunde::Auswahlgroesse> WahlBtn{};
    QPushButton *AufdeckenBtn = nullptr;
    QPushButton *GewusstBtn = nullptr;
    QPushButton *NichtGewusstBtn = nullptr;
    QPushButton *WeiterBtn = nullptr;
    QTimer *WeiterTimer = nullptr;

    // The actions the keys and buttons lead to.
    void RundeStarten();
    void Waehlen(int platz);
    void Aufdecken();
    void Bewerten(bool gewusst);
    void Weiter();

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    void KarteZeigen();
    void Rueckmeldung(bool richtig);
    void RundeBeendet();
    void Knoepfe();

    Lernstand &stand;
    Dienste dienste;
    KartenRunde runde;
    QList<Dokument> dokumente;
    QString progOrdner;
    bool ton = false;
    bool laeuft = false;
    bool aufgedeckt = false;
    bool rueckmeldung = false; // feedback shown, waiting to go on
};
