// The fixed mapping from a mailbox name to the UDP port that stands for it.
#pragma once
#include <QString>

// The port range's start when PENNORIA_MAILSLOT_PORTBASIS is not set.
inline constexpr int MailSlotStandardBasis = 47000;

// PENNORIA_MAILSLOT_PORTBASIS when it holds a whole number from 1 to 64536
// (so that every one of the 1000 ports fits), otherwise 47000.
int MailSlotPortBasis();

// The name upper-cased character by character (simple case mapping, so "ß"
// stays one character) and encoded in Windows-1252.
QByteArray MailBoxSchluessel(const QString &mailBox);

// FNV-1a, 32 bits.
quint32 Fnv1a32(const QByteArray &bytes);

// basis + FNV-1a(upper-cased name) mod 1000. Every computer computes the same
// port for the same name without any configuration.
int MailSlotPort(const QString &mailBox, int basis);
int MailSlotPort(const QString &mailBox);
