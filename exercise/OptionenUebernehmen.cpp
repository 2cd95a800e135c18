// Copying the values of the fitting options dialog into a run's options.
#include "OptionenUebernehmen.h"

#include "UebTexte.h"

UebOptionen OptionenUebernehmen(const UebOptWerte &w, DokArt dokTyp)
{
    UebOptionen o;
    o.RiFaRueckmeldung = 0; // the dialogs never offer deferred feedback
    if (dokTyp == DokArt::Einzelfragen) {
        o.ZuordnungRichtig = 0;
        o.AbfrageModus = 0;
        o.ZuordnungFalsch = w.FragenZuordnungFalsch;
        o.Zuordnungstexte = w.FragenZuordnungstexte;
        o.Zuordnungsziele = w.FragenZuordnungsziele;
        o.ZeitLimitIndex = w.FragenZeitlimit;
        o.ZeitLimitWert = EditZahlGeklemmt(w.FragenZLimitMin) * 60 + EditZahlGeklemmt(w.FragenZLimitSek);
    } else {
        o.ZuordnungRichtig = w.ZuordnungRichtig;
        o.ZuordnungFalsch = w.ZuordnungFalsch;
        o.Zuordnungstexte = w.Zuordnungstexte;
        o.Zuordnungsziele = w.Zuordnungsziele;
        o.AbfrageModus = w.AbfrageModus;
        o.ZeitLimitIndex = w.ZeitLimit;
        o.ZeitLimitWert = EditZahlGeklemmt(w.ZLimitMin) * 60 + EditZahlGeklemmt(w.ZLimitSek);
    }
    return o;
}
