// The program's folders derived from its own folder, and their one instance.
#include "Ordner.h"

QString MitSchraegstrich(const QString &ordner)
{
    if (ordner.isEmpty() || ordner.endsWith('/'))
        return ordner;
    return ordner + '/';
}

void ProgrammOrdner::Ableiten(const QString &progOrdner)
{
    ProgOrdner = MitSchraegstrich(progOrdner);
    SoundOrdner = ProgOrdner + "sound/";
    HilfeOrdner = ProgOrdner + "hilfe/";
    ProtOrdner = ProgOrdner + "protokolle/";
    BestListOrdner = ProgOrdner + "bestenlisten/";
    NetzKomOrdner = ProgOrdner + "kom/";
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
