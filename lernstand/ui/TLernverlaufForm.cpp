// The progress window.
#include "TLernverlaufForm.h"

#include "Lernstand.h"

#include "BildDatei.h"
#include "Dateifehler.h"
#include "Fragentext.h"
#include "Meldungen.h"
#include "SichereDatei.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

TLernverlaufForm::TLernverlaufForm(Lernstand &s, IMeldungen &m, QWidget *eltern)
    : QDialog(eltern), stand(s), verlauf(s), meldungen(m)
{
    setObjectName("TLernverlaufForm");
    setWindowTitle(QStringLiteral("Lernverlauf"));
    resize(860, 640);
    auto *haupt = new QVBoxLayout(this);
    auto *kopf = new QFormLayout;
    SchuelerBox = new QComboBox(this);
    SchuelerBox->setObjectName("SchuelerBox");
    kopf->addRow(QStringLiteral("&Name:"), SchuelerBox);
    haupt->addLayout(kopf);

    Diagramm = new QChartView(this);
    Diagramm->setObjectName("Diagramm");
    Diagramm->setRenderHint(QPainter::Antialiasing);
    Diagramm->setMinimumHeight(300);
    haupt->addWidget(Diagramm, 2);

    BoxenLab = new QLabel(this);
    BoxenLab->setObjectName("BoxenLab");
    haupt->addWidget(BoxenLab);
    auto *fehlerTitel = new QLabel(QStringLiteral("Am häufigsten &verfehlt:"), this);
    haupt->addWidget(fehlerTitel);
    FehlerListe = new QListWidget(this);
    FehlerListe->setObjectName("FehlerListe");
    FehlerListe->setIconSize(QSize(48, 30));
    fehlerTitel->setBuddy(FehlerListe);
    haupt->addWidget(FehlerListe, 1);

    auto *knoepfe = new QHBoxLayout;
    FehlerUebenBtn = new QPushButton(QStringLiteral("&Fehler üben"), this);
    CsvBtn = new QPushButton(QStringLiteral("Verlauf als &CSV speichern..."), this);
    PngBtn = new QPushButton(QStringLiteral("&Diagramm als PNG speichern..."), this);
    auto *schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    FehlerUebenBtn->setObjectName("FehlerUebenBtn");
    CsvBtn->setObjectName("CsvBtn");
    PngBtn->setObjectName("PngBtn");
    for (QPushButton *b : {FehlerUebenBtn, CsvBtn, PngBtn})
        knoepfe->addWidget(b);
    knoepfe->addStretch();
    knoepfe->addWidget(schliessen);
    haupt->addLayout(knoepfe);

    connect(SchuelerBox, &QComboBox::currentIndexChanged, this, &TLernverlaufForm::Anzeigen);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    connect(FehlerUebenBtn, &QPushButton::clicked, this, &TLernverlaufForm::FehlerUebenClick);
    connect(CsvBtn, &QPushButton::clicked, this, [this] {
        const QString pfad = QFileDialog::getSaveFileName(this, QStringLiteral("Lernverlauf als CSV speichern"),
                                                          Schueler() + QStringLiteral(".csv"),
                                                          QStringLiteral("CSV-Datei (*.csv)"));
        if (!pfad.isEmpty())
            CsvSpeichern(pfad);
    });
    connect(PngBtn, &QPushButton::clicked, this, [this] {
        const QString pfad = QFileDialog::getSaveFileName(this, QStringLiteral("Diagramm als PNG speichern"),
                                                          Schueler() + QStringLiteral(".png"),
                                                          QStringLiteral("PNG-Bild (*.png)"));
        if (!pfad.isEmpty())
            DiagrammSpeichern(pfad);
    });
}

QString TLernverlaufForm::Schueler() const
{
    return SchuelerBox->currentText();
}

void TLernverlaufForm::SchuelerWaehlen(const QString &name)
{
    const int i = SchuelerBox->findText(name);
    if (i >= 0)
        SchuelerBox->setCurrentIndex(i);
}

void TLernverlaufForm::Vorbereiten(const QString &schueler, const QString &ordner, const QString &dok)
{
    progOrdner = ordner;
    dokSchluessel = dok;
    const QSignalBlocker sperre(SchuelerBox);
    SchuelerBox->clear();
    SchuelerBox->addItems(verlauf.Schueler());
    const int i = SchuelerBox->findText(schueler);
    SchuelerBox->setCurrentIndex(i >= 0 ? i : 0);
    Anzeigen();
}

