// A small topic document written for the shell tests.
#pragma once
#include <QString>

// Writes a small topic document with the given title and question count.
bool SchreibeTestDokument(const QString &pfad, const QString &titel, int anzFragen = 3);
