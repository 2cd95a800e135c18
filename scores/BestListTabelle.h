// The high-score table as plain data shared by window, export and printing.
#pragma once
#include "BestListEintrag.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

// The table of the high-score window as plain data, so that the window, the
// text export, printing and the command-line tool share one source.
namespace BestListTabelle {
enum Ausrichtung { Links = 0, Zentriert = 1, Rechts = 2 };

inline constexpr int Spalten = 6;
QStringList Kopf();         // the six header texts
QList<int> Breiten();       // column widths on screen, pixels
QList<int> Ausrichtungen(); // per column, for normal rows

// Header row plus one row per entry; an empty list gives one empty row.
QList<QStringList> Zeilen(const TBestList &liste);
QStringList Zeile(int rang, const TBestListEintrag &e);

QString LeistungText(double leistung);    // 0.8533 -> "85.3 %"
QString MinSekText(qint32 dauerMs);       // 61999 -> "01:01"
QString DatumZeitText(double delphiZeit); // short date and long time
} // namespace BestListTabelle

// Every cell, tabs between the cells of a row, CR LF after each row.
QString GridAlsText(const QList<QStringList> &zeilen);
