// Where the tool finds the program folder (flags, card picture) for a document.
#pragma once
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>

// The folder given with --progordner; else the built program folder next to
// the tool; else the installed content below the same prefix; else the
// document's own folder. Always ends in "/".
inline QString TvlProgrammOrdner(const QString &progOrdner, const QString &dokument)
{
    if (!progOrdner.isEmpty())
        return QDir(progOrdner).absolutePath() + '/';
    const QDir neben(QCoreApplication::applicationDirPath() + "/../pennoria");
    if (neben.exists())
        return neben.absolutePath() + '/';
    const QDir geteilt(QCoreApplication::applicationDirPath() + "/../share/pennoria");
    if (geteilt.exists())
        return geteilt.absolutePath() + '/';
    return QFileInfo(dokument).absolutePath() + '/';
}
