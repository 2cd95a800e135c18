// The optional record of the live view's message handling.
#include "KontrollMessung.h"

#include <ctime>

qint64 KontrollMessung::MonotonNs()
{
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

KontrollMessung::KontrollMessung(QObject *eltern) : QObject(eltern)
{
    const QString pfad = qEnvironmentVariable("PENNORIA_KONTROLL_MESSUNG");
    if (pfad.isEmpty())
        return;
    datei = std::make_unique<QFile>(pfad);
    // Buffered and flushed with each heartbeat: a write per message would
    // cost the window more than the message itself under a flood.
    if (!datei->open(QIODevice::WriteOnly | QIODevice::Append)) {
        datei.reset();
        return;
    }
    puls.setInterval(50);
    connect(&puls, &QTimer::timeout, this, [this] {
        Zeile("T " + QByteArray::number(MonotonNs()));
        datei->flush();
    });
    puls.start();
}

void KontrollMessung::Zeile(const QByteArray &z)
{
    if (datei)
        datei->write(z + '\n');
}

void KontrollMessung::Genommen(const QString &kennung, int antworten, int zustand)
{
    if (datei)
        Zeile("N " + QByteArray::number(MonotonNs()) + ' ' + kennung.toLatin1() + ' ' + QByteArray::number(antworten)
              + ' ' + QByteArray::number(zustand));
}

void KontrollMessung::Verworfen(qint64 gesamt)
{
    if (datei)
        Zeile("V " + QByteArray::number(MonotonNs()) + ' ' + QByteArray::number(gesamt));
}
