// What the learning view asks of the info text window when an info point is clicked.
#pragma once
#include <QString>

// The info text window implements it (DialogeAnschluss). Until it is
// connected the learning view shows the text without its markup in an
// information box.
class IInfoAnzeige
{
public:
    virtual ~IInfoAnzeige() = default;
    virtual void InfotextZeigen(const QString &text) = 0;
};
