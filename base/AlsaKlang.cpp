// WAV reading and playback on ALSA's default sound device.
#include "AlsaKlang.h"
#include "AlsaBibliothek.h"
#include "SichereDatei.h"

#include <QFile>
#include <QtEndian>

#include <cstring>

namespace {
// Longer sounds are not feedback sounds; refusing them bounds the memory a
// damaged or hostile file can make us take.
constexpr qint64 MaxWavBytes = 64 * 1024 * 1024;

quint32 U32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}
quint16 U16(const char *p)
{
    return qFromLittleEndian<quint16>(p);
}
} // namespace

bool WavAusBytes(const QByteArray &b, WavDaten &wav)
{
    wav = WavDaten();
    if (b.size() < 12 || std::memcmp(b.constData(), "RIFF", 4) != 0 || std::memcmp(b.constData() + 8, "WAVE", 4) != 0)
        return false;
    bool fmtGelesen = false;
    qsizetype pos = 12;
    while (pos + 8 <= b.size()) {
        const char *kopf = b.constData() + pos;
        const quint32 laenge = U32(kopf + 4);
        const qsizetype rest = b.size() - (pos + 8);
        if (std::memcmp(kopf, "fmt ", 4) == 0) {
            if (laenge < 16 || qsizetype(laenge) > rest)
                return false;
            const char *f = kopf + 8;
            quint16 format = U16(f);
            wav.Kanaele = U16(f + 2);
            wav.Rate = int(U32(f + 4));
            wav.Bits = U16(f + 14);
            if (format == 0xFFFE && laenge >= 40)
                format = U16(f + 24); // WAVE_FORMAT_EXTENSIBLE: sub-format GUID starts with the tag
            if (format == 3)
                wav.Gleitkomma = true;
            else if (format != 1)
                return false;
            if (wav.Kanaele < 1 || wav.Kanaele > 8 || wav.Rate < 1000 || wav.Rate > 384000)
                return false;
            if (wav.Gleitkomma ? wav.Bits != 32 : (wav.Bits != 8 && wav.Bits != 16 && wav.Bits != 24 && wav.Bits != 32))
                return false;
            fmtGelesen = true;
        } else if (std::memcmp(kopf, "data", 4) == 0) {
            if (!fmtGelesen)
                return false;
            // A truncated file plays what is there.
            qsizetype n = std::min<qsizetype>(qsizetype(laenge), rest);
            n -= n % wav.BytesProFrame();
            wav.Proben = b.mid(pos + 8, n);
            return !wav.Proben.isEmpty();
        }
        pos += 8 + qsizetype(laenge) + (laenge & 1);
    }
    return false;
}

bool WavLesen(const QString &datei, WavDaten &wav)
{
    // A FIFO in the sound folder must not stop the quiz.
    QByteArray daten;
    if (!RegulaereDateiLesen(datei, MaxWavBytes, daten))
        return false;
    return WavAusBytes(daten, wav);
}

AlsaKlang::AlsaKlang(const char *bibliothek) : bibliothek(bibliothek) {}

AlsaKlang::~AlsaKlang()
{
    Stoppen();
}

bool AlsaKlang::Spielen(const QString &wavDatei, bool synchron)
{
    Stoppen();
    WavDaten wav;
    if (!WavLesen(wavDatei, wav))
        return false;
    if (synchron)
        return Abspielen(wav);
    abbrechen = false;
    arbeiter = std::thread([this, wav] { Abspielen(wav); });
    return true;
}

void AlsaKlang::Stoppen()
{
    abbrechen = true;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (pcm)
            alsa->pcm_drop(static_cast<snd_pcm_t *>(pcm)); // set together with pcm
    }
    if (arbeiter.joinable())
        arbeiter.join();
    abbrechen = false;
}

bool AlsaKlang::Abspielen(const WavDaten &wav)
{
    const AlsaBibliothek *a = AlsaLaden(bibliothek);
    if (!a)
        return false;
    snd_pcm_t *h = nullptr;
    if (a->pcm_open(&h, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0)
        return false;
    snd_pcm_format_t format;
    switch (wav.Bits) {
    case 8:
        format = SND_PCM_FORMAT_U8;
        break;
    case 16:
        format = SND_PCM_FORMAT_S16_LE;
        break;
    case 24:
        format = SND_PCM_FORMAT_S24_3LE;
        break;
    default:
        format = wav.Gleitkomma ? SND_PCM_FORMAT_FLOAT_LE : SND_PCM_FORMAT_S32_LE;
        break;
    }
    if (a->pcm_set_params(h, format, SND_PCM_ACCESS_RW_INTERLEAVED, unsigned(wav.Kanaele), unsigned(wav.Rate), 1,
                          200000)
        < 0) {
        a->pcm_close(h);
        return false;
    }
    {
        std::lock_guard<std::mutex> lock(mutex);
        alsa = a;
        pcm = h;
    }
    const int fb = wav.BytesProFrame();
    const char *daten = wav.Proben.constData();
    snd_pcm_uframes_t offen = snd_pcm_uframes_t(wav.Proben.size() / fb);
    bool ok = true;
    while (offen > 0 && !abbrechen) {
        const snd_pcm_sframes_t n = a->pcm_writei(h, daten, std::min<snd_pcm_uframes_t>(offen, 4096));
        if (n < 0) {
            if (abbrechen || a->pcm_recover(h, int(n), 1) < 0) {
                ok = false;
                break;
            }
            continue;
        }
        daten += n * fb;
        offen -= snd_pcm_uframes_t(n);
    }
    if (ok && !abbrechen)
        a->pcm_drain(h);
    {
        std::lock_guard<std::mutex> lock(mutex);
        pcm = nullptr;
    }
    a->pcm_close(h);
    return ok;
}
