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
    // With ergebnisOrdner, protocols, high-score lists and the classroom
    // folder default to folders below it instead, made when missing.
    void Ableiten(const QString &progOrdner, const QString &ergebnisOrdner = {});
};

// The single instance, set before any window exists.
ProgrammOrdner &Ordner();

// Appends "/" when missing (an empty text stays empty).
QString MitSchraegstrich(const QString &ordner);

// Where the program reads its content and where results go by default.
struct OrdnerWahl
{
    QString inhalt;     // documents, flags, sounds, help; ends in "/"
    QString ergebnisse; // empty: the folders beside the content
};

// From the executable's folder: a self-contained program folder (content
// beside the executable) keeps its results beside it while it is writable;
// an installed program reads PREFIX/share/pennoria and keeps results in
// benutzerOrdner, since that content is shared and read-only.
// beschreibbar is asked of the program folder only.
OrdnerWahl OrdnerWaehlen(const QString &exeOrdner, const QString &benutzerOrdner,
                         bool (*beschreibbar)(const QString &ordner) = nullptr);

// $XDG_DATA_HOME/pennoria/.
QString BenutzerDatenOrdner();
