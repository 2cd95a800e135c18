// libFuzzer target for the topic-document reader. Besides "no crash, no
// leak, no undefined behaviour" it checks that whatever the reader accepts
// is written back in a form that reads and writes again to the same bytes.
#include "DokumentDatei.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>
#include <zlib.h>

namespace {
QByteArray Schreiben(const Dokument &d, bool &ok)
{
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    ok = DokumentSchreiben(buf, d);
    return buf.data();
}

// Mutations inside a PNG chunk nearly always break its CRC, and libpng would
// stop at once; mending the CRCs lets them reach the decoder proper.
QByteArray CrcsRichten(QByteArray b)
{
    qsizetype p = b.indexOf("\x89PNG\r\n\x1a\n");
    if (p < 0)
        return b;
    p += 8;
    while (p + 12 <= b.size()) {
        const auto *u = reinterpret_cast<const uchar *>(b.constData() + p);
        const quint32 laenge = quint32(u[0]) << 24 | quint32(u[1]) << 16 | quint32(u[2]) << 8 | u[3];
        if (laenge > quint32(b.size() - p - 12))
            break;
        const quint32 crc = quint32(crc32(0, u + 4, uInt(laenge + 4)));
        char *c = b.data() + p + 8 + laenge;
        c[0] = char(crc >> 24);
        c[1] = char(crc >> 16);
        c[2] = char(crc >> 8);
        c[3] = char(crc);
        p += 12 + laenge;
    }
    return b;
}

bool Lesen(const QByteArray &bytes, Dokument &d)
{
    QBuffer buf;
    buf.setData(bytes);
    buf.open(QIODevice::ReadOnly);
    return DokumentLesen(buf, d);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray roh = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    // Odd-sized inputs go in as they are, even-sized ones with mended CRCs,
    // so both the CRC checks and what lies behind them are exercised.
    const QByteArray eingabe = size % 2 ? roh : CrcsRichten(QByteArray(roh.constData(), roh.size()));
    {
        QBuffer buf;
        buf.setData(eingabe);
        buf.open(QIODevice::ReadOnly);
        QString titel;
        const bool ok = TitelLesen(buf, titel);
        // The in-memory title parser of LeseTitel must agree with the
        // stream reader, also when given only a first block.
        QString t2;
        const bool ok2 = TitelAusKopf(eingabe.constData(), eingabe.size(), true, t2) == KopfErgebnis::Ok;
        if (ok != ok2 || (ok && titel != t2))
            std::abort();
        const qint64 block = qMin<qint64>(eingabe.size(), 64);
        QString t3;
        const KopfErgebnis e = TitelAusKopf(eingabe.constData(), block, block == eingabe.size(), t3);
        if ((e == KopfErgebnis::Ok && (!ok || t3 != titel)) || (e == KopfErgebnis::Fehler && ok))
            std::abort();
    }
    Dokument d;
    if (!Lesen(eingabe, d))
        return 0;
    bool ok = false;
    const QByteArray erst = Schreiben(d, ok);
    if (!ok)
        return 0; // e.g. a zero-size picture cannot be encoded
    Dokument d2;
    if (!Lesen(erst, d2))
        std::abort(); // our own output must be readable
    const QByteArray zweit = Schreiben(d2, ok);
    if (!ok || zweit != erst)
        std::abort(); // and stable
    return 0;
}
