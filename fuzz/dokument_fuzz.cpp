// libFuzzer target for the topic-document reader. Besides "no crash, no
// leak, no undefined behaviour" it checks that whatever the reader accepts
// is written back in a form that reads and writes again to the same bytes.
#include "DokumentDatei.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {
QByteArray Schreiben(const Dokument &d, bool &ok)
{
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    ok = DokumentSchreiben(buf, d);
    return buf.data();
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
    const QByteArray eingabe = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QBuffer buf;
        buf.setData(eingabe);
        buf.open(QIODevice::ReadOnly);
        QString titel;
        TitelLesen(buf, titel);
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
