// IZufall: the program's random generator, its standard kind and the start seed.
#pragma once
#include <QtGlobal>

#include <random>

// The program's one random generator, seeded once per start; tests seed it
// to get fixed sequences.
class IZufall
{
public:
    virtual ~IZufall() = default;
    virtual int Zahl(int n) = 0; // uniform in 0 .. n-1; 0 when n <= 0
    virtual double Bruch() = 0;  // uniform in [0, 1)
};

class StdZufall : public IZufall
{
public:
    explicit StdZufall(quint32 saat = 0) : gen(saat) {}
    void Saeen(quint32 saat) { gen.seed(saat); }
    int Zahl(int n) override;
    double Bruch() override;

private:
    std::mt19937 gen;
};

// ((h*60+m)*60+s)*1000+ms of the current UTC time.
quint32 StartSaat();
