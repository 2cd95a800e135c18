// The UDP socket of a local mailslot, and sending one datagram.
#include "UdpKanal.h"

#include "AdressSpeicher.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

UdpKanal::~UdpKanal()
{
    Schliessen();
}

bool UdpKanal::Binden(int port)
{
    Schliessen();
    if (port < 1 || port > 65535)
        return false;
    int s = ::socket(AF_INET6, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (s >= 0) {
        int aus = 0;
        ::setsockopt(s, IPPROTO_IPV6, IPV6_V6ONLY, &aus, sizeof aus);
        sockaddr_in6 a{};
        a.sin6_family = AF_INET6;
        a.sin6_addr = in6addr_any;
        a.sin6_port = htons(quint16(port));
        if (::bind(s, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0) {
            const int fehler = errno;
            ::close(s);
            s = -1;
            if (fehler == EADDRINUSE)
                return false; // taken: no IPv4 attempt that might slip past it
        }
    }
    if (s < 0) {
        s = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (s < 0)
            return false;
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_ANY);
        a.sin_port = htons(quint16(port));
        if (::bind(s, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0) {
            ::close(s);
            return false;
        }
    }
    // Room for a class's burst while the receiver is busy: at 10 000 reports
    // a second a few hundred milliseconds (the system may cap it lower).
    int puffer = 4 << 20;
    ::setsockopt(s, SOL_SOCKET, SO_RCVBUF, &puffer, sizeof puffer);
    fd = s;
    return true;
}

void UdpKanal::Schliessen()
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

bool UdpKanal::Wartet() const
{
    if (fd < 0)
        return false;
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & POLLIN);
}

namespace {
QString AdressText(const sockaddr_storage &a)
{
    char text[INET6_ADDRSTRLEN] = {};
    if (a.ss_family == AF_INET) {
        ::inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in &>(a).sin_addr, text, sizeof text);
    } else if (a.ss_family == AF_INET6) {
        const in6_addr &v6 = reinterpret_cast<const sockaddr_in6 &>(a).sin6_addr;
        // An IPv4 sender on the dual-stack socket: shown as IPv4.
        if (IN6_IS_ADDR_V4MAPPED(&v6))
            ::inet_ntop(AF_INET, &v6.s6_addr[12], text, sizeof text);
        else
            ::inet_ntop(AF_INET6, &v6, text, sizeof text);
    }
    return QString::fromLatin1(text);
}
} // namespace

UdpKanal::Gelesen UdpKanal::Lesen(QByteArray &daten, int maxBytes, QString *adresse)
{
    if (fd < 0)
        return Gelesen::Nichts;
    daten.resize(maxBytes + 1);
    sockaddr_storage von{};
    socklen_t vonLaenge = sizeof von;
    ssize_t n;
    do
        n = ::recvfrom(fd, daten.data(), size_t(daten.size()), MSG_DONTWAIT | MSG_TRUNC,
                       reinterpret_cast<sockaddr *>(&von), &vonLaenge);
    while (n < 0 && errno == EINTR);
    if (adresse)
        *adresse = n >= 0 ? AdressText(von) : QString();
    if (n < 0) {
        daten.clear();
        // Errors that a queued ICMP report can leave are no datagram, but
        // the queue may hold more.
        return (errno == EAGAIN || errno == EWOULDBLOCK) ? Gelesen::Nichts : Gelesen::ZuGross;
    }
    if (n > maxBytes) {
        daten.clear();
        return Gelesen::ZuGross;
    }
    daten.resize(n);
    return Gelesen::Nachricht;
}

bool UdpKanal::Senden(const QString &rechner, int port, const QByteArray &daten)
{
    if (port < 1 || port > 65535 || daten.isEmpty())
        return false;
    sockaddr_storage ziel{};
    socklen_t laenge = 0;
    if (!AdressSpeicher::Instanz().Aufloesen(rechner, ziel, laenge))
        return false;
    return SendenAn(ziel, laenge, port, daten);
}

bool UdpKanal::SendenAn(sockaddr_storage ziel, socklen_t laenge, int port, const QByteArray &daten)
{
    if (port < 1 || port > 65535 || daten.isEmpty() || laenge == 0)
        return false;
    if (ziel.ss_family == AF_INET)
        reinterpret_cast<sockaddr_in &>(ziel).sin_port = htons(quint16(port));
    else
        reinterpret_cast<sockaddr_in6 &>(ziel).sin6_port = htons(quint16(port));
    const int s = ::socket(ziel.ss_family, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (s < 0)
        return false;
    ssize_t n;
    do
        n = ::sendto(s, daten.constData(), size_t(daten.size()), 0, reinterpret_cast<sockaddr *>(&ziel), laenge);
    while (n < 0 && errno == EINTR);
    ::close(s);
    return n == daten.size();
}
