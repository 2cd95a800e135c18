// Resetting an object's run-time fields.
#include "Dokument.h"

void DokObjekt::LaufzeitZuruecksetzen()
{
    Abdeckung = AbdeckungsArt::Abgedeckt;
    Nummer = -1;
    FehlerAlsZiel = 0;
    FehlerAlsText = 0;
    Rahmen = {-1, -1, -1, -1};
    HalbBreite = HalbHoehe = 0;
    PixLinks = PixOben = -1;
}
