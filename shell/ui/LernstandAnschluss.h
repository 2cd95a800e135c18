// LernstandAnschluss: the learning store, the card box and the progress window, joined to the main window.
#pragma once
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>

class LaufAufzeichnung;
class Lernstand;
class QAction;
class TForm1;
class TLernkarteiForm;
class TLernverlaufForm;
class UebungsSteuerung;

// Owns the per-user store and keeps the quiz's runs in it; adds "&Lernkartei..."
// and "Lern&verlauf..." at the end of the "&Aktion" menu (above its last
// separator), shown whatever the switch for the full program says. The
// store is opened when first needed; its one problem message goes to the
// status line.
class LernstandAnschluss : public QObject
{
    Q_OBJECT
public:
    LernstandAnschluss(TForm1 &form, UebungsSteuerung &quiz, const QString &pfad);
    ~LernstandAnschluss() override;

    QAction *Lernkartei1 = nullptr;
    QAction *Lernverlauf1 = nullptr;
    Lernstand &Stand() { return *stand; }
    // The windows, made when first used.
    TLernkarteiForm &Kartei();
    TLernverlaufForm &Verlauf();

    void Lernkartei1Click();
    void Lernverlauf1Click();
    // Starts an ordinary quiz over the given questions of the current document.
    bool FehlerUeben(const QStringList &fragen);

private:
    void Oeffnen();
    QString Schueler() const;

    TForm1 &form;
    UebungsSteuerung &quiz;
    std::unique_ptr<Lernstand> stand;
    std::unique_ptr<LaufAufzeichnung> aufzeichnung;
    QPointer<UebungsSteuerung> quizLebt;
    TLernkarteiForm *kartei = nullptr;
    TLernverlaufForm *verlauf = nullptr;
};
