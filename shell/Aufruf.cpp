// The program's command line: --help, --version, or the folder or document to start with.
#include "Aufruf.h"

#include "PennoriaVersion.h"

#include <QCommandLineParser>

namespace {
QString HilfeText()
{
    return QStringLiteral("Aufruf: pennoria [Optionen] [Ordner oder Themendokument]\n"
                          "\n"
                          "Brinvale Pennoria – Flaggen und Länder der Welt spielerisch lernen.\n"
                          "\n"
                          "Optionen:\n"
                          "  -h, --help     Zeigt diese Hilfe an.\n"
                          "  -v, --version  Zeigt die Versionsnummer an.\n"
                          "\n"
                          "Argumente:\n"
                          "  Ordner         Das Menü \"Quizauswahl\" zeigt die Themen dieses Ordners.\n"
                          "  Themendokument Eine Datei *.tvl, die beim Start geöffnet wird.\n");
}
} // namespace

Aufruf AufrufLesen(const QStringList &argv)
{
    QCommandLineParser p;
    // Qt's own options (-platform, -style) are one word each.
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption hilfe({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    p.addOption(hilfe);
    p.addOption(version);

    Aufruf a;
    const bool gelesen = p.parse(argv);
    if (p.isSet(hilfe)) {
        a.art = Aufruf::Hilfe;
        a.ausgabe = HilfeText();
    } else if (p.isSet(version)) {
        a.art = Aufruf::Version;
        a.ausgabe = QStringLiteral("Brinvale Pennoria " PENNORIA_VERSION "\n");
    } else if (!gelesen) {
        a.art = Aufruf::Fehler;
        const QStringList unbekannt = p.unknownOptionNames();
        a.ausgabe = (unbekannt.isEmpty() ? QStringLiteral("Ungültiger Aufruf.")
                                         : QStringLiteral("Unbekannte Option: ") + unbekannt.join(QStringLiteral(", ")))
                    + QStringLiteral("\nMehr dazu: pennoria --help\n");
    } else {
        a.argumente = p.positionalArguments();
    }
    return a;
}
