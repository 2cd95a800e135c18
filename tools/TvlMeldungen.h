// TvlMeldungen: the tool's message boxes, written to standard error.
#pragma once
#include "Meldungen.h"
#include "TvlBefehl.h"

// Message boxes of the command-line tool: every text goes to standard error,
// questions are answered "Nein" (nothing is ever overwritten unasked).
class TvlMeldungen : public IMeldungen
{
public:
    int anzahl = 0;

    void Information(const QString &text) override { Ausgeben(text); }
    void Fehler(const QString &text) override { Ausgeben(text); }
    Antwort JaNein(const QString &text, FrageArt) override
    {
        Ausgeben(text);
        return Antwort::Nein;
    }
    Antwort JaNeinAbbrechen(const QString &text) override
    {
        Ausgeben(text);
        return Antwort::Abbrechen;
    }

private:
    void Ausgeben(const QString &text)
    {
        ++anzahl;
        QString t = text;
        t.replace("\r\n", "\n");
        TvlFehler(t);
    }
};
