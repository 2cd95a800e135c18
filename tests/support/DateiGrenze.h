// A full disk for the length of a test, without privileges: files may grow
// only up to a size and the signal of a longer write is ignored, so the
// write fails with EFBIG as on a full disk.
#pragma once
#include <csignal>
#include <sys/resource.h>

class DateiGrenze
{
public:
    explicit DateiGrenze(rlim_t bytes) : signalVorher(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &vorher);
        rlimit r = vorher;
        r.rlim_cur = bytes;
        gesetzt = setrlimit(RLIMIT_FSIZE, &r) == 0;
    }
    ~DateiGrenze()
    {
        setrlimit(RLIMIT_FSIZE, &vorher);
        std::signal(SIGXFSZ, signalVorher);
    }
    bool gesetzt = false;

private:
    void (*signalVorher)(int);
    rlimit vorher{};
};
