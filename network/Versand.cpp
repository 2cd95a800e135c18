// Sending datagrams on a worker thread.
#include "Versand.h"

#include "AdressSpeicher.h"
#include "UdpKanal.h"

#include <QHash>
#include <QMetaObject>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace {
using Uhr = std::chrono::steady_clock;

class SystemResolver : public INamensAufloesung
{
public:
    bool Aufloesen(const QString &rechner, sockaddr_storage &ziel, socklen_t &laenge) override
    {
        return AdresseNachschlagen(rechner, ziel, laenge);
    }
};
} // namespace

std::shared_ptr<INamensAufloesung> SystemAufloesung()
{
    return std::make_shared<SystemResolver>();
}

struct Versand::Zustand
{
    struct Auftrag
    {
        QString Rechner;
        int Port = 0;
        QByteArray Daten; // empty: only resolve
        Uhr::time_point NichtVor;
    };
    struct Adresse
    {
        bool Ok = false;
        bool Gemeldet = false; // the failure was reported
        sockaddr_storage Ziel{};
        socklen_t Laenge = 0;
        Uhr::time_point NaechsterVersuch;
    };

    std::shared_ptr<INamensAufloesung> Aufloesung;
    std::mutex Sperre;
    std::condition_variable Wecker;
    std::deque<Auftrag> Warteschlange;
    QHash<QString, Adresse> Adressen;
    bool Ende = false;
    bool Fertig = false;
    Versand *Melder = nullptr; // cleared when the component goes

    void Melden(const char *signal, const QString &rechner)
    {
        // Under the lock: the component cannot go meanwhile; a queued call
        // to a component that goes later is dropped with it.
        if (Melder)
            QMetaObject::invokeMethod(Melder, signal, Qt::QueuedConnection, Q_ARG(QString, rechner));
    }
};

Versand::Versand(std::shared_ptr<INamensAufloesung> aufloesung, QObject *eltern)
    : QObject(eltern), zustand(std::make_shared<Zustand>())
{
    zustand->Aufloesung = aufloesung ? std::move(aufloesung) : SystemAufloesung();
    zustand->Melder = this;
    // Detached: a resolver that hangs must not hang the program's end. The
    // thread owns a share of the state and ends after its current look-up.
    std::thread(&Versand::Arbeiten, zustand).detach();
}

Versand::~Versand()
{
    std::unique_lock l(zustand->Sperre);
    zustand->Melder = nullptr;
    zustand->Ende = true;
    zustand->Wecker.notify_all();
    zustand->Wecker.wait_for(l, std::chrono::milliseconds(AbschlussMs), [this] { return zustand->Fertig; });
}

void Versand::Senden(const QString &rechner, int port, const QByteArray &daten, int verzoegerungMs)
{
    if (daten.isEmpty())
        return;
    std::lock_guard l(zustand->Sperre);
    if (zustand->Warteschlange.size() >= size_t(MaxWartend))
        zustand->Warteschlange.pop_front();
    zustand->Warteschlange.push_back(
        {rechner, port, daten, Uhr::now() + std::chrono::milliseconds(qMax(0, verzoegerungMs))});
    zustand->Wecker.notify_all();
}

void Versand::NeuAufloesen(const QString &rechner)
{
    std::lock_guard l(zustand->Sperre);
    zustand->Adressen.remove(rechner);
    zustand->Warteschlange.push_back({rechner, 0, QByteArray(), Uhr::now()});
    zustand->Wecker.notify_all();
}

int Versand::Wartend() const
{
    std::lock_guard l(zustand->Sperre);
    int n = 0;
    for (const auto &a : zustand->Warteschlange)
        n += a.Daten.isEmpty() ? 0 : 1;
    return n;
}

void Versand::Arbeiten(const std::shared_ptr<Zustand> &z)
{
    std::unique_lock l(z->Sperre);
    while (true) {
        if (z->Warteschlange.empty()) {
            if (z->Ende)
                break;
            z->Wecker.wait(l);
            continue;
        }
        Zustand::Auftrag &a = z->Warteschlange.front();
        const auto jetzt = Uhr::now();
        if (a.NichtVor > jetzt && !z->Ende) {
            z->Wecker.wait_until(l, a.NichtVor);
            continue;
        }
        auto it = z->Adressen.find(a.Rechner);
        if (it == z->Adressen.end() || (!it->Ok && it->NaechsterVersuch <= jetzt)) {
            // The look-up without the lock: sending and queueing go on.
            const QString rechner = a.Rechner;
            Zustand::Adresse neu;
            l.unlock();
            neu.Ok = z->Aufloesung->Aufloesen(rechner, neu.Ziel, neu.Laenge);
            l.lock();
            const bool warGemeldet = z->Adressen.value(rechner).Gemeldet;
            neu.NaechsterVersuch = Uhr::now() + std::chrono::milliseconds(WiederholungMs);
            neu.Gemeldet = !neu.Ok;
            if (z->Adressen.size() > 64)
                z->Adressen.clear();
            z->Adressen.insert(rechner, neu);
            if (!neu.Ok && !warGemeldet)
                z->Melden("NichtErreichbar", rechner);
            else if (neu.Ok && warGemeldet)
                z->Melden("WiederErreichbar", rechner);
            continue; // the queue may have changed meanwhile
        }
        if (!it->Ok) {
            // Waits for the next attempt; at the end what cannot go is dropped.
            if (z->Ende) {
                z->Warteschlange.pop_front();
                continue;
            }
            z->Wecker.wait_until(l, it->NaechsterVersuch);
            continue;
        }
        const Zustand::Auftrag auftrag = std::move(a);
        const sockaddr_storage ziel = it->Ziel;
        const socklen_t laenge = it->Laenge;
        z->Warteschlange.pop_front();
        if (auftrag.Daten.isEmpty())
            continue;
        l.unlock();
        UdpKanal::SendenAn(ziel, laenge, auftrag.Port, auftrag.Daten);
        l.lock();
    }
    z->Fertig = true;
    z->Wecker.notify_all();
}
