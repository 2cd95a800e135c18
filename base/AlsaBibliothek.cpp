// Opening the ALSA library on first use and resolving its functions.
#include "AlsaBibliothek.h"

#include <dlfcn.h>

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace {
void StillerFehler(const char *, int, const char *, int, const char *, ...) {}

template <typename F>
bool Holen(void *h, const char *name, F &ziel)
{
    ziel = reinterpret_cast<F>(dlsym(h, name));
    return ziel != nullptr;
}

std::unique_ptr<AlsaBibliothek> Oeffnen(const char *datei)
{
    // Kept open for good: a sound may still be playing on a worker thread
    // when the program ends.
    void *h = dlopen(datei, RTLD_NOW | RTLD_LOCAL);
    if (!h)
        return nullptr;
    auto a = std::make_unique<AlsaBibliothek>();
    decltype(&snd_lib_error_set_handler) fehlerAblenken = nullptr;
    const bool alle = Holen(h, "snd_pcm_open", a->pcm_open) && Holen(h, "snd_pcm_set_params", a->pcm_set_params)
                      && Holen(h, "snd_pcm_writei", a->pcm_writei) && Holen(h, "snd_pcm_recover", a->pcm_recover)
                      && Holen(h, "snd_pcm_drain", a->pcm_drain) && Holen(h, "snd_pcm_drop", a->pcm_drop)
                      && Holen(h, "snd_pcm_close", a->pcm_close)
                      && Holen(h, "snd_lib_error_set_handler", fehlerAblenken);
    if (!alle) {
        dlclose(h);
        return nullptr;
    }
    fehlerAblenken(StillerFehler);
    return a;
}
}

const AlsaBibliothek *AlsaLaden(const char *datei)
{
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<AlsaBibliothek>> geladen;
    const std::lock_guard<std::mutex> lock(mutex);
    auto [it, neu] = geladen.try_emplace(datei);
    if (neu)
        it->second = Oeffnen(datei);
    return it->second.get();
}
