#include "TvlBefehl.h"

#include <QGuiApplication>

#include <cstdio>
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
