// Fills the font database on a worker thread while the windows are built.
#pragma once
#include <future>

// Reads the system's font configuration (many small XML files) on a worker
// thread. Needs no application object, so it can start first thing in
// main() and overlap the application object's construction, which mostly
// waits for the display server and for plug-ins to load.
std::shared_future<void> SchriftKonfigurationLesen();

// Qt fills its font database (reading the font configuration and listing
// every installed font) on the first use of a font, which at start-up is the
// main window's first layout. Started right after the application object,
// this does that work on another processor core while the main thread builds
// the windows. (Loading the captions' fonts there as well would not help:
// Qt keeps loaded fonts per thread, so the main thread would load them again,
// and on two cores the duplicate work costs more than it hides.) The font
// database is thread-safe;
// a main thread that needs it earlier waits for it instead of filling it
// twice. Given the configuration read-ahead, it starts after that, so the
// configuration is not read twice. The destructor waits for the worker, so
// the object must die before the application object.
class SchriftVorlauf
{
public:
    explicit SchriftVorlauf(std::shared_future<void> konfiguration = {});
    ~SchriftVorlauf();
    SchriftVorlauf(const SchriftVorlauf &) = delete;
    SchriftVorlauf &operator=(const SchriftVorlauf &) = delete;

private:
    std::future<void> arbeit;
};
