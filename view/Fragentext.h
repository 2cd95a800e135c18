// The question texts of single-question documents: placeholders and image tag.
#pragma once
#include <QString>

// The question texts of single-question documents: placeholders and the
// image tag. The quiz's question presentation uses the same functions.

// Replaces every "<@flaggenfrage>" and then every "<@euromünzfrage>" by
// its question sentence (case-sensitive, no rescanning).
QString FragePlatzhalterErsetzen(const QString &text);

// Cuts the first "<@img=" ... ">" out of text and returns the name between
// them; without both parts text stays and the name is empty.
QString BildTagAusschneiden(QString &text);

// The file of a question image inside progOrdner + "Flaggen/". Names that
// could leave that folder (a path separator, "..", a drive or an absolute
// path) give an empty result and are never loaded.
QString FlaggenDatei(const QString &progOrdner, const QString &name);
