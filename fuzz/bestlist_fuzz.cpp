// libFuzzer target for the high-score reader and the list order. Besides "no
// crash, no leak, no undefined behaviour" it checks that the records read
// are written back to bytes that read the same, and that the fast order
// equals the selection sort it replaces.
#include "BestListAuswahl.h"
#include "BestListDatei.h"
#include "BestListSortierung.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {
bool Gleich(const TBestListEintrag &a, const TBestListEintrag &b)
{
    auto bits = [](double d) {
        quint64 u;
        std::memcpy(&u, &d, 8);
        return u;
    };
    return a.Name == b.Name && a.Rechner == b.Rechner && bits(a.Beginn) == bits(b.Beginn) && a.Dauer == b.Dauer
           && bits(a.Leistung) == bits(b.Leistung);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray roh = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    TBestList liste;
    if (!BestListAusBytes(roh, liste)) {
        if (!liste.isEmpty())
            std::abort(); // a refused file leaves the list empty
        return 0;
    }
    if (liste.size() > Hsc::MaxEintraege)
        std::abort();

    // What was read, written with all five fields, reads back the same
    // (names are Windows-1252 both ways).
    QByteArray neu = Hsc::KopfBytes();
    for (const auto &e : liste) {
        BestListDatensatz d;
        d.Name = e.Name;
        d.Rechner = e.Rechner;
        d.Beginn = e.Beginn;
        d.Dauer = e.Dauer;
        d.Leistung = e.Leistung;
        neu += Hsc::DatensatzBytes(d);
    }
    TBestList wieder;
    if (!BestListAusBytes(neu, wieder) || wieder.size() != liste.size())
        std::abort();
    for (qsizetype i = 0; i < liste.size(); ++i)
        if (!Gleich(liste[i], wieder[i]))
            std::abort();

    // The fast order is the selection sort's order, ties and NaNs included.
    if (liste.size() <= 64) {
        TBestList a = liste, b = liste;
        BestListSortieren(a);
        BestListAuswahlsortieren(b);
        for (qsizetype i = 0; i < a.size(); ++i)
            if (!Gleich(a[i], b[i]))
                std::abort();
    }
    return 0;
}
