// Line breaking for the worksheet page, where nothing may reach past the
// right edge: at blanks where possible, inside a word that alone is wider.
#pragma once
#include <QFontMetrics>
#include <QString>
#include <QStringList>

// The lines of text (paragraphs at line breaks) no wider than breite. A
// word wider than breite is split between characters; an empty paragraph
// stays an empty line.
QStringList SeitenZeilen(const QFontMetrics &fm, const QString &text, int breite);
