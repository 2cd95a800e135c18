// High-score file bytes built by hand for the tests.
#pragma once
#include <QByteArray>
#include <QFile>
#include <QtEndian>

#include <cstring>

// Builds .hsc bytes by hand, independent of the writer under test.
namespace HscBytes {
inline QByteArray Int(qint32 v)
{
    char b[4];
    qToLittleEndian<qint32>(v, b);
    return QByteArray(b, 4);
}
inline QByteArray Real(double v)
{
    quint64 bits;
    std::memcpy(&bits, &v, 8);
    char b[8];
    qToLittleEndian<quint64>(bits, b);
    return QByteArray(b, 8);
}
inline QByteArray Text(const QByteArray &t)
{
    return Int(qint32(t.size())) + t;
}
inline QByteArray Datensatz(const QByteArray &name, const QByteArray &rechner, double beginn, qint32 dauer,
                            double leistung)
{
    return Text(name) + Text(rechner) + Real(beginn) + Int(dauer) + Real(leistung);
}
inline QByteArray Kopf()
{
    return Text("TVL-HSC-1.00") + Text("|HSC-Name|HSC-Rechner|HSC-Beginn|HSC-Dauer|HSC-Leistung|");
}
inline bool Schreiben(const QString &pfad, const QByteArray &b)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(b) == b.size();
}
inline QByteArray Lesen(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace HscBytes
