// The topic documents of a folder as the quiz selection menu lists them.
#pragma once
#include <QList>
#include <QString>

#include <functional>

// One topic document of the current folder, as the "Quizauswahl" menu lists it.
struct ThemenEintrag
{
    QString Titel;
    QString Pfad;       // folder + file name
    QString Schluessel; // file name in lower case, for sorting
};

// Reads a document's title; false when the file is not a readable topic
// document (such files are left out of the list without a message).
using TitelLeser = std::function<bool(const QString &pfad, QString &titel)>;

// Scans the folder for "*.tvl" files (hidden ones too, no subfolders, no
// special files) and returns the readable ones sorted by file name.
QList<ThemenEintrag> ThemenEinlesen(const QString &ordner, const TitelLeser &leseTitel);

// The order of a selection sort by key with a locale-aware comparison that
// ignores case (a later entry moves ahead only when it compares strictly
// smaller), ties included, found in O(n log n).
void ThemenSortieren(QList<ThemenEintrag> &liste);

// The index of the entry that starts a second menu column, -1 for none.
int ThemenSpaltenUmbruch(int anzahl);

// The caption of the i-th topic item: "&1:  Titel" (access keys for the
// first nine), the file name when the title is blank.
QString ThemenMenueText(int i, const ThemenEintrag &e);

// The entry whose path is exactly the document's file name, or -1.
int ThemenIndexVon(const QList<ThemenEintrag> &liste, const QString &dateiName);
