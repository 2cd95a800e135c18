// The high-score menu commands and their two windows, made on first use.
#include "BestListBefehle.h"
#include "Ordner.h"
#include "TBestListForm.h"
#include "TBestListVerzForm.h"

BestListBefehle::BestListBefehle(Dienste &dienste, QWidget *parent)
    : Listen(dienste), meldungen(*dienste.meldungen), eltern(parent)
{
}

TBestListForm &BestListBefehle::BestListForm()
{
    if (!bestListForm)
        bestListForm = new TBestListForm(meldungen, eltern);
    return *bestListForm;
}

TBestListVerzForm &BestListBefehle::BestListVerzForm()
{
    if (!bestListVerzForm)
        bestListVerzForm = new TBestListVerzForm(meldungen, eltern);
    return *bestListVerzForm;
}

void BestListBefehle::Bestenliste1Click(Rolle netzRolle, const Dokument *dok)
{
    BestListForm().TextSpeichernOrdner = Ordner().ProtOrdner;
    Listen.BestenlisteBefehl(netzRolle, dok, BestListForm());
}

void BestListBefehle::BestenlistezurNetzwerkuebung1Click(const Dokument *dok)
{
    BestListZeigen(true, dok);
}

void BestListBefehle::BestListZeigen(bool netz, const Dokument *dok)
{
    BestListForm().TextSpeichernOrdner = Ordner().ProtOrdner;
    Listen.BestListZeigen(netz, dok, BestListForm());
}

bool BestListBefehle::OrdnerBestenlisten1Click()
{
    QString prot = Ordner().ProtOrdner;
    QString best = Ordner().BestListOrdner;
    if (!BestListVerzForm().OrdnerWaehlen(prot, best))
        return false;
    Ordner().ProtOrdner = prot;
    Ordner().BestListOrdner = best;
    return true;
}
