#include "LernAnsichtTeile.h"

#include "AnsichtAusgabeAnschluss.h"
#include "LernAnsichtAnschluss.h"
#include "LernKartBild.h"
#include "LernNavigationAnschluss.h"
#include "LernWerkzeugAnschluss.h"
#include "TForm1.h"

LernAnsichtTeile LernAnsichtAnschliessen(TForm1 &form, Szene &szene)
{
    LernAnsichtTeile t;
    t.bild = new LernKartBild(szene);
    form.LernbildSetzen(t.bild);
    t.ansicht = new LernAnsichtAnschluss(form, szene, *t.bild);
    t.navigation = new LernNavigationAnschluss(form, szene, *t.bild);
    t.werkzeuge = new LernWerkzeugAnschluss(form, szene, *t.bild);
    t.ausgabe = new AnsichtAusgabeAnschluss(form, szene);
    return t;
}
