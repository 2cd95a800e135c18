// "Arbeitsblatt": builds the worksheet, solution sheet or overlay of the
// current document, shows its preview and saves, copies or prints it.
#pragma once
#include "ArbeitsblattOptionen.h"
#include "Blatt.h"

#include <QDialog>

#include <optional>

class IArbeitsblattDialoge;
class IMeldungen;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class RadioGruppe;
class Szene;
class TArbblattDruckForm;
class VorschauBild;

class TArbeitsblattForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientBreite = 702;
    static constexpr int ClientHoehe = 583;

    TArbeitsblattForm(IMeldungen &meldungen, IArbeitsblattDialoge &dialoge, TArbblattDruckForm &druckForm,
                      QWidget *parent = nullptr);

    // Shows the window modally for the scene's document.
    int Zeigen(Szene &szene);
    // What showing the window does first (FormActivate); tests call it
    // without a modal loop.
    void Aktivieren(Szene &szene);

    // Controls (names as the program's parts refer to them).
    QScrollArea *ABScrollBox;
    QWidget *ABPan;
    VorschauBild *ABImg;
    QWidget *Panel1, *Panel2;
    QGroupBox *GroupBox1;
    QCheckBox *ABNameBox, *ABKlasseBox, *ABDatumBox;
    QLineEdit *TitelEdit;
    QCheckBox *TitelCheck;
    QPlainTextEdit *AufgMemo;
    QCheckBox *TextvorgabeCheck;
    QWidget *Typ2Pan;
    QSpinBox *AbFrageEdit;
    // Single questions: where the next sheet starts ("Nächstes Blatt ab
    // Frage 17"), and the word list of this sheet's answers only.
    QLabel *NaechstesLab;
    QCheckBox *WortlisteCheck;
    // "Alle Blätter": saving and printing take every sheet from "Ab Frage
    // Nr." to the end (one multi-page PDF, numbered files otherwise).
    QCheckBox *AlleCheck;
    RadioGruppe *ModeRadio;
    QPushButton *AktBtn;
    QLabel *Label5;
    QPushButton *DruckBtn, *SaveBtn, *InClipBtn, *OKBtn;
    QLabel *MainBackImg;

    // The last built page; present from activation to closing.
    std::optional<Blatt> BlattMetafile;

    ArbeitsblattOptionen Optionen() const;
    void ArbeitsblattErstellen();
    // What saving and printing take: the page, or with "Alle Blätter" every
    // sheet of the set (empty, the reason told, when a question is too long
    // for a sheet).
    QList<Blatt> Ausgabeblaetter();
    void VorschauAnordnen();
    // Saves the page under datei, or with an empty name puts it on the
    // clipboard; false when the file could not be written.
    bool ArbeitsblattAusgeben(const QString &datei);

    void SaveBtnClick();
    void InClipBtnClick();
    void DruckBtnClick();
    void TitelCheckClick();

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void done(int r) override;
    bool eventFilter(QObject *obj, QEvent *e) override;

private:
    void Anordnen();
    IMeldungen &meldungen;
    IArbeitsblattDialoge &dialoge;
    TArbblattDruckForm &druckForm;
    Szene *szene = nullptr;
    // Dragging the preview: pointer y and scroll position at the press.
    bool ziehen = false;
    int merkY = 0, merkScroll = 0;
};
