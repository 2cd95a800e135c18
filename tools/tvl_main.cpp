// The tvl command-line tool: verb registry, output and dispatch.
#include "TvlBefehl.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
std::vector<TvlBefehl> &Liste()
{
    static std::vector<TvlBefehl> liste;
    return liste;
}
bool IstHilfeOption(const QString &a)
{
    return a == QLatin1String("--help") || a == QLatin1String("-h") || a == QLatin1String("--hilfe");
}
} // namespace

TvlRegistrierung::TvlRegistrierung(TvlBefehl befehl)
{
    Liste().push_back(std::move(befehl));
}

const std::vector<TvlBefehl> &TvlBefehle()
{
    return Liste();
}

void TvlAus(const QString &text)
{
    const QByteArray b = text.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
}

void TvlFehler(const QString &text)
{
    const QByteArray b = text.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stderr);
    if (!text.endsWith('\n'))
        std::fputc('\n', stderr);
}

int main(int argc, char *argv[])
{
    // Rendering needs fonts and a paint device but never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a desktop session Qt warns about the missing runtime folder on
    // every call; give it a private one so scripts see only our own output.
    if (qgetenv("XDG_RUNTIME_DIR").isEmpty()) {
        const std::string ordner = "/tmp/tvl-runtime-" + std::to_string(getuid());
        ::mkdir(ordner.c_str(), 0700);
        struct stat st = {};
        if (::stat(ordner.c_str(), &st) == 0 && st.st_uid == getuid() && (st.st_mode & 0777) == 0700)
            qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(ordner));
    }
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    // Asking for help is no error: the usage goes to standard output and
    // the tool ends with 0, for the whole tool and for each verb.
    const bool hilfeGefragt = std::any_of(args.cbegin(), args.cend(), IstHilfeOption);
    if (!args.isEmpty() && !IstHilfeOption(args.first())) {
        const QString verb = args.takeFirst();
        for (const auto &b : TvlBefehle())
            if (verb == QLatin1String(b.name)) {
                if (hilfeGefragt) {
                    TvlAus(QString("Aufruf: tvl %1\n").arg(QString::fromUtf8(b.hilfe)));
                    return 0;
                }
                return b.ausfuehren(args);
            }
    }
    QString hilfe = "Aufruf:\n";
    for (const auto &b : TvlBefehle())
        hilfe += QString("  tvl %1\n").arg(QString::fromUtf8(b.hilfe));
    if (hilfeGefragt) {
        TvlAus(hilfe);
        return 0;
    }
    TvlFehler(hilfe);
    return 2;
}
