// Hook for measuring the start-up time up to the window's first paint.
#pragma once
class QWidget;

// For the start-up measurement: when PENNORIA_STARTMESSUNG holds the launch
// time in nanoseconds of the real-time clock, the time from then until the
// window's first paint has been handled is written to standard error as
// "Startzeit: N ms"; with PENNORIA_STARTMESSUNG_ENDE set the program then
// quits. Without the variable nothing is installed.
void StartMessungAnmelden(QWidget &fenster);
