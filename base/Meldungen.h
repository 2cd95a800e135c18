// IMeldungen: the message box interface, with its answers and question kinds.
#pragma once
#include <QString>

// The four kinds of message box. Logic talks to this interface only, so a
// test can answer the questions and record every text.
enum class Antwort { Ok, Ja, Nein, Abbrechen };
enum class FrageArt { Warnung, Frage };

class IMeldungen
{
public:
    virtual ~IMeldungen() = default;
    virtual void Information(const QString &text) = 0;
    virtual void Fehler(const QString &text) = 0;
    // Warning icon with an OK button; shown as an information where a
    // recorder does not tell the two apart.
    virtual void Warnung(const QString &text) { Information(text); }
    // Yes/No with a warning or a question icon; returns Ja or Nein.
    virtual Antwort JaNein(const QString &text, FrageArt art = FrageArt::Frage) = 0;
    // Yes/No/Cancel question; returns Ja, Nein or Abbrechen.
    virtual Antwort JaNeinAbbrechen(const QString &text) = 0;
};
