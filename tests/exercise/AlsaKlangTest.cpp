// Tests of the WAV reader and of the player without a file or device.
#include "AlsaBibliothek.h"
#include "AlsaKlang.h"

#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

static QByteArray Wav(quint16 format, quint16 kanaele, quint32 rate, quint16 bits, const QByteArray &daten,
                      quint32 datenLaenge)
{
    auto u32 = [](quint32 v) {
        QByteArray b(4, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    auto u16 = [](quint16 v) {
        QByteArray b(2, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    QByteArray fmt = u16(format) + u16(kanaele) + u32(rate) + u32(rate * kanaele * bits / 8)
                     + u16(quint16(kanaele * bits / 8)) + u16(bits);
    QByteArray b = "WAVE" + QByteArray("fmt ") + u32(16) + fmt + QByteArray("LIST") + u32(3) + "abc" + QByteArray(1, 0)
                   + QByteArray("data") + u32(datenLaenge) + daten;
    return "RIFF" + u32(quint32(b.size())) + b;
}

TEST(WavLesen, PcmIsReadPastOtherChunksAndTruncatedDataPlaysWhatIsThere)
{
    WavDaten w;
    ASSERT_TRUE(WavAusBytes(Wav(1, 2, 22050, 16, QByteArray(400, 1), 400), w));
    EXPECT_EQ(w.Kanaele, 2);
    EXPECT_EQ(w.Rate, 22050);
    EXPECT_EQ(w.Bits, 16);
    EXPECT_EQ(w.Proben.size(), 400);
    // The header claims more than the file holds: whole frames only.
    ASSERT_TRUE(WavAusBytes(Wav(1, 2, 22050, 16, QByteArray(402, 1), 100000), w));
    EXPECT_EQ(w.Proben.size(), 400);
}

TEST(WavLesen, DamagedOrUnsupportedFilesAreRefused)
{
    WavDaten w;
    EXPECT_FALSE(WavAusBytes(QByteArray(), w));
    EXPECT_FALSE(WavAusBytes("RIFF\0\0\0\0WAVX", w));
    EXPECT_FALSE(WavAusBytes(Wav(2, 1, 8000, 4, QByteArray(10, 0), 10), w));  // ADPCM
    EXPECT_FALSE(WavAusBytes(Wav(1, 0, 8000, 16, QByteArray(10, 0), 10), w)); // no channels
    EXPECT_FALSE(WavAusBytes(Wav(1, 1, 8000, 12, QByteArray(10, 0), 10), w)); // odd sample size
    EXPECT_FALSE(WavAusBytes(Wav(1, 1, 8000, 16, QByteArray(), 0), w));       // no samples
    QByteArray kaputt = Wav(1, 1, 8000, 16, QByteArray(10, 0), 10);
    qToLittleEndian<quint32>(0xFFFFFFF0u, kaputt.data() + 16); // fmt length beyond the file
    EXPECT_FALSE(WavAusBytes(kaputt, w));
}

TEST(AlsaKlang, MissingFileOrNoDevicePlaysNothingAndReturns)
{
    AlsaKlang k;
    EXPECT_FALSE(k.Spielen("/nirgends/Richtig1.wav", true));
    QTemporaryDir dir;
    QFile f(dir.filePath("kurz.wav"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Wav(1, 1, 8000, 16, QByteArray(160, 0), 160)); // 10 ms of silence
    f.close();
    // Whether a device exists or not: both calls come back, the second one
    // can be stopped.
    k.Spielen(f.fileName(), true);
    k.Spielen(f.fileName(), false);
    k.Stoppen();
}

TEST(AlsaKlang, WithoutTheSoundLibraryNothingPlaysAndNothingFails)
{
    QTemporaryDir dir;
    QFile f(dir.filePath("kurz.wav"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Wav(1, 1, 8000, 16, QByteArray(160, 0), 160));
    f.close();
    // No such library, and a library without ALSA's functions (the C
    // library is always there): both are refused, every time.
    for (const char *bibliothek : {"libpennoria-gibt-es-nicht.so.2", "libc.so.6"}) {
        EXPECT_EQ(AlsaLaden(bibliothek), nullptr) << bibliothek;
        EXPECT_EQ(AlsaLaden(bibliothek), nullptr) << bibliothek;
        AlsaKlang k(bibliothek);
        EXPECT_FALSE(k.Spielen(f.fileName(), true)) << bibliothek;
        EXPECT_TRUE(k.Spielen(f.fileName(), false)) << bibliothek; // the file is fine; the worker finds no library
        k.Stoppen();
    }
}

TEST(AlsaKlang, TheSystemLibraryIsOpenedOnceWithEveryFunction)
{
    const AlsaBibliothek *a = AlsaLaden();
    if (!a)
        GTEST_SKIP() << "no ALSA library on this machine";
    EXPECT_EQ(AlsaLaden(), a);
    for (const void *f : {(const void *)a->pcm_open, (const void *)a->pcm_set_params, (const void *)a->pcm_writei,
                          (const void *)a->pcm_recover, (const void *)a->pcm_drain, (const void *)a->pcm_drop,
                          (const void *)a->pcm_close})
        EXPECT_NE(f, nullptr);
}
