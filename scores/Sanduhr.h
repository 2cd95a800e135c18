// Sanduhr: the busy cursor for the lifetime of a scope.
#pragma once

// Shows the busy cursor while it lives (only when a GUI application runs,
// so the command-line tool and tests are unaffected).
class Sanduhr
{
public:
    Sanduhr();
    ~Sanduhr();
    Sanduhr(const Sanduhr &) = delete;
    Sanduhr &operator=(const Sanduhr &) = delete;

private:
    bool aktiv = false;
};
