// A program that records runs into a store and then waits to be killed.
// Arguments: store path, finished runs first, answers of the open run.
#include "Lernstand.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    Lernstand s(QString::fromLocal8Bit(argv[1]));
    if (s.Oeffnen() != Lernstand::Stand::Bereit)
        return 1;
    const int fertige = atoi(argv[2]);
    const int antworten = atoi(argv[3]);
    const QDateTime t(QDate(2026, 12, 7), QTime(9, 0));
    auto lauf = [&] { return s.LaufBeginnen({"Kim", "flaggen", "Flaggen", t, true, false}); };
    auto antwort = [&](qint64 l, int i) {
        return s.AntwortSpeichern(l, {QString("Land %1").arg(i), {}, i % 2 == 0, true, 1000, t});
    };
    for (int r = 0; r < fertige; ++r) {
        const qint64 l = lauf();
        for (int i = 0; i < 2; ++i)
            antwort(l, i);
        s.LaufAbschliessen(l, {EndeArt::Fertig, 5000, 0.5, 4}, t.date());
    }
    const qint64 l = lauf();
    for (int i = 0; i < antworten; ++i)
        antwort(l, i);
    std::puts("bereit");
    std::fflush(stdout);
    for (;;)
        ::pause();
}
