// The mailslot component.
#include "TMailSlot2.h"

#include "MailSlotNachricht.h"
#include "MailSlotPort.h"
#include "Meldungen.h"
#include "TCheckThread.h"

#include <QMetaMethod>
#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

QString LokalerRechnername()
{
    return QSysInfo::machineHostName().left(MailSlotGrenzen::MaxNamenLaenge);
}

QString LokalerBenutzername()
{
    QString name;
    if (const passwd *pw = ::getpwuid(::geteuid()); pw && pw->pw_name)
        name = QString::fromLocal8Bit(pw->pw_name);
    if (name.isEmpty())
        name = QString::fromLocal8Bit(qgetenv("USER"));
    return name.left(MailSlotGrenzen::MaxNamenLaenge);
}

TMailSlot2::TMailSlot2(IMeldungen *m, QObject *eltern)
    : QObject(eltern), ComputerName(LokalerRechnername()), UserName(LokalerBenutzername()),
      PortBasis(MailSlotPortBasis()), meldungen(m)
{
}

TMailSlot2::~TMailSlot2()
{
    SetActive(false);
}

int TMailSlot2::Port() const
{
    return MailSlotPort(mailBox, PortBasis);
}

void TMailSlot2::SetMailBox(const QString &name)
{
    if (name == mailBox)
        return;
    if (name.size() > 8) {
        if (meldungen)
            meldungen->Warnung(QStringLiteral("MailBox name cannot be greater than 8 characters long."));
        return;
    }
    mailBox = name;
    if (active) {
        SetActive(false);
        SetActive(true);
    }
}

void TMailSlot2::SetActive(bool an)
{
    if (an == active)
        return;
    if (an)
        active = Aktivieren();
    else
        Deaktivieren();
}

bool TMailSlot2::Aktivieren()
{
    if (!kanal.Binden(Port()))
        return false;
    thread = std::make_unique<TCheckThread>(*this, kanal, checkInterval);
    thread->start(threadPriority);
    return true;
}

void TMailSlot2::Deaktivieren()
{
    active = false;
    if (thread) {
        thread->Beenden();
        thread->wait();
        thread.reset();
    }
    kanal.Schliessen();
}

void TMailSlot2::SetCheckInterval(int ms)
{
    checkInterval = ms;
    if (thread)
        thread->IntervallSetzen(ms);
}

void TMailSlot2::SetThreadPriority(QThread::Priority p)
{
    threadPriority = p;
    if (thread && thread->isRunning())
        thread->setPriority(p);
}

void TMailSlot2::Send(const QString &computer, const QStringList &zeilen)
{
    const QByteArray d = MailSlotVerpacken(UserName, ComputerName, zeilen);
    if (!d.isEmpty())
        UdpKanal::Senden(computer, Port(), d);
}

void TMailSlot2::Empfangen()
{
    if (thread)
        thread->UebergabeErledigt();
    static const QMetaMethod signal = QMetaMethod::fromSignal(&TMailSlot2::OnNewMessage);
    QByteArray d;
    for (int n = 0; n < MaxProDurchgang && active; ++n) {
        const UdpKanal::Gelesen g = kanal.Lesen(d, MailSlotGrenzen::MaxDatagramm);
        if (g == UdpKanal::Gelesen::Nichts)
            return;
        MailSlotEmpfang e;
        if (g == UdpKanal::Gelesen::ZuGross || !MailSlotEntpacken(d, e) || !isSignalConnected(signal)) {
            ++verworfen;
            continue;
        }
        emit OnNewMessage(this, e.Computer, e.UserName, e.Text);
    }
    // More than one pass holds: the rest comes after the window's own work.
    if (active && kanal.Wartet())
        QMetaObject::invokeMethod(this, "Empfangen", Qt::QueuedConnection);
}
