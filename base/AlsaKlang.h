// The WAV player on ALSA and the WAV reader it uses.
#pragma once
#include "Klang.h"

#include <QByteArray>

#include <atomic>
#include <mutex>
#include <thread>

// PCM data of a WAV file, ready for the sound device.
struct WavDaten
{
    int Kanaele = 0;
    int Rate = 0;
    int Bits = 0; // 8, 16, 24 or 32 (integer PCM) or 32 (float)
    bool Gleitkomma = false;
    QByteArray Proben; // interleaved frames
    int BytesProFrame() const { return Kanaele * (Bits / 8); }
};

// Reads a RIFF/WAVE file; false for anything but plain PCM or IEEE float
// (damaged, truncated, compressed, absurd sizes).
bool WavLesen(const QString &datei, WavDaten &wav);
bool WavAusBytes(const QByteArray &bytes, WavDaten &wav);

// WAV player on ALSA's default device. Synchronous playing writes the whole
// sound and waits until it has been played; asynchronous playing does the
// same on a worker thread; Stoppen drops what is playing. Without a sound
// device (or with a file it cannot read) nothing is played and nothing is
// reported: a quiz must never stop for its sound.
struct AlsaBibliothek;

class AlsaKlang : public IKlang
{
public:
    // The ALSA library is opened on the first sound (see AlsaBibliothek.h);
    // another file name is for tests.
    explicit AlsaKlang(const char *bibliothek = "libasound.so.2");
    ~AlsaKlang() override;
    bool Spielen(const QString &wavDatei, bool synchron) override;
    void Stoppen() override;

private:
    bool Abspielen(const WavDaten &wav); // on the calling thread

    const char *bibliothek;
    std::mutex mutex;                     // guards pcm and alsa
    void *pcm = nullptr;                  // snd_pcm_t of the sound now playing
    const AlsaBibliothek *alsa = nullptr; // the library pcm came from
    std::atomic<bool> abbrechen{false};
    std::thread arbeiter;
};
