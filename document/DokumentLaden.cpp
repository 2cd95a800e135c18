#include "DokumentLaden.h"

#include "DateiSperre.h"
#include "Dateifehler.h"
#include "DokumentDatei.h"
#include "DokumentModell.h"
#include "DokumentUmgebung.h"
#include "Ordner.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Opens the file read-only with other writers locked out, as a QFile on the
// locked descriptor. The lock goes with the GesperrteDatei.
bool OeffnenZumLesen(const QString &pfad, GesperrteDatei &sperre, QFile &datei, bool gepuffert)
{
    if (!sperre.Oeffnen(pfad, GesperrteDatei::Art::Lesen))
        return false;
    QIODevice::OpenMode modus = QIODevice::ReadOnly;
    if (!gepuffert)
        modus |= QIODevice::Unbuffered;
    return datei.open(sperre.fd(), modus, QFileDevice::DontCloseHandle);
}

} // namespace

bool LadeDokument(DokumentZustand &z, IDokumentUmgebung &umgebung, IMeldungen &meldungen,
                  const QString &pfad, bool switchFolder)
{
    if (!QFileInfo::exists(pfad)) {
        ZeigeDateiFehlt(meldungen, pfad);
        return false;
    }
    LeereDokument(z, umgebung);

    bool warteCursor = false;
    bool ok = false;
    {
        GesperrteDatei sperre;
        QFile datei;
        if (OeffnenZumLesen(pfad, sperre, datei, true)) {
            // The magic is checked before the wait cursor shows; a file too
            // short to hold one is no topic document either.
            const bool kennungOk = KennungPruefen(datei) && datei.seek(0);
            if (!kennungOk) {
                meldungen.Fehler("Ungültiges Dateiformat.");
            } else {
                umgebung.WarteCursor(true);
                warteCursor = true;
                ok = DokumentLesen(datei, z.Dok);
            }
        }
    } // file closed, lock released

    if (!ok) {
        ZeigeLeseFehler(meldungen, pfad);
        DokumentLeeren(z, umgebung);
        umgebung.DokumentSchliessen();
        if (warteCursor)
            umgebung.WarteCursor(false);
        return false;
    }

    Dokument &d = z.Dok;
    d.DateiName = pfad;
    umgebung.DokTypMenuSetzen(DokTypMenuEintrag(d.DokTyp));
    z.ThemenIndex = -1;
    umgebung.ZoomUndNummerierungZuruecksetzen();
    if (switchFolder) {
        Ordner().AktOrdner = MitSchraegstrich(QFileInfo(pfad).absolutePath());
        umgebung.StartseitenLayout();
    }
    umgebung.ZiehMarkenZuruecksetzen();
    d.Geaendert = false;
    umgebung.WarteCursor(false);
    return true;
}

bool LeseTitel(const QString &pfad, QString &titel)
{
    GesperrteDatei sperre;
    QFile datei;
    // Unbuffered: the title sits in the first few hundred bytes, and a
    // buffered read would fetch a whole block of the file.
    if (!OeffnenZumLesen(pfad, sperre, datei, false))
        return false;
    return TitelLesen(datei, titel);
}

bool SpeichereDokument(DokumentZustand &z, IDokumentUmgebung &umgebung, IMeldungen &meldungen,
                       const QString &pfad, bool adopt)
{
    umgebung.WarteCursor(true);
    // A file without any write permission is read-only for everyone, as the
    // read-only attribute is on other systems, even where the rights of the
    // process would let it be replaced.
    const QFileInfo ziel(pfad);
    const bool schreibgeschuetzt =
        ziel.exists()
        && (!ziel.isWritable()
            || !(ziel.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther)));
    // QSaveFile writes a temporary file beside the target and renames it over
    // the target on commit; it refuses an existing file that is read-only.
    QSaveFile datei(pfad);
    bool ok = !schreibgeschuetzt && datei.open(QIODevice::WriteOnly);
    if (ok)
        ok = DokumentSchreiben(datei, z.Dok);
    if (ok)
        ok = datei.commit();
    else
        datei.cancelWriting();
    if (!ok) {
        ZeigeSchreibFehler(meldungen, pfad);
        umgebung.WarteCursor(false);
        return false;
    }
    if (adopt) {
        z.Dok.DateiName = pfad;
        z.Dok.Geaendert = false;
    }
    umgebung.WarteCursor(false);
    return true;
}
