// Little-endian numbers and counted strings as the document and high-score files store them.
#pragma once
#include <QByteArray>
#include <QtEndian>

#include <cstring>

// A 4-byte integer and an 8-byte IEEE double, least significant byte first.
inline qint32 LeInt(const char *b)
{
    return qFromLittleEndian<qint32>(b);
}

inline double LeReal(const char *b)
{
    const quint64 bits = qFromLittleEndian<quint64>(b);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

// Collects the written bytes; the file gets them in one write, so a failed
// write never leaves half a record.
class LeSchreiber
{
public:
    QByteArray daten;

    void Int(qint32 v)
    {
        char b[4];
        qToLittleEndian<qint32>(v, b);
        daten.append(b, 4);
    }

    void Real(double v)
    {
        quint64 bits;
        std::memcpy(&bits, &v, sizeof bits);
        char b[8];
        qToLittleEndian<quint64>(bits, b);
        daten.append(b, 8);
    }

    // A 4-byte length, then the bytes.
    void StrRoh(const QByteArray &s)
    {
        Int(qint32(s.size()));
        daten.append(s);
    }
};
