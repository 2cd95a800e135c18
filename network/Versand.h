// Sending a participant's datagrams without ever making the window wait:
// the name of the teacher's computer is resolved and the datagrams are sent
// on a worker thread. A name that does not resolve keeps the datagrams
// waiting (bounded) and is tried again in the background.
#pragma once
#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

#include <sys/socket.h>

// Resolves a computer name to an address. May block as long as the name
// service takes; it is only ever called on the worker.
class INamensAufloesung
{
public:
    virtual ~INamensAufloesung() = default;
    virtual bool Aufloesen(const QString &rechner, sockaddr_storage &ziel, socklen_t &laenge) = 0;
};

// The system's resolver (address literals need none).
std::shared_ptr<INamensAufloesung> SystemAufloesung();

class Versand : public QObject
{
    Q_OBJECT
public:
    explicit Versand(std::shared_ptr<INamensAufloesung> aufloesung, QObject *eltern = nullptr);
    // Gives what is queued a short moment to go, but never waits for a
    // name service that does not answer.
    ~Versand() override;

    // Queues one datagram for the port on the computer, to go no earlier
    // than verzoegerungMs from now; returns at once.
    void Senden(const QString &rechner, int port, const QByteArray &daten, int verzoegerungMs = 0);
    // Forgets what is known about the computer and looks it up again now.
    void NeuAufloesen(const QString &rechner);
    // Datagrams still waiting.
    int Wartend() const;

    // Datagrams kept while a name does not resolve; beyond it the oldest go
    // (the newest reports carry the newest counts).
    static constexpr int MaxWartend = 1000;
    static constexpr int WiederholungMs = 5000;
    static constexpr int AbschlussMs = 300;

signals:
    // Once when the computer's name does not resolve, and once when it
    // does again.
    void NichtErreichbar(const QString &rechner);
    void WiederErreichbar(const QString &rechner);

private:
    struct Zustand;
    // The worker; the thread holds its own share of the state.
    static void Arbeiten(const std::shared_ptr<Zustand> &z);
    std::shared_ptr<Zustand> zustand;
};
