// IKlang: the sound output interface.
#pragma once
#include <QString>

// Sound output: play a WAV file synchronously (return after its end) or
// asynchronously; Stoppen drops what is playing.
class IKlang
{
public:
    virtual ~IKlang() = default;
    virtual bool Spielen(const QString &wavDatei, bool synchron) = 0;
    virtual void Stoppen() = 0;
};
