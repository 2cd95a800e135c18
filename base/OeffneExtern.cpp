// Checking targets and handing them to the desktop's default program.
#include "OeffneExtern.h"

#include "SichereDatei.h"

#include <QFileInfo>
#include <QMimeDatabase>
#include <QUrl>
#include <QUrlQuery>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include <memory>

namespace {
bool BueroTyp(const QString &typ)
{
    return typ.startsWith("application/vnd.oasis.opendocument.")
           || typ.startsWith("application/vnd.openxmlformats-officedocument.") || typ == "application/msword"
           || typ == "application/vnd.ms-excel" || typ == "application/vnd.ms-powerpoint" || typ == "application/rtf";
}

// Pictures, PDF, plain text, HTML and office documents: what a pupil's
// document may point to. Exact types: a shell script or a desktop entry is
// a kind of plain text too, and must not pass as one.
bool TypErlaubt(const QString &typ)
{
    return typ.startsWith("image/") || typ == "application/pdf" || typ == "text/plain" || typ == "text/html"
           || BueroTyp(typ);
}

bool DateiErlaubt(const QString &pfad)
{
    const QFileInfo fi(pfad);
    // A folder opens in the file manager, which starts nothing.
    if (fi.isDir())
        return true;
    if (!fi.isFile() || fi.isExecutable())
        return false;
    // The type is taken from the content: a name proves nothing. The first
    // kilobytes are read without blocking (a FIFO is no file to open).
    QByteArray anfang;
    {
        const int h = RegulaerOeffnen(pfad, O_RDONLY);
        if (h < 0)
            return false;
        anfang.resize(64 * 1024);
        ssize_t n;
        do {
            n = ::read(h, anfang.data(), size_t(anfang.size()));
        } while (n < 0 && errno == EINTR);
        ::close(h);
        if (n < 0)
            return false;
        anfang.resize(n);
    }
    const QMimeDatabase db;
    const QString inhalt = db.mimeTypeForData(anfang).name();
    // The desktop's opener goes by the name as well: a name that claims a
    // type of its own must claim an allowed one.
    const QMimeType nachName = db.mimeTypeForFile(pfad, QMimeDatabase::MatchExtension);
    const bool nameNeutral = nachName.isDefault();
    if (!nameNeutral && !TypErlaubt(nachName.name()))
        return false;
    if (TypErlaubt(inhalt))
        return true;
    // An empty file has no content to judge and cannot do harm; its name
    // must still name an allowed type.
    if (anfang.isEmpty())
        return !nameNeutral;
    // Office files are archives inside: by content alone some are only a zip
    // or a compound file; their name then says which office document.
    const bool archiv = inhalt == "application/zip" || inhalt == "application/x-ole-storage";
    return archiv && !nameNeutral && BueroTyp(nachName.name());
}

// mailto with nothing but a subject and a body: no attachments, no
// further recipients slipped in through parameters.
bool MailErlaubt(const QUrl &url)
{
    if (!url.isValid())
        return false;
    const QUrlQuery abfrage(url);
    for (const auto &[schluessel, wert] : abfrage.queryItems()) {
        const QString s = schluessel.toLower();
        if (s != "subject" && s != "body")
            return false;
    }
    return true;
}
} // namespace

bool ZielErlaubt(const QString &ziel)
{
    if (ziel.trimmed().isEmpty())
        return false;
    const QUrl url(ziel);
    const QString schema = url.scheme().toLower();
    if (schema == "http" || schema == "https")
        return url.isValid() && !url.host().isEmpty();
    if (schema == "mailto")
        return MailErlaubt(url);
    if (schema == "file")
        return url.isLocalFile() && DateiErlaubt(url.toLocalFile());
    // A plain path (a one-letter "scheme" would be a drive, not here).
    if (schema.isEmpty())
        return DateiErlaubt(ziel);
    return false;
}

QString OeffnenFehlerText(const QString &ziel)
{
    // A folder needs a file manager, not a browser; and no browser is named,
    // since which one a desktop has is its own choice.
    const QUrl url(ziel);
    const QString pfad = url.isLocalFile() ? url.toLocalFile() : ziel;
    if (url.scheme().isEmpty() || url.isLocalFile()) {
        if (QFileInfo(pfad).isDir())
            return QStringLiteral("Der Ordner \"") + ziel
                   + QStringLiteral("\" kann nicht geöffnet werden. Es ist kein Programm eingerichtet, das "
                                    "Ordner anzeigt.");
    }
    return QStringLiteral("Die Datei \"") + ziel
           + QStringLiteral("\" kann nicht geöffnet werden. Sie benötigen einen Webbrowser, um dieses Dokument "
                            "anzusehen.");
}

bool OeffneExtern(IOeffner &oeffner, IMeldungen &meldungen, const QString &ziel)
{
    if (!ZielErlaubt(ziel)) {
        meldungen.Fehler(OeffnenFehlerText(ziel));
        return false;
    }
    // The message boxes live as long as the program: the report may come
    // long after this returned.
    auto misslungen = std::make_shared<bool>(false);
    oeffner.Oeffnen(ziel, [&meldungen, ziel, misslungen](bool ok) {
        if (ok)
            return;
        *misslungen = true;
        meldungen.Fehler(OeffnenFehlerText(ziel));
    });
    return !*misslungen;
}
