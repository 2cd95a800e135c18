// INavigationsFenster: what moving between topic documents asks of the window.
#pragma once
#include "AnsichtArt.h"
#include "Themenliste.h"

#include <QList>
#include <QString>

// What moving between topic documents asks of the main window. TForm1
// implements it with its menu, title bar and dialogs; tests record it.
class INavigationsFenster
{
public:
    virtual ~INavigationsFenster() = default;

    // The quiz guard (asks before abandoning a running quiz).
    virtual bool QuizWirklichAbbrechen() = 0;
    // The "&Speichern" command, run when the save prompt is answered Yes;
    // false when the document was not saved (failed or cancelled).
    virtual bool Speichern() = 0;
    // Replaces the topic items after the fixed ones of "&Quizauswahl".
    virtual void ThemenMenueSetzen(const QList<ThemenEintrag> &liste, int spaltenUmbruch, int haken) = 0;
    // Moves the checkmark to topic item i.
    virtual void ThemaAnhaken(int i) = 0;
    virtual void TitelSetzen(const QString &fensterTitel, const QString &titelLabel) = 0;
    // After the document was emptied: start picture back, loaded high-score
    // entries emptied, the picture composed anew, the start panel shown.
    virtual void StartseiteNachSchliessen() = 0;
    // The open dialog ("Dokument öffnen"); false when cancelled.
    virtual bool DateiWaehlen(const QString &ordner, const QString &dateiName, QString &gewaehlt) = 0;
    // The folder browser ("Aktuellen Ordner wählen"); false when cancelled.
    virtual bool OrdnerWaehlen(const QString &ordner, QString &gewaehlt) = 0;
    // AnsichtModus of the main window.
    virtual AnsichtArt Modus() const = 0;
};
