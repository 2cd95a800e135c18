// Opening and reading regular files only, and checking a target before saving.
#include "SichereDatei.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int RegulaerOeffnen(const QString &pfad, int flags, int modus)
{
    const QByteArray name = QFile::encodeName(pfad);
    int h;
    do {
        h = ::open(name.constData(), flags | O_NONBLOCK | O_CLOEXEC, modus);
    } while (h < 0 && errno == EINTR);
    if (h < 0)
        return -1;
    struct stat st = {};
    if (::fstat(h, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(h);
        errno = EINVAL;
        return -1;
    }
    const int fl = ::fcntl(h, F_GETFL);
    if (fl < 0 || ::fcntl(h, F_SETFL, fl & ~O_NONBLOCK) != 0) {
        ::close(h);
        return -1;
    }
    return h;
}

bool RegulaereDateiLesen(const QString &pfad, qint64 maxBytes, QByteArray &daten)
{
    daten.clear();
    const int h = RegulaerOeffnen(pfad, O_RDONLY);
    if (h < 0)
        return false;
    struct stat st = {};
    bool ok = ::fstat(h, &st) == 0 && st.st_size <= maxBytes;
    if (ok) {
        QByteArray b(qsizetype(st.st_size), Qt::Uninitialized);
        qint64 gelesen = 0;
        while (gelesen < b.size()) {
            const ssize_t n = ::read(h, b.data() + gelesen, size_t(b.size() - gelesen));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                ok = false;
            if (n <= 0)
                break;
            gelesen += n;
        }
        b.resize(gelesen); // a file that shrank meanwhile gives what it holds
        daten = std::move(b);
    }
    ::close(h);
    return ok;
}

bool SpeicherzielErlaubt(const QString &pfad)
{
    const QByteArray name = QFile::encodeName(pfad);
    struct stat st = {};
    if (::lstat(name.constData(), &st) != 0)
        return errno == ENOENT;
    if (S_ISREG(st.st_mode))
        return true;
    // A link counts as what it points to; a dangling one would be created.
    return S_ISLNK(st.st_mode) && ::stat(name.constData(), &st) == 0 && S_ISREG(st.st_mode);
}

bool NameVergeben(const QString &pfad)
{
    struct stat st = {};
    return ::lstat(QFile::encodeName(pfad).constData(), &st) == 0;
}
