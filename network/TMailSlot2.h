// The mailslot component: a named local mailbox watched by a receiver
// thread, and sending short text messages to the mailbox of that name on
// another computer.
#pragma once
#include "UdpKanal.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>

#include <memory>

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
    void Send(const QString &computer, const QStringList &zeilen);

    // The envelope's names, read once at creation (tests may set them).
    QString ComputerName;
    QString UserName;
    // Start of the port range (PENNORIA_MAILSLOT_PORTBASIS at creation).
    int PortBasis;
    // The port that stands for MailBox.
    int Port() const;

    // The most messages one pass reads before it lets the window do other
    // work; what is left is read by the next pass, queued right after.
    static constexpr int MaxProDurchgang = 500;

    // Datagrams dropped since creation (garbage, no marker, too large).
    qint64 Verworfen() const { return verworfen; }

    // The user-interface thread's pass: reads every waiting message and
    // raises OnNewMessage once for each. Called by the receiver thread
    // through the event loop; tests may call it directly.
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
    qint64 verworfen = 0;
};

// This computer's name and the login name of the process owner, each at
// most 255 characters.
QString LokalerRechnername();
QString LokalerBenutzername();
