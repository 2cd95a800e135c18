// The receiver thread's polling loop.
#include "PollSchleife.h"

void PollSchleife(IPollUmgebung &u)
{
    int gezaehlt = 0;
    bool sofort = true;
    while (!u.SollEnden()) {
        const int intervall = u.Intervall();
        if (intervall < 1000) {
            u.Pruefen();
            if (u.SollEnden())
                break;
            u.Schlafen(intervall < 1 ? 1 : intervall);
            sofort = true; // a later change to a long interval checks at once
            gezaehlt = 0;
            continue;
        }
        if (sofort || gezaehlt >= intervall) {
            u.Pruefen();
            sofort = false;
            gezaehlt = 0;
            if (u.SollEnden())
                break;
        }
        u.Schlafen(1000);
        gezaehlt += 1000;
    }
}
