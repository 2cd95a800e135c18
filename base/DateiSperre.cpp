// Files opened under a non-waiting advisory lock, written and read whole.
#include "DateiSperre.h"
#include "SichereDatei.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

GesperrteDatei::~GesperrteDatei()
{
    Schliessen();
}

bool GesperrteDatei::Oeffnen(const QString &pfad, Art art)
{
    Schliessen();
    // Lists and documents lie in folders that pupils can write to: only a
    // regular file is used, and a writer never follows a link out of the
    // folder (nor creates the target of a dangling one).
    const int flags = art == Art::Lesen ? O_RDONLY : (O_RDWR | O_CREAT | O_NOFOLLOW);
    const int h = RegulaerOeffnen(pfad, flags);
    if (h < 0)
        return false;
    struct flock fl = {};
    fl.l_type = art == Art::Lesen ? F_RDLCK : F_WRLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = 0;
    fl.l_len = 0;
    if (::fcntl(h, F_SETLK, &fl) != 0) {
        ::close(h);
        return false;
    }
    handle = h;
    return true;
}

void GesperrteDatei::Schliessen()
{
    if (handle >= 0) {
        ::close(handle); // releases the lock
        handle = -1;
    }
}

qint64 GesperrteDatei::Groesse() const
{
    struct stat st = {};
    if (handle < 0 || ::fstat(handle, &st) != 0)
        return -1;
    return st.st_size;
}

bool GesperrteDatei::AllesSchreiben(const char *data, qint64 len)
{
    if (handle < 0 || ::lseek(handle, 0, SEEK_END) < 0)
        return false;
    while (len > 0) {
        const ssize_t n = ::write(handle, data, size_t(len));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        len -= n;
    }
    return true;
}

bool GesperrteDatei::AllesLesen(QByteArray &out, qint64 maxBytes)
{
    out.clear();
    const qint64 groesse = Groesse();
    if (groesse < 0 || groesse > maxBytes || ::lseek(handle, 0, SEEK_SET) < 0)
        return false;
    out.resize(groesse);
    qint64 gelesen = 0;
    while (gelesen < groesse) {
        const ssize_t n = ::read(handle, out.data() + gelesen, size_t(groesse - gelesen));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        gelesen += n;
    }
    out.resize(gelesen);
    return true;
}
