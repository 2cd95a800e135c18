// The mailslot component: a named local mailbox watched by a receiver
// thread, and sending short text messages to the mailbox of that name on
// another computer.
#pragma once
#include "MailSlotNachricht.h"
#include "UdpKanal.h"
#include "Versand.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <memory>
#include <vector>

class IMeldungen;
class TCheckThread;

class TMailSlot2 : public QObject
{
    Q_OBJECT
public:
    // meldungen: for the warning about a too long mailbox name.
    explicit TMailSlot2(IMeldungen *meldungen, QObject *eltern = nullptr);
    ~TMailSlot2() override;

    QString MailBox() const { return mailBox; }
    // Equal name: nothing. Nine characters or more: the warning, the old
    // name stays. Otherwise taken; an active component re-opens under it.
    void SetMailBox(const QString &name);

    bool Active() const { return active; }
    // Opening a mailbox whose port is taken leaves Active false, silently.
    void SetActive(bool an);

    int CheckInterval() const { return checkInterval; }
    void SetCheckInterval(int ms);

    QThread::Priority ThreadPriority() const { return threadPriority; }
    void SetThreadPriority(QThread::Priority p);

    // One message to the mailbox MailBox on the computer; needs no
    // activation. A computer that cannot be reached gets nothing, silently.
    // It returns at once: the name is resolved and the datagram sent on a
    // worker (see Versand), no earlier than verzoegerungMs from now.
    void Send(const QString &computer, const QStringList &zeilen, int verzoegerungMs = 0);
    // Looks the computer's name up again now, before the first message.
    void ZielVorbereiten(const QString &computer);
    // The worker that sends; its signals tell when the target's name does
    // not resolve. Tests may put one with their own resolver in.
    Versand &Ausgang() { return *ausgang; }
    void AufloesungSetzen(std::shared_ptr<INamensAufloesung> aufloesung);

    // The envelope's names, read once at creation (tests may set them).
    QString ComputerName;
    QString UserName;
    // Start of the port range (PENNORIA_MAILSLOT_PORTBASIS at creation).
    int PortBasis;
    // The port that stands for MailBox.
    int Port() const;

    // The longest one pass of the window hands messages on before it lets
    // the window do other work; the rest follows in the next pass, queued
    // right after.
    static constexpr int MaxMsProDurchgang = 20;
    // Messages read but not yet handed on; beyond this they are dropped (a
    // window that cannot keep up must not make the program grow).
    static constexpr int MaxWartend = 50000;

    // Datagrams dropped since creation (garbage, no marker, too large, more
    // than the window could take).
    qint64 Verworfen() const { return verworfen; }
    // The sender's address of the message whose OnNewMessage runs now.
    QString Absender() const { return absender; }

    // Reads every waiting datagram off the socket into the queue of parsed
    // messages. The receiver thread calls it as soon as datagrams wait, so
    // that the socket never waits for the window; true while the queue
    // holds messages.
    bool Abholen();

    // The user-interface thread's pass: raises OnNewMessage once for each
    // message read. Called by the receiver thread through the event loop;
    // tests may call it directly.
    Q_INVOKABLE void Empfangen();

signals:
    void OnNewMessage(TMailSlot2 *sender, const QString &computer, const QString &userName, const QString &text);

private:
    bool Aktivieren();
    void Deaktivieren();

    IMeldungen *meldungen;
    QString mailBox = QStringLiteral("MailBox");
    bool active = false;
    int checkInterval = 1000;
    QThread::Priority threadPriority = QThread::NormalPriority;
    UdpKanal kanal;
    std::unique_ptr<TCheckThread> thread;
    std::atomic<qint64> verworfen{0};
    QMutex eingangSperre;
    std::vector<MailSlotEmpfang> eingang; // guarded by eingangSperre
    QString absender;
    std::unique_ptr<Versand> ausgang;
};

// This computer's name and the login name of the process owner, each at
// most 255 characters.
QString LokalerRechnername();
QString LokalerBenutzername();
