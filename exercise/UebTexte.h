// Text forms the exercise shows and compares: texts, times, percents, instructions.
#pragma once
#include "Dokument.h"

#include <QString>

// Comparison and display form of an object text: hyphenated line breaks
// joined, line breaks as blanks, double blanks halved, trimmed.
QString TextNormalisieren(const QString &text);

// Seconds as "mm:ss" (minutes with at least two digits: 6000 s -> "100:00").
QString UhrText(int sekunden);

// A fraction as percent with one decimal and a point: 2/3 -> "66.7 %".
QString ProzentText(double bruch);

// A time limit as "3 Min. 0 Sek.", "45 Sek.", "1 Std. 0 Min. 5 Sek.".
QString DauerText(int sekunden);

// The instruction over the answer panels for a document type and mode.
QString AnweisungsText(DokArt dokTyp, int abfrageModus);

// Value of a numeric option edit: blanks removed, read as a decimal number
// and rounded; text that is not a number is 0.
int EditZahl(const QString &text);
// The value an edit is held to when it is left: 0 .. 59.
int EditZahlGeklemmt(const QString &text);
