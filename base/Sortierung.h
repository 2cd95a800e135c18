// The collation that orders texts shown to the user (topics, answer texts).
#pragma once
#include <QCollator>
#include <QLocale>

// The user interface is German: a process locale without a collation of its
// own (C, POSIX) would put umlaut words after "Z", so German is taken then.
QLocale SortierSprache(const QLocale &system = QLocale::system());

// A case-insensitive collator in SortierSprache().
QCollator TextSortierung();
