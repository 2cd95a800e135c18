// The flags an author can put into a question, with the names the shipped flag quizzes give them.
#pragma once
#include <QHash>
#include <QList>
#include <QString>

struct FlaggenEintrag
{
    QString datei; // file name inside "Flaggen/", e.g. "de.png"
    QString name;  // the country's name, or the file name when no quiz names it
};

// Every "*.png" of progOrdner + "Flaggen/", sorted by name (locale-aware,
// case ignored). The names come from the single-question documents in
// progOrdner: the answer of a line whose question shows the flag.
QList<FlaggenEintrag> FlaggenListe(const QString &progOrdner);

// Picture name -> answer for every question line that shows one picture.
QHash<QString, QString> FlaggenNamenAusFragen(const QString &fragentext);

// The question of a flag question, as the shipped flag quizzes write it.
QString FlaggenFrage(const QString &datei);

// The question with its picture tag replaced by the one of datei (or the
// tag put in front when it has none).
QString FlaggeEinsetzen(const QString &frage, const QString &datei);
