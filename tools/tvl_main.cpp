// The tvl command-line tool: verb registry, output and dispatch.
#include "TvlBefehl.h"

#include <QGuiApplication>

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
    if (!args.isEmpty()) {
        const QString verb = args.takeFirst();
        for (const auto &b : TvlBefehle())
            if (verb == QLatin1String(b.name))
                return b.ausfuehren(args);
    }
    QString hilfe = "Aufruf:\n";
    for (const auto &b : TvlBefehle())
        hilfe += QString("  tvl %1\n").arg(QString::fromUtf8(b.hilfe));
    TvlFehler(hilfe);
    return 2;
}
