// Loading, title reading and safe saving of topic documents, with their messages.
#include "DokumentLaden.h"

#include "DateiSperre.h"
#include "Dateifehler.h"
#include "DokumentDatei.h"
#include "DokumentModell.h"
#include "DokumentUmgebung.h"
#include "Ordner.h"
#include "SichereDatei.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

namespace {

// The most LeseTitel reads: a title of the longest allowed length behind a
// magic, key list and version of a few kilobytes.
constexpr qsizetype TitelKopfHoechstens = DokMaxKurzText + 8 * 1024;

// Opens the file read-only with other writers locked out, as a QFile on the
// locked descriptor. The lock goes with the GesperrteDatei.
bool OeffnenZumLesen(const QString &pfad, GesperrteDatei &sperre, QFile &datei)
{
    if (!sperre.Oeffnen(pfad, GesperrteDatei::Art::Lesen))
        return false;
    return datei.open(sperre.fd(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle);
}

} // namespace

bool LadeDokument(DokumentZustand &z, IDokumentUmgebung &umgebung, IMeldungen &meldungen, const QString &pfad,
                  bool switchFolder)
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
        if (OeffnenZumLesen(pfad, sperre, datei)) {
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
    if (!sperre.Oeffnen(pfad, GesperrteDatei::Art::Lesen))
        return false;
    // The title sits in the first few hundred bytes: one read nearly always
    // holds it. A longer head is read once more, but never beyond what a
    // title of the longest allowed length needs, whatever the file claims.
    auto lesen = [&](char *ziel, qint64 n) {
        ssize_t r;
        do {
            r = ::pread(sperre.fd(), ziel, size_t(n), 0);
        } while (r < 0 && errno == EINTR);
        return qint64(r);
    };
    char kopf[2048];
    qint64 n = lesen(kopf, sizeof kopf);
    if (n < 0)
        return false;
    KopfErgebnis e = TitelAusKopf(kopf, n, n < qint64(sizeof kopf), titel);
    if (e == KopfErgebnis::MehrNoetig) {
        QByteArray gross(TitelKopfHoechstens, Qt::Uninitialized);
        n = lesen(gross.data(), gross.size());
        if (n < 0)
            return false;
        e = TitelAusKopf(gross.constData(), n, n < gross.size(), titel);
    }
    return e == KopfErgebnis::Ok;
}

bool SpeichereDokument(DokumentZustand &z, IDokumentUmgebung &umgebung, IMeldungen &meldungen, const QString &pfad,
                       bool adopt)
{
    umgebung.WarteCursor(true);
    // A file without any write permission is read-only for everyone, as the
    // read-only attribute is on other systems, even where the rights of the
    // process would let it be replaced.
    const QFileInfo ziel(pfad);
    const bool schreibgeschuetzt =
        ziel.exists()
        && (!ziel.isWritable() || !(ziel.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther)));
    // QSaveFile writes a temporary file beside the target and renames it over
    // the target on commit; it refuses an existing file that is read-only.
    // The rename would put a regular file in place of a FIFO or device.
    QSaveFile datei(pfad);
    bool ok = !schreibgeschuetzt && SpeicherzielErlaubt(pfad) && datei.open(QIODevice::WriteOnly);
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
