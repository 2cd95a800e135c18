// Texts and message boxes for files that cannot be read, written or found.
#include "Dateifehler.h"

namespace {
QString MitPrefix(const QString &prefix, const QString &text)
{
    return prefix.isEmpty() ? text : prefix + "\r\n\r\n" + text;
}
} // namespace

QString SchreibFehlerText(const QString &pfad, const QString &prefix)
{
    return MitPrefix(prefix, "Die Datei \"" + pfad
                                 + "\" kann nicht geschrieben werden. "
                                   "Mögliche Ursachen:\r\n"
                                   "- Ungültiger Ordner oder Dateiname\r\n"
                                   "- fehlende Schreibzugriffsberechtigung im Netzwerk");
}

QString LeseFehlerText(const QString &pfad, const QString &prefix)
{
    return MitPrefix(prefix, "Die Datei \"" + pfad
                                 + "\" kann nicht gelesen werden. "
                                   "Mögliche Ursachen:\r\n"
                                   "- Datei existiert nicht\r\n"
                                   "- Ungültiges Dateiformat\r\n"
                                   "- fehlende Lesezugriffsberechtigung im Netzwerk");
}

QString DateiFehltText(const QString &pfad, const QString &prefix)
{
    return MitPrefix(prefix, "Die Datei \"" + pfad + "\" existiert nicht.");
}

void ZeigeSchreibFehler(IMeldungen &m, const QString &pfad, const QString &prefix)
{
    m.Fehler(SchreibFehlerText(pfad, prefix));
}

void ZeigeLeseFehler(IMeldungen &m, const QString &pfad, const QString &prefix)
{
    m.Fehler(LeseFehlerText(pfad, prefix));
}

void ZeigeDateiFehlt(IMeldungen &m, const QString &pfad, const QString &prefix)
{
    m.Fehler(DateiFehltText(pfad, prefix));
}