void TLernverlaufForm::Anzeigen()
{
    const QString name = Schueler();
    auto *chart = new QChart;
    chart->setTitle(name.isEmpty() ? QStringLiteral("Noch keine Ergebnisse gespeichert")
                                   : QStringLiteral("Gesamtleistung je Quiz: %1").arg(name));
    auto *x = new QDateTimeAxis;
    x->setFormat(QStringLiteral("dd.MM.yy"));
    x->setTitleText(QStringLiteral("Datum"));
    auto *y = new QValueAxis;
    y->setRange(0, 100);
    y->setLabelFormat(QStringLiteral("%d %%"));
    y->setTitleText(QStringLiteral("Gesamtleistung"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    QDateTime von, bis;
    const auto daten = name.isEmpty() ? QMap<QString, QList<LeistungsPunkt>>() : verlauf.Verlauf(name);
    for (auto it = daten.cbegin(); it != daten.cend(); ++it) {
        auto *linie = new QLineSeries;
        linie->setName(it.key());
        // The points as well, so a topic with a single run shows too.
        auto *punkte = new QScatterSeries;
        punkte->setMarkerSize(7);
        for (const LeistungsPunkt &p : it.value()) {
            const qreal t = qreal(p.Beginn.toMSecsSinceEpoch());
            linie->append(t, p.Leistung * 100);
            punkte->append(t, p.Leistung * 100);
            von = von.isValid() ? std::min(von, p.Beginn) : p.Beginn;
            bis = bis.isValid() ? std::max(bis, p.Beginn) : p.Beginn;
        }
        chart->addSeries(linie);
        chart->addSeries(punkte);
        punkte->setColor(linie->color());
        for (QAbstractSeries *s : {static_cast<QAbstractSeries *>(linie), static_cast<QAbstractSeries *>(punkte)}) {
            s->attachAxis(x);
            s->attachAxis(y);
        }
    }
    // The scatter twins carry no name of their own in the legend.
    for (QAbstractSeries *s : chart->series())
        if (s->name().isEmpty())
            for (QLegendMarker *m : chart->legend()->markers(s))
                m->setVisible(false);
    if (von.isValid()) {
        // A day's margin on both sides, so a single day still spans an axis.
        x->setRange(von.addDays(-1), bis.addDays(1));
    } else {
        const QDateTime jetzt = QDateTime::currentDateTime();
        x->setRange(jetzt.addDays(-7), jetzt);
    }
    QChart *alt = Diagramm->chart();
    Diagramm->setChart(chart);
    delete alt;

    const std::array<int, 6> boxen = name.isEmpty() ? std::array<int, 6>{} : verlauf.KartenJeBox(name);
    QStringList teile;
    for (int b = 1; b <= 5; ++b)
        teile << QStringLiteral("Box %1: %2").arg(b).arg(boxen[b]);
    BoxenLab->setText(QStringLiteral("Karten in der Lernkartei – ") + teile.join(QStringLiteral(", ")));

    FehlerListe->clear();
    const QList<Fehlerfrage> fehler = name.isEmpty() ? QList<Fehlerfrage>() : verlauf.MeistVerfehlt(name, 10);
    for (const Fehlerfrage &f : fehler) {
        auto *e = new QListWidgetItem(QStringLiteral("%1 – %2 von %3 Antworten falsch (%4)")
                                          .arg(f.Frage)
                                          .arg(f.Fehler)
                                          .arg(f.Antworten)
                                          .arg(f.DokTitel),
                                      FehlerListe);
        QImage bild;
        const QString datei = f.Bild.isEmpty() ? QString() : FlaggenDatei(progOrdner, f.Bild);
        if (!datei.isEmpty() && PngLesenDatei(datei, bild))
            e->setIcon(QPixmap::fromImage(
                bild.scaled(FehlerListe->iconSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
    if (fehler.isEmpty() && !name.isEmpty())
        FehlerListe->addItem(QStringLiteral("Noch keine Fehler – weiter so!"));
    FehlerUebenBtn->setEnabled(!name.isEmpty() && !dokSchluessel.isEmpty());
    CsvBtn->setEnabled(!name.isEmpty());
}

void TLernverlaufForm::FehlerUebenClick()
{
    const QString name = Schueler();
    if (name.isEmpty() || dokSchluessel.isEmpty() || !FehlerUeben)
        return;
    QStringList fragen;
    for (const Fehlerfrage &f : verlauf.MeistVerfehlt(name, 10, dokSchluessel))
        fragen << f.Frage;
    if (fragen.isEmpty()) {
        meldungen.Information(
            QStringLiteral("Im aktuellen Quiz hat %1 bisher keine Frage falsch beantwortet.").arg(name));
        return;
    }
    if (FehlerUeben(name, fragen))
        accept();
}

static bool SicherSchreiben(const QString &pfad, IMeldungen &m, const std::function<bool(QIODevice &)> &schreiben)
{
    // Written to a temporary file that replaces the target only when complete.
    QSaveFile f(pfad);
    if (!SpeicherzielErlaubt(pfad) || !f.open(QIODevice::WriteOnly) || !schreiben(f) || !f.commit()) {
        f.cancelWriting();
        ZeigeSchreibFehler(m, pfad);
        return false;
    }
    return true;
}

bool TLernverlaufForm::CsvSpeichern(const QString &pfad)
{
    const QString name = Schueler();
    return SicherSchreiben(pfad, meldungen, [&](QIODevice &d) { return verlauf.CsvSchreiben(name, d); });
}

bool TLernverlaufForm::DiagrammSpeichern(const QString &pfad)
{
    const QImage bild = Diagramm->grab().toImage();
    return SicherSchreiben(pfad, meldungen, [&](QIODevice &d) { return !bild.isNull() && PngSchreiben(d, bild); });
}
