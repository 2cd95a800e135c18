// ALSA's functions, taken from the sound library when the first sound plays.
#pragma once
#include <alsa/asoundlib.h>

// The few ALSA functions the player needs. The sound library is opened on
// the first sound rather than linked: that spares every start of the
// program loading and relocating it (most runs play their first sound long
// after the window is up, many never), and a machine without it plays
// nothing instead of refusing to start.
struct AlsaBibliothek
{
    decltype(&snd_pcm_open) pcm_open = nullptr;
    decltype(&snd_pcm_set_params) pcm_set_params = nullptr;
    decltype(&snd_pcm_writei) pcm_writei = nullptr;
    decltype(&snd_pcm_recover) pcm_recover = nullptr;
    decltype(&snd_pcm_drain) pcm_drain = nullptr;
    decltype(&snd_pcm_drop) pcm_drop = nullptr;
    decltype(&snd_pcm_close) pcm_close = nullptr;
};

// The library of that file name (the system's ALSA by default), opened and
// resolved once per name for the program's lifetime and silenced (ALSA
// writes its own complaints to stderr when there is no device); nullptr
// when it cannot be opened or lacks a function. Safe from any thread.
const AlsaBibliothek *AlsaLaden(const char *datei = "libasound.so.2");
