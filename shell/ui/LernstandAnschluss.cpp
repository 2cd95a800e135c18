// Joining the learning store and its windows to the main window.
#include "LernstandAnschluss.h"

#include "TForm1.h"
#include "UebungsSteuerung.h"

#include "LaufAufzeichnung.h"
#include "LernDokumente.h"
#include "LernFragen.h"
#include "Lernstand.h"
#include "Lernverlauf.h"
#include "TLernkarteiForm.h"
#include "TLernverlaufForm.h"
#include "UebTexte.h"

#include "Ordner.h"

#include <QAction>
#include <QMenu>
#include <QStatusBar>

LernstandAnschluss::LernstandAnschluss(TForm1 &f, UebungsSteuerung &q, const QString &pfad)
    : QObject(&f), form(f), quiz(q), stand(std::make_unique<Lernstand>(pfad))
{
    stand->Melden = [this](const QString &text) { form.statusBar()->showMessage(text); };
    aufzeichnung = std::make_unique<LaufAufzeichnung>(*stand, form.Zustand, *form.dienste.uhr);
    quiz.Engine.Beobachter = aufzeichnung.get();
    quizLebt = &quiz;

    // At the end of "&Aktion", above its last separator (before "Programm &beenden").
    QMenu *menue = form.Menue.Uebung1;
    QAction *vor = nullptr;
    const QList<QAction *> eintraege = menue->actions();
    for (auto it = eintraege.crbegin(); it != eintraege.crend() && !vor; ++it)
        if ((*it)->isSeparator())
            vor = *it;
    Lernkartei1 = new QAction(QStringLiteral("&Lernkartei..."), &form);
    Lernkartei1->setObjectName("Lernkartei1");
    Lernkartei1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    Lernverlauf1 = new QAction(QStringLiteral("Lern&verlauf..."), &form);
    Lernverlauf1->setObjectName("Lernverlauf1");
    Lernverlauf1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
    menue->insertAction(vor, Lernkartei1);
    menue->insertAction(vor, Lernverlauf1);
    connect(Lernkartei1, &QAction::triggered, this, &LernstandAnschluss::Lernkartei1Click);
    connect(Lernverlauf1, &QAction::triggered, this, &LernstandAnschluss::Lernverlauf1Click);
}

LernstandAnschluss::~LernstandAnschluss()
{
    // The window's parts go in the order they were made: the quiz may be gone.
    if (quizLebt)
        quiz.Engine.Beobachter = nullptr;
}

void LernstandAnschluss::Oeffnen()
{
    if (stand->Zustand() == Lernstand::Stand::Geschlossen)
        stand->Oeffnen();
}

QString LernstandAnschluss::Schueler() const
{
    const QString name = quiz.Engine.Lauf.Teilnehmername.trimmed();
    return name.isEmpty() ? quiz.Engine.Einst.Benutzername : name;
}

TLernkarteiForm &LernstandAnschluss::Kartei()
{
    if (!kartei)
        kartei = new TLernkarteiForm(*stand, form.dienste, &form);
    return *kartei;
}

TLernverlaufForm &LernstandAnschluss::Verlauf()
{
    if (!verlauf) {
        verlauf = new TLernverlaufForm(*stand, *form.dienste.meldungen, &form);
        verlauf->FehlerUeben = [this](const QString &, const QStringList &fragen) { return FehlerUeben(fragen); };
    }
    return *verlauf;
}

void LernstandAnschluss::Lernkartei1Click()
{
    if (form.Zustand.AnsichtModus == AnsichtArt::Quiz && !quiz.QuizBeendet()) {
        form.dienste.meldungen->Information(
            QStringLiteral("Die Lernkartei kann erst nach dem laufenden Quiz geöffnet werden."));
        return;
    }
    Oeffnen();
    QStringList pfade;
    for (const ThemenEintrag &e : form.Navigation().Liste())
        pfade << e.Pfad;
    Kartei().Vorbereiten(LernDokumente(form.Zustand.Dok, pfade), Lernverlauf(*stand).Schueler(), Schueler(),
                         Ordner().ProgOrdner, form.TonausgabeAn());
    Kartei().exec();
}

void LernstandAnschluss::Lernverlauf1Click()
{
    Oeffnen();
    const Dokument &d = form.Zustand.Dok;
    const bool dokDa = !d.Objekte.isEmpty() && (!d.Titel.isEmpty() || !d.DateiName.isEmpty());
    Verlauf().Vorbereiten(Schueler(), Ordner().ProgOrdner, dokDa ? DokumentSchluessel(d) : QString());
    Verlauf().exec();
}

bool LernstandAnschluss::FehlerUeben(const QStringList &fragen)
{
    const Dokument &d = form.Zustand.Dok;
    StartAuftrag a;
    a.optionenZeigen = quiz.OptionenVorJederUebung();
    for (int i = 0; i < d.Objekte.size(); ++i) {
        const int typ = d.Objekte[i].Typ;
        const bool frage = d.DokTyp == DokArt::Einzelfragen
                               ? typ == ObjektTyp::Antwort
                               : typ == ObjektTyp::Beschriftung || typ == ObjektTyp::Luecke;
        if (frage && fragen.contains(TextNormalisieren(d.Objekte[i].Cap)))
            a.fragenVorgabe.push_back(i);
    }
    if (a.fragenVorgabe.empty()) {
        form.dienste.meldungen->Information(QStringLiteral("Die verfehlten Fragen gehören nicht zum aktuellen Quiz."));
        return false;
    }
    return quiz.UebungStarten(a);
}
