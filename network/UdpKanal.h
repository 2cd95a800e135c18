// The UDP socket that stands for a local mailslot, and sending one datagram.
#pragma once
#include <QByteArray>
#include <QString>

#include <sys/socket.h>

// One bound UDP socket (IPv6 with IPv4 mapped where the system has IPv6,
// else IPv4). Binding without address reuse, so a port in use refuses, as a
// mailslot name in use does. The receiver thread asks Wartet(); the
// user-interface thread reads; both only make system calls on the handle.
class UdpKanal
{
public:
    UdpKanal() = default;
    ~UdpKanal();
    UdpKanal(const UdpKanal &) = delete;
    UdpKanal &operator=(const UdpKanal &) = delete;

    bool Binden(int port);
    void Schliessen();
    bool Offen() const { return fd >= 0; }
    int Handle() const { return fd; }

    // Whether a datagram waits (no waiting).
    bool Wartet() const;

    enum class Gelesen { Nichts, Nachricht, ZuGross };
    // Reads the next waiting datagram; a datagram longer than maxBytes is
    // taken off the queue and reported as ZuGross without its content.
    // adresse, if given, receives the sender's address as text.
    Gelesen Lesen(QByteArray &daten, int maxBytes, QString *adresse = nullptr);

    // Sends one datagram to port on the computer (name, .local name or
    // address). False when the name cannot be resolved or sending fails;
    // the callers stay silent about it.
    static bool Senden(const QString &rechner, int port, const QByteArray &daten);
    // The same to an address already resolved.
    static bool SendenAn(sockaddr_storage ziel, socklen_t laenge, int port, const QByteArray &daten);

private:
    int fd = -1;
};
