// What the quiz hands to the results side at the end of a run: the results window and the name dialog.
#pragma once
#include <QString>

// ErgebnisSteuerung implements it. Without it the quiz ends with the
// figures in a plain message (as tests of the quiz alone want).
class IErgebnisAnzeige
{
public:
    virtual ~IErgebnisAnzeige() = default;
    virtual void ErgebnisAnzeigen() = 0;
    virtual bool NamenErfragen(QString &name) = 0; // false = cancelled
};
