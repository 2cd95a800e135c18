// The program's folders derived from its own folder, and their one instance.
#include "Ordner.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString MitSchraegstrich(const QString &ordner)
{
    if (ordner.isEmpty() || ordner.endsWith('/'))
        return ordner;
    return ordner + '/';
}

void ProgrammOrdner::Ableiten(const QString &progOrdner, const QString &ergebnisOrdner)
{
    ProgOrdner = MitSchraegstrich(progOrdner);
    SoundOrdner = ProgOrdner + "sound/";
    HilfeOrdner = ProgOrdner + "hilfe/";
    const QString ergebnisse = ergebnisOrdner.isEmpty() ? ProgOrdner : MitSchraegstrich(ergebnisOrdner);
    ProtOrdner = ergebnisse + "protokolle/";
    BestListOrdner = ergebnisse + "bestenlisten/";
    NetzKomOrdner = ergebnisse + "kom/";
    // A user's own folders do not come with the install; a failure shows
    // up later as the file-error message of the first write.
    if (!ergebnisOrdner.isEmpty()) {
        for (const QString &o : {ProtOrdner, BestListOrdner, NetzKomOrdner})
            QDir().mkpath(o);
    }
    SetupOrdner = ProgOrdner + "setupbasissystem/";
    NetzKomKanal = "TVL-1";
    StartOrdner = ProgOrdner;
    AktOrdner.clear();
    StartDokument.clear();
    VorigesDokument.clear();
}

ProgrammOrdner &Ordner()
{
    static ProgrammOrdner instanz;
    return instanz;
}

namespace {
bool OrdnerBeschreibbar(const QString &ordner)
{
    const QFileInfo fi(ordner);
    return fi.isDir() && fi.isWritable();
}
} // namespace

OrdnerWahl OrdnerWaehlen(const QString &exeOrdner, const QString &benutzerOrdner,
                         bool (*beschreibbar)(const QString &ordner))
{
    if (!beschreibbar)
        beschreibbar = OrdnerBeschreibbar;
    const QString neben = MitSchraegstrich(QDir::cleanPath(exeOrdner));
    const QString geteilt = MitSchraegstrich(QDir::cleanPath(exeOrdner + "/../share/pennoria"));
    OrdnerWahl w;
    // A "data" folder tells a filled program folder from a bare bin/.
    if (!QFileInfo::exists(neben + "data") && QFileInfo(geteilt).isDir()) {
        w.inhalt = geteilt;
        w.ergebnisse = MitSchraegstrich(benutzerOrdner);
        return w;
    }
    w.inhalt = neben;
    if (!beschreibbar(neben))
        w.ergebnisse = MitSchraegstrich(benutzerOrdner);
    return w;
}

QString BenutzerDatenOrdner()
{
    return MitSchraegstrich(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/pennoria");
}
