// FIFOs, links and a guard against calls that would wait on them for good.
#pragma once
#include <QFile>
#include <QString>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

inline bool FifoAnlegen(const QString &pfad)
{
    return ::mkfifo(QFile::encodeName(pfad).constData(), 0666) == 0;
}

inline bool IstFifo(const QString &pfad)
{
    struct stat st = {};
    return ::lstat(QFile::encodeName(pfad).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

inline bool LinkAnlegen(const QString &ziel, const QString &link)
{
    return ::symlink(QFile::encodeName(ziel).constData(), QFile::encodeName(link).constData()) == 0;
}

// Runs the call and tells whether it came back within two seconds. A call
// that hangs in opening a FIFO is set free afterwards (a writer opens and
// closes the FIFO, a reader drains it), so a failing test ends instead of
// hanging the suite.
inline bool KehrtZurueck(const QString &fifo, const std::function<void()> &aufruf)
{
    ::signal(SIGPIPE, SIG_IGN); // a freed writer may find its reader gone
    auto f = std::async(std::launch::async, aufruf);
    if (f.wait_for(std::chrono::seconds(2)) == std::future_status::ready)
        return true;
    const QByteArray name = QFile::encodeName(fifo);
    while (f.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        const int w = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
        if (w >= 0)
            ::close(w);
        const int r = ::open(name.constData(), O_RDONLY | O_NONBLOCK);
        if (r >= 0)
            ::close(r);
    }
    return false;
}
