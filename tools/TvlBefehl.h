// The verbs of the tvl tool, their registration and the tool's output.
#pragma once
#include <QStringList>

#include <functional>

// The verbs of the tvl tool register themselves here, one file each, so a
// new verb needs no edit elsewhere.
struct TvlBefehl
{
    const char *name;
    const char *hilfe; // one usage line
    std::function<int(const QStringList &args)> ausfuehren;
};

// Registers a verb; used through a static object in the verb's file.
struct TvlRegistrierung
{
    explicit TvlRegistrierung(TvlBefehl befehl);
};

const std::vector<TvlBefehl> &TvlBefehle();

// Helpers for verbs: print to standard output / error (UTF-8).
void TvlAus(const QString &text);
void TvlFehler(const QString &text);
