// QtMeldungen: the message boxes of the running program.
#pragma once
#include "Meldungen.h"

class QWidget;

// The four kinds of message box as modal Qt message boxes with German
// buttons, owned by the main window.
class QtMeldungen : public IMeldungen
{
public:
    explicit QtMeldungen(QWidget *eltern = nullptr) : eltern(eltern) {}
    void setEltern(QWidget *e) { eltern = e; }

    void Information(const QString &text) override;
    void Fehler(const QString &text) override;
    void Warnung(const QString &text) override;
    Antwort JaNein(const QString &text, FrageArt art) override;
    Antwort JaNeinAbbrechen(const QString &text) override;

private:
    QWidget *eltern;
};
