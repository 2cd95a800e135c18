// The mailslot component.
#include "TMailSlot2.h"

#include "MailSlotNachricht.h"
#include "MailSlotPort.h"
#include "Meldungen.h"
#include "TCheckThread.h"

#include <QElapsedTimer>
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
      PortBasis(MailSlotPortBasis()), meldungen(m), ausgang(std::make_unique<Versand>(SystemAufloesung()))
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
    QMutexLocker l(&eingangSperre);
    eingang.clear();
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

void TMailSlot2::Send(const QString &computer, const QStringList &zeilen, int verzoegerungMs)
{
    const QByteArray d = MailSlotVerpacken(UserName, ComputerName, zeilen);
    if (!d.isEmpty())
        ausgang->Senden(computer, Port(), d, verzoegerungMs);
}

void TMailSlot2::ZielVorbereiten(const QString &computer)
{
    ausgang->NeuAufloesen(computer);
}

void TMailSlot2::AufloesungSetzen(std::shared_ptr<INamensAufloesung> aufloesung)
{
    ausgang = std::make_unique<Versand>(std::move(aufloesung));
}

bool TMailSlot2::Abholen()
{
    QMutexLocker l(&eingangSperre);
    QByteArray d;
    // Bounded per call so that a ceaseless flood still lets the caller
    // hand over what it has.
    for (int n = 0; n < MaxWartend; ++n) {
        MailSlotEmpfang e;
        const UdpKanal::Gelesen g = kanal.Lesen(d, MailSlotGrenzen::MaxDatagramm, &e.Adresse);
        if (g == UdpKanal::Gelesen::Nichts)
            break;
        if (g == UdpKanal::Gelesen::ZuGross || eingang.size() >= size_t(MaxWartend) || !MailSlotEntpacken(d, e)) {
            ++verworfen;
            continue;
        }
        eingang.push_back(std::move(e));
    }
    return !eingang.empty();
}

void TMailSlot2::Empfangen()
{
    if (thread)
        thread->UebergabeErledigt();
    if (!active)
        return;
    Abholen();
    static const QMetaMethod signal = QMetaMethod::fromSignal(&TMailSlot2::OnNewMessage);
    const bool verbunden = isSignalConnected(signal);
    std::vector<MailSlotEmpfang> stapel;
    {
        QMutexLocker l(&eingangSperre);
        stapel.swap(eingang);
    }
    QElapsedTimer uhr;
    uhr.start();
    size_t i = 0;
    for (; i < stapel.size() && active; ++i) {
        if (i > 0 && uhr.elapsed() >= MaxMsProDurchgang)
            break;
        if (!verbunden) {
            ++verworfen;
            continue;
        }
        const MailSlotEmpfang &e = stapel[i];
        absender = e.Adresse;
        emit OnNewMessage(this, e.Computer, e.UserName, e.Text);
    }
    absender.clear();
    if (!active || i == stapel.size())
        return;
    // The rest goes back in front of what came meanwhile, and is handed on
    // after the window's own work.
    {
        QMutexLocker l(&eingangSperre);
        stapel.erase(stapel.begin(), stapel.begin() + qsizetype(i));
        stapel.insert(stapel.end(), std::make_move_iterator(eingang.begin()), std::make_move_iterator(eingang.end()));
        eingang.swap(stapel);
    }
    QMetaObject::invokeMethod(this, "Empfangen", Qt::QueuedConnection);
}
