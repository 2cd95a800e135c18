// The lines of a single-question document as the editor's table holds them.
#pragma once
#include <QList>
#include <QString>

// One question line: the question and its answer. An empty answer is a
// line without "//", which the quiz shows with the answer "---".
struct FragenZeile
{
    QString Frage;
    QString Antwort;
    bool operator==(const FragenZeile &) const = default;
};

// The question lines of a Fragentext, as the quiz counts them (blank lines
// are no questions).
QList<FragenZeile> FragenZeilenLesen(const QString &fragentext);

// The Fragentext of the lines: "Frage//Antwort" or "Frage", joined by CR LF.
// Texts are taken with their blanks simplified.
QString FragenZeilenText(const QList<FragenZeile> &zeilen);

// Empty when the line can be stored, else a German message: the question
// must not be empty and neither text may hold "//" (the line is split at the
// first one).
QString FragenZeilePruefen(const FragenZeile &zeile);
