// TLernverlaufForm: a pupil's progress ("Lernverlauf").
#pragma once
#include "Lernverlauf.h"

#include <QDialog>

#include <functional>

class IMeldungen;
class Lernstand;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

// Per pupil: a chart of the performance of each finished quiz run over
// time, one line per topic; the cards per box; the ten questions missed
// most, with their flags. "Fehler üben" hands the current document's most
// missed questions to the quiz; the history goes out as CSV, the chart as PNG.
class TLernverlaufForm : public QDialog
{
    Q_OBJECT
public:
    TLernverlaufForm(Lernstand &stand, IMeldungen &meldungen, QWidget *eltern = nullptr);

    // pupil to preselect; the program folder for the flags; the current
    // document's key (empty when none) for "Fehler üben".
    void Vorbereiten(const QString &schueler, const QString &progOrdner, const QString &dokSchluessel);
    // Called with the pupil and the questions to practise; true when a run
    // started (the window then closes).
    std::function<bool(const QString &schueler, const QStringList &fragen)> FehlerUeben;

    QString Schueler() const;
    void SchuelerWaehlen(const QString &name);
    bool CsvSpeichern(const QString &pfad);
    bool DiagrammSpeichern(const QString &pfad);
    void FehlerUebenClick();

    QComboBox *SchuelerBox = nullptr;
    QChartView *Diagramm = nullptr;
    QLabel *BoxenLab = nullptr;
    QListWidget *FehlerListe = nullptr;
    QPushButton *FehlerUebenBtn = nullptr;
    QPushButton *CsvBtn = nullptr;
    QPushButton *PngBtn = nullptr;

private:
    void Anzeigen();

    Lernstand &stand;
    Lernverlauf verlauf;
    IMeldungen &meldungen;
    QString progOrdner;
    QString dokSchluessel;
};
