// The three-line envelope of a channel message and its strict decoding.
#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// Limits for what the channel accepts from the network. Anyone on the
// network can send to our port; the exercise messages are far below these.
namespace MailSlotGrenzen {
inline constexpr int MaxDatagramm = 4096;  // bytes of one message
inline constexpr int MaxZeilen = 64;       // lines, envelope included
inline constexpr int MaxNamenLaenge = 255; // user and computer name
} // namespace MailSlotGrenzen

// One received message, envelope removed.
struct MailSlotEmpfang
{
    QString Computer;
    QString UserName;
    QString Text;    // the caller's lines, each followed by CR LF
    QString Adresse; // the datagram's source address, if the receiver knows it
};

// "Message", the user name and the computer name in front of the lines,
// every line followed by CR LF, in Windows-1252. A line break inside a line
// becomes a blank so that the receiver sees the lines the caller gave.
// Empty when the result would exceed MaxDatagramm or MaxZeilen.
QByteArray MailSlotVerpacken(const QString &userName, const QString &computer, const QStringList &zeilen);

// Strict decoding: at most MaxDatagramm bytes, every line ended by CR LF,
// no other control characters than tab, no byte the code page leaves
// unassigned, at least the three envelope lines and at most MaxZeilen, the
// first one exactly "Message", names of at most MaxNamenLaenge characters.
// False drops the message.
bool MailSlotEntpacken(const QByteArray &datagramm, MailSlotEmpfang &aus);

// The body's lines (Text split at CR LF, without the empty rest).
QStringList NachrichtZeilen(const QString &text);
