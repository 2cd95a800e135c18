// ProgrammOrdner: the process-wide folders of the program.
#pragma once
#include <QString>

// The process-wide folders of the program. Every folder ends in "/".
struct ProgrammOrdner
{
    QString ProgOrdner;
    QString SoundOrdner;
    QString HilfeOrdner;
    QString ProtOrdner;
    QString BestListOrdner;
    QString NetzKomOrdner;
    QString SetupOrdner;
    QString NetzKomKanal = "TVL-1";
    QString StartOrdner;
    QString AktOrdner;
    QString StartDokument;
    QString VorigesDokument;

    // Derives every folder from the program's own folder (step 1 of start-up).
    void Ableiten(const QString &progOrdner);
};

// The single instance, set before any window exists.
ProgrammOrdner &Ordner();

// Appends "/" when missing (an empty text stays empty).
QString MitSchraegstrich(const QString &ordner);
