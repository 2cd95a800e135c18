// Synthesising the two feedback sounds as WAV files.
#include "Klaenge.h"

#include <QFile>
#include <QtEndian>

#include <cmath>
#include <vector>

namespace {

constexpr int Abtastrate = 44100;
constexpr double Pi = 3.14159265358979323846;

void Int32(QByteArray &b, quint32 v)
{
    char c[4];
    qToLittleEndian(v, c);
    b.append(c, 4);
}

void Int16(QByteArray &b, quint16 v)
{
    char c[2];
    qToLittleEndian(v, c);
    b.append(c, 2);
}

bool WavSchreiben(const QString &pfad, const std::vector<double> &proben)
{
    QByteArray daten;
    for (double p : proben)
        Int16(daten, quint16(qint16(std::lround(std::clamp(p, -1.0, 1.0) * 32767))));
    QByteArray b("RIFF");
    Int32(b, quint32(36 + daten.size()));
    b.append("WAVEfmt ");
    Int32(b, 16);
    Int16(b, 1); // PCM
    Int16(b, 1); // mono
    Int32(b, Abtastrate);
    Int32(b, Abtastrate * 2);
    Int16(b, 2);
    Int16(b, 16);
    b.append("data");
    Int32(b, quint32(daten.size()));
    b.append(daten);
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(b) == b.size() && f.flush();
}

// A struck bell-like note: a few inharmonic partials with fast attack and
// exponential decay.
void Glocke(std::vector<double> &proben, double start, double frequenz, double lautstaerke)
{
    const struct
    {
        double faktor, anteil, abklingen;
    } teile[] = {{1.0, 1.0, 9.0}, {2.0, 0.45, 14.0}, {3.01, 0.2, 20.0}, {4.2, 0.08, 28.0}};
    const size_t anfang = size_t(start * Abtastrate);
    for (size_t i = anfang; i < proben.size(); ++i) {
        const double t = double(i - anfang) / Abtastrate;
        const double anschlag = std::min(1.0, t / 0.004);
        double s = 0;
        for (const auto &teil : teile)
            s += teil.anteil * std::exp(-teil.abklingen * t) * std::sin(2 * Pi * frequenz * teil.faktor * t);
        proben[i] += lautstaerke * anschlag * s;
    }
}

// Fades the last milliseconds out so the file ends without a click.
void Ausblenden(std::vector<double> &proben, double dauer)
{
    const size_t n = std::min(proben.size(), size_t(dauer * Abtastrate));
    for (size_t k = 0; k < n; ++k)
        proben[proben.size() - 1 - k] *= double(k) / double(n);
}

std::vector<double> RichtigKlang()
{
    // Two rising notes, E6 then B6: short and bright.
    std::vector<double> proben(size_t(0.38 * Abtastrate), 0.0);
    Glocke(proben, 0.0, 1318.5, 0.32);
    Glocke(proben, 0.085, 1975.5, 0.30);
    Ausblenden(proben, 0.03);
    return proben;
}

std::vector<double> FalschKlang()
{
    // A low, slightly falling buzz (about 150 Hz) of a few odd harmonics.
    std::vector<double> proben(size_t(0.34 * Abtastrate), 0.0);
    double phase = 0;
    for (size_t i = 0; i < proben.size(); ++i) {
        const double t = double(i) / Abtastrate;
        const double frequenz = 155.0 - 25.0 * t / 0.34;
        phase += 2 * Pi * frequenz / Abtastrate;
        const double ton = std::sin(phase) + 0.35 * std::sin(3 * phase) + 0.15 * std::sin(5 * phase);
        const double huelle = std::min(1.0, t / 0.01) * std::exp(-2.5 * t);
        proben[i] = 0.45 * huelle * ton;
    }
    Ausblenden(proben, 0.05);
    return proben;
}

} // namespace

bool KlaengeErzeugen(const QString &ordner)
{
    return WavSchreiben(ordner + "/Richtig1.wav", RichtigKlang())
           && WavSchreiben(ordner + "/Falsch1.wav", FalschKlang());
}
