// The single-question structure: questions from text, their objects and navigation.
#pragma once
#include "Dokument.h"

#include <QList>
#include <QString>

// The single-question structure: one question per non-empty line of
// Fragentext, question and answer split at the first "//".
struct Einzelfrage
{
    QString Frage;
    QString Antwort; // "---" when the line has no "//"
};

// Lines are trimmed; blank lines are no questions.
QList<Einzelfrage> FragenAusText(const QString &fragentext);

// The four objects of question k (1-based): heading "Frage:", the question,
// heading "Antwort:" and the answer, all with FrageNummer k.
QList<DokObjekt> FragenObjekte(const Einzelfrage &frage, int k);

// The five navigation objects: first, previous, next, last, random.
QList<DokObjekt> NavigationsObjekte();

// Makes dok a single-question document for its Fragentext: DokTyp 2,
// AnzFrageNummern the number of questions, the objects of every question
// followed by the navigation objects. Header texts and picture stay.
void EinzelfragenAufbauen(Dokument &dok);

// Takes out the answer objects of question lines without "//": such a line
// has no answer, and its placeholder "---" would otherwise stand in the
// worksheets' word list as if it were one.
void AntwortloseEntfernen(Dokument &dok);
