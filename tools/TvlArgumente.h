// Reading the arguments of a tvl verb that makes one output file from one topic document.
#pragma once
#include <QString>
#include <QStringList>

// What every such verb takes: the document, -o/--ausgabe and --progordner.
struct TvlDokumentArgumente
{
    QString datei, ausgabe, progOrdner;
};

// Walks the arguments one at a time. The verb looks at each for its own
// options first and hands every other one to Gemeinsam, which knows the
// shared options and the document name and turns the rest into errors.
class TvlArgumente
{
public:
    // ausgabeName names the output file in the messages ("Bilddatei");
    // with strichIstName a lone "-" is taken as a document name.
    TvlArgumente(const QStringList &args, const QString &ausgabeName, bool strichIstName);
    // Moves to the next argument; false after the last one.
    bool Naechstes();
    const QString &Aktuell() const { return args.at(i); }
    // Takes the argument after the current option as its value; false,
    // leaving ziel alone, when none follows.
    bool Wert(QString &ziel);
    // Takes the current argument as a shared option or the document name.
    // Returns the error text for an unknown option or a second document,
    // empty when the argument was taken.
    QString Gemeinsam(TvlDokumentArgumente &o);
    // After the last argument: the error text when the document or the
    // output file is missing, else empty.
    QString Vollstaendig(const TvlDokumentArgumente &o) const;

private:
    const QStringList args;
    qsizetype i = -1;
    QString ausgabeName;
    bool strichIstName;
};

// An argument error and the verb's usage line on standard error; returns
// the tool's exit code for wrong arguments.
int TvlAufrufFehler(const QString &fehler, const char *aufruf);
