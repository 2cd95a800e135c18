// libFuzzer target for what the classroom exercise reads from outside: a
// datagram through the envelope decoder, the message parser and the live
// view's model, and the exercise data file from the shared folder. Besides
// "no crash, no leak, no undefined behaviour" it checks that whatever is
// accepted is written back to the same bytes and reads back the same.
#include "KontrollModell.h"
#include "MailSlotNachricht.h"
#include "NetzDateien.h"
#include "TnNachricht.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

namespace {
KontrollModell &Modell()
{
    // One model for the whole run, as the teacher's window keeps it; it must
    // stay within its row limit whatever comes.
    static KontrollModell m;
    return m;
}

void Datagramm(const QByteArray &d)
{
    MailSlotEmpfang e;
    if (!MailSlotEntpacken(d, e))
        return;
    const QStringList zeilen = NachrichtZeilen(e.Text);
    if (MailSlotVerpacken(e.UserName, e.Computer, zeilen) != d)
        std::abort(); // an accepted datagram has exactly one form
    TnNachricht n;
    if (!TnLesen(zeilen, n))
        return;
    TnNachricht wieder;
    if (!TnLesen(TnZeilen(n), wieder) || TnZeilen(wieder) != TnZeilen(n))
        std::abort();
    Modell().Verarbeiten(e.Computer, e.UserName, n);
    if (Modell().rowCount() > KontrollModell::MaxZeilen)
        std::abort();
    for (int s = 0; s < KontrollModell::SpaltenZahl; ++s)
        Modell().index(Modell().rowCount() - 1, s).data();
}

void DatenDatei(const QByteArray &d)
{
    QString master;
    UebOptionen o;
    if (!NetzDatAusBytes(d, master, o))
        return;
    QString m2;
    UebOptionen o2;
    if (!NetzDatAusBytes(NetzDatBytes(master, o), m2, o2) || m2 != master || o2.ZeitLimitWert != o.ZeitLimitWert
        || o2.Zuordnungsziele != o.Zuordnungsziele)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "netz_fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    if (size == 0)
        return 0;
    // The first byte picks the reader, so one corpus covers both.
    const QByteArray d(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    if (data[0] & 1)
        DatenDatei(d);
    else
        Datagramm(d);
    return 0;
}
