// High-score list file: locked appending of records, reading and parsing.
#include "BestListDatei.h"
#include "Cp1252.h"
#include "DateiSperre.h"
#include "LeDaten.h"
#include "Sanduhr.h"

#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>
#include <unistd.h>

namespace {

// Reads from a byte buffer the way a stream reads from a file: a read past
// the end delivers what is there and leaves the rest zero.
class Leser
{
public:
    explicit Leser(const QByteArray &d) : daten(d) {}
    bool AmEnde() const { return pos >= daten.size(); }
    qint64 Position() const { return pos; }

    qint32 Int()
    {
        char buf[4] = {};
        Lies(buf, 4);
        return LeInt(buf);
    }
    double Real()
    {
        char buf[8] = {};
        Lies(buf, 8);
        return LeReal(buf);
    }
    QByteArray Text()
    {
        const qint32 n = Int();
        if (n <= 0)
            return {};
        // The count is never trusted beyond what the file holds.
        const qint64 da = qMin<qint64>(n, daten.size() - pos);
        QByteArray t = daten.mid(pos, da);
        pos += da;
        return t;
    }

private:
    void Lies(char *ziel, qint64 n)
    {
        const qint64 da = qMax<qint64>(0, qMin<qint64>(n, daten.size() - pos));
        if (da > 0)
            std::memcpy(ziel, daten.constData() + pos, size_t(da));
        pos += da;
    }
    const QByteArray &daten;
    qint64 pos = 0;
};

// Another program holds a list for a few microseconds per record. Polling
// the lock for a moment lets such an overlap pass within one attempt, so the
// 100 ms pauses between attempts are left for real obstructions; under heavy
// load five refused attempts in a row would otherwise lose a result.
bool OeffnenMitGeduld(GesperrteDatei &datei, const QString &pfad, GesperrteDatei::Art art)
{
    using namespace std::chrono;
    const auto ende = steady_clock::now() + milliseconds(Hsc::SperrGeduldMs);
    for (;;) {
        if (datei.Oeffnen(pfad, art))
            return true;
        if (steady_clock::now() >= ende)
            return false;
        std::this_thread::sleep_for(microseconds(200));
    }
}

// Whether the open file starts with the list's magic, as a string.
bool BeginntMitKennung(int fd)
{
    LeSchreiber k;
    k.StrRoh(QByteArray(Hsc::Magic));
    const QByteArray &kennung = k.daten;
    QByteArray kopf(kennung.size(), Qt::Uninitialized);
    ssize_t n;
    do {
        n = ::pread(fd, kopf.data(), size_t(kopf.size()), 0);
    } while (n < 0 && errno == EINTR);
    return n == kopf.size() && kopf == kennung;
}

} // namespace

QByteArray Hsc::KopfBytes()
{
    LeSchreiber b;
    b.StrRoh(QByteArray(Magic));
    b.StrRoh(QByteArray(FeldListe));
    return b.daten;
}

QByteArray Hsc::DatensatzBytes(const BestListDatensatz &d)
{
    LeSchreiber b;
    b.StrRoh(NachCp1252(d.Name));
    b.StrRoh(NachCp1252(d.Rechner));
    b.Real(d.Beginn);
    b.Int(d.Dauer);
    b.Real(d.Leistung);
    return b.daten;
}

bool BestListSchreiben(const QString &pfad, const BestListDatensatz &d)
{
    Sanduhr sanduhr;
    GesperrteDatei datei;
    // Open-or-create without truncation: two computers that both found the
    // list missing must not wipe each other's records.
    if (!OeffnenMitGeduld(datei, pfad, GesperrteDatei::Art::Schreiben))
        return false;
    const qint64 groesse = datei.Groesse();
    if (groesse < 0)
        return false;
    QByteArray bytes;
    if (groesse == 0)
        bytes = Hsc::KopfBytes();
    else if (!BeginntMitKennung(datei.fd()))
        return false; // not a list of ours: nothing is appended to it
    bytes += Hsc::DatensatzBytes(d);
    // One write for head and record, so a reader never sees half of it.
    if (!datei.AllesSchreiben(bytes.constData(), bytes.size())) {
        // A partial record would shift every record appended after it; cut
        // the file back to where it was while we still hold the lock.
        if (::ftruncate(datei.fd(), groesse) != 0) {
            // Nothing more we can do; the failure is reported anyway.
        }
        return false;
    }
    return true;
}

bool BestListAusBytes(const QByteArray &daten, TBestList &liste)
{
    liste.clear();
    Leser leser(daten);
    if (leser.Text() != QByteArray(Hsc::Magic))
        return false;
    const QByteArray felder = leser.Text();
    const bool mitName = felder.contains("HSC-Name");
    const bool mitRechner = felder.contains("HSC-Rechner");
    const bool mitBeginn = felder.contains("HSC-Beginn");
    const bool mitDauer = felder.contains("HSC-Dauer");
    const bool mitLeistung = felder.contains("HSC-Leistung");
    // A list naming none of the fields would have records of no size: the
    // loop below could never reach the end of the file.
    if (!(mitName || mitRechner || mitBeginn || mitDauer || mitLeistung) && !leser.AmEnde())
        return false;

    TBestList gelesen;
    gelesen.reserve(100);
    while (!leser.AmEnde()) {
        if (gelesen.size() >= Hsc::MaxEintraege)
            return false;
        // Room grows by 100 entries (100, 200, 300, ...), and by half once
        // the list is large, so reading stays linear.
        if (gelesen.size() == gelesen.capacity())
            gelesen.reserve(gelesen.capacity() + qMax<qsizetype>(100, gelesen.capacity() / 2));
        TBestListEintrag e;
        if (mitName)
            e.Name = VonCp1252(leser.Text());
        if (mitRechner)
            e.Rechner = VonCp1252(leser.Text());
        if (mitBeginn)
            e.Beginn = leser.Real();
        if (mitDauer)
            e.Dauer = leser.Int();
        if (mitLeistung)
            e.Leistung = leser.Real();
        gelesen.append(e);
    }
    for (auto &e : gelesen)
        e.Ende = e.Beginn + double(e.Dauer / 1000) / 86400.0; // whole seconds only
    gelesen.squeeze();
    liste = std::move(gelesen);
    return true;
}

bool BestListLesen(const QString &pfad, TBestList &liste)
{
    liste.clear();
    if (!QFileInfo(pfad).isFile())
        return false;
    GesperrteDatei datei;
    if (!OeffnenMitGeduld(datei, pfad, GesperrteDatei::Art::Lesen))
        return false;
    Sanduhr sanduhr;
    QByteArray daten;
    if (!datei.AllesLesen(daten, Hsc::MaxDateiGroesse))
        return false;
    datei.Schliessen();
    return BestListAusBytes(daten, liste);
}
