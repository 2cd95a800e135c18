// Reading the start folder and start document from the command line.
#include "Befehlszeile.h"

#include "Ordner.h"

#include <QDir>
#include <QFileInfo>

StartAuswahl BefehlszeileAuswerten(const QStringList &args, const QString &progOrdner)
{
    StartAuswahl a;
    a.StartOrdner = progOrdner;
    if (args.isEmpty() || args.first().isEmpty())
        return a;
    const QFileInfo fi(QDir::current(), args.first());
    const QString voll = QDir::cleanPath(fi.absoluteFilePath());
    if (fi.isDir()) {
        a.StartOrdner = MitSchraegstrich(voll);
        return a;
    }
    // A trailing "/" on something that is not a folder leaves no file name:
    // the whole argument is its folder part (cleanPath dropped the "/", so
    // taking the parent here would go one level too high).
    if (args.first().endsWith('/')) {
        a.StartOrdner = MitSchraegstrich(voll);
        return a;
    }
    a.StartOrdner = MitSchraegstrich(QFileInfo(voll).absolutePath());
    if (!QFileInfo(voll).fileName().isEmpty())
        a.StartDokument = voll;
    return a;
}
