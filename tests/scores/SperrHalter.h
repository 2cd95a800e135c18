// SperrHalter: a file lock held by a forked child process for the tests.
#pragma once
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

// Holds an fcntl lock on a file from a forked child process: such locks
// belong to the process, so a second descriptor in this process would not
// collide with our own locks.
class SperrHalter
{
public:
    SperrHalter(const QString &pfad, bool exklusiv)
    {
        int bereit[2], ende[2];
        if (::pipe(bereit) != 0 || ::pipe(ende) != 0)
            return;
        const QByteArray name = QFile::encodeName(pfad);
        kind = ::fork();
        if (kind == 0) {
            ::close(bereit[0]);
            ::close(ende[1]);
            const int fd = ::open(name.constData(), exklusiv ? (O_RDWR | O_CREAT) : O_RDONLY, 0666);
            struct flock fl = {};
            fl.l_type = exklusiv ? F_WRLCK : F_RDLCK;
            fl.l_whence = SEEK_SET;
            const char ok = (fd >= 0 && ::fcntl(fd, F_SETLK, &fl) == 0) ? 1 : 0;
            if (::write(bereit[1], &ok, 1) != 1)
                ::_exit(1);
            char c;
            while (::read(ende[0], &c, 1) > 0) {
            }
            ::_exit(0);
        }
        ::close(bereit[1]);
        ::close(ende[0]);
        endeFd = ende[1];
        char ok = 0;
        gesperrt = ::read(bereit[0], &ok, 1) == 1 && ok == 1;
        ::close(bereit[0]);
    }
    ~SperrHalter()
    {
        if (endeFd >= 0)
            ::close(endeFd);
        if (kind > 0)
            ::waitpid(kind, nullptr, 0);
    }
    bool gesperrt = false;

private:
    pid_t kind = -1;
    int endeFd = -1;
};
