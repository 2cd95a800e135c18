// Resolved computer names with a short memory.
#include "AdressSpeicher.h"

#include <QMutexLocker>

#include <chrono>
#include <cstring>
#include <netdb.h>

namespace {
qint64 JetztMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool Nachschlagen(const QByteArray &name, int familie, sockaddr_storage &ziel, socklen_t &laenge)
{
    addrinfo hinweis{};
    hinweis.ai_family = familie;
    hinweis.ai_socktype = SOCK_DGRAM;
    addrinfo *liste = nullptr;
    if (::getaddrinfo(name.constData(), nullptr, &hinweis, &liste) != 0 || !liste)
        return false;
    bool ok = false;
    for (addrinfo *a = liste; a; a = a->ai_next) {
        if (a->ai_addrlen <= sizeof ziel) {
            std::memcpy(&ziel, a->ai_addr, a->ai_addrlen);
            laenge = socklen_t(a->ai_addrlen);
            ok = true;
            break;
        }
    }
    ::freeaddrinfo(liste);
    return ok;
}
} // namespace

bool AdresseNachschlagen(const QString &rechner, sockaddr_storage &ziel, socklen_t &laenge)
{
    const QString name = rechner.trimmed().toLower();
    // Nothing that could be read as an option or a path reaches the resolver.
    if (name.isEmpty() || name.size() > 253 || name.startsWith(QLatin1Char('-')))
        return false;
    const QByteArray n = name.toUtf8();
    return Nachschlagen(n, AF_INET, ziel, laenge) || Nachschlagen(n, AF_INET6, ziel, laenge);
}

AdressSpeicher &AdressSpeicher::Instanz()
{
    static AdressSpeicher s;
    return s;
}

bool AdressSpeicher::Aufloesen(const QString &rechner, sockaddr_storage &ziel, socklen_t &laenge)
{
    const QString name = rechner.trimmed().toLower();
    // Nothing that could be read as an option or a path reaches the resolver.
    if (name.isEmpty() || name.size() > 253 || name.startsWith(QLatin1Char('-')))
        return false;
    const qint64 jetzt = JetztMs();
    QMutexLocker l(&sperre);
    const auto it = eintraege.constFind(name);
    if (it != eintraege.constEnd() && it->bis > jetzt) {
        ziel = it->adresse;
        laenge = it->laenge;
        return it->ok;
    }
    Eintrag e;
    const QByteArray n = name.toUtf8();
    e.ok = Nachschlagen(n, AF_INET, e.adresse, e.laenge) || Nachschlagen(n, AF_INET6, e.adresse, e.laenge);
    e.bis = jetzt + (e.ok ? GueltigMs : FehlschlagMs);
    if (eintraege.size() > 256)
        eintraege.clear();
    eintraege.insert(name, e);
    ziel = e.adresse;
    laenge = e.laenge;
    return e.ok;
}

void AdressSpeicher::Leeren()
{
    QMutexLocker l(&sperre);
    eintraege.clear();
}
