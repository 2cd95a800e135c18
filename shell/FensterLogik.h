// Main-window logic without widgets: own keys, geometry, network files.
#pragma once
#include <QRect>
#include <QSize>
#include <QString>

// Keys the main window handles itself, with exactly these modifiers.
enum class FensterTaste {
    Keine,
    Geometrie1024, // Shift+Alt+G: window at (0, 0), 1024 x 768
    ScrollLinks,   // Ctrl+Left
    ScrollRechts,  // Ctrl+Right
    ScrollHoch,    // Ctrl+Up
    ScrollRunter,  // Ctrl+Down
    ZoomRein,      // Ctrl+Num +
    ZoomRaus,      // Ctrl+Num -
};

// key is a Qt::Key, modifiers the Qt::KeyboardModifiers of the event. With
// the extended functions, Ctrl with plus or minus of the main keyboard
// zooms as well (plus also with Shift, or as "=", where plus needs Shift).
FensterTaste TasteAuswerten(int key, int modifiers, bool erweitert = false);

// The "&Fenster" display mode: 900 x 650, centred with integer division
// (a screen smaller than the window gives negative positions).
QRect FensterRechteck(const QSize &bildschirm);

// The same window on a screen whose free area is smaller than 900 x 650
// logical pixels (a full-HD screen at 200 % has 960 x 540): as large as the
// free area allows, centred in it and never above or left of it, so the
// menu bar and the bottom stay on the screen. On larger screens it is
// FensterRechteck's rectangle, moved into the free area's origin.
QRect FensterRechteckIn(const QRect &frei);

// Deletes the three network exercise files of the channel; files that do
// not exist are skipped silently.
void NetzDateienLoeschen(const QString &netzKomOrdner, const QString &kanal);
