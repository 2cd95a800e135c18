// Resolved computer names, kept for a while so that a report per answer
// does not wait for the name service every time.
#pragma once
#include <QHash>
#include <QMutex>
#include <QString>

#include <sys/socket.h>

// One look-up without memory: an address literal, or the name through the
// system's resolver (IPv4 first, as a school network mostly has it). May
// block as long as the name service takes. False for an empty name, one
// longer than a host name may be, or one that could be read as an option.
bool AdresseNachschlagen(const QString &rechner, sockaddr_storage &ziel, socklen_t &laenge);

class AdressSpeicher
{
public:
    static AdressSpeicher &Instanz();

    // An address literal needs no look-up; a name is resolved (IPv4 first,
    // as a school network mostly has it) and kept for GueltigMs, a failure
    // for FehlschlagMs so that an absent computer does not block every send.
    bool Aufloesen(const QString &rechner, sockaddr_storage &ziel, socklen_t &laenge);
    void Leeren();

    static constexpr qint64 GueltigMs = qint64(5) * 60 * 1000;
    static constexpr qint64 FehlschlagMs = qint64(10) * 1000;

private:
    struct Eintrag
    {
        bool ok = false;
        sockaddr_storage adresse{};
        socklen_t laenge = 0;
        qint64 bis = 0;
    };
    QMutex sperre;
    QHash<QString, Eintrag> eintraege;
};
