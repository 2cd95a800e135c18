// Writing the correct and wrong feedback sounds.
#pragma once
#include <QString>

// Writes the two feedback sounds, Richtig1.wav and Falsch1.wav, as 16-bit
// mono PCM WAV files into the folder.
bool KlaengeErzeugen(const QString &ordner);
