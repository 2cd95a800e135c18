// The learning view in the main window: clicks, layers, covers and numbering.
#include "LernAnsichtAnschluss.h"

#include "TForm1.h"

#include "LernKartBild.h"
#include "LernLeiste.h"
#include "MarkupTags.h"
#include "Nummerierung.h"
#include "Szene.h"
#include "THoverPanel.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QPainter>

namespace {
// The pictures of the two numbering buttons: bars rising in order, and the
// same bars in a shuffled order.
QImage Balkenbild(const int (&hoehen)[4])
{
    QImage b(20, 16, QImage::Format_ARGB32_Premultiplied);
    b.setDotsPerMeterX(3780);
    b.setDotsPerMeterY(3780);
    b.fill(Qt::transparent);
    QPainter p(&b);
    for (int i = 0; i < 4; ++i)
        p.fillRect(1 + i * 5, 16 - hoehen[i], 3, hoehen[i], QColor(73, 104, 143));
    return b;
}
} // namespace

LernAnsichtAnschluss::LernAnsichtAnschluss(TForm1 &f, Szene &s, LernKartBild &b)
    : QObject(&f), form(f), szene(s), bild(b)
{
    BaueLeiste();
    BaueMenue();

    connect(&bild, &LernKartBild::MausGedrueckt, this,
            [this](QPoint pos, Qt::MouseButton knopf, Qt::MouseButtons) { LernKartPicImgMouseDown(pos, knopf); });
    connect(&bild, &LernKartBild::MausBewegt, this, &LernAnsichtAnschluss::LernKartPicImgMouseMove);

    form.LernBildAnschliessen(*this);
}

void LernAnsichtAnschluss::BildNeuAufbauen()
{
    szene.SzeneAufbauen();
    bild.update();
}

// Loading or closing a document asks for the drag markers to be cleared;
// the drawing tools clear their stroke start themselves when the numbering
// is applied, so nothing is left to do here.
void LernAnsichtAnschluss::ZiehMarkenLoeschen() {}

void LernAnsichtAnschluss::NummerierungAnwenden()
{
    // Loading a document, the first activation and the end of a quiz apply
    // the stored numbering mode at zoom 100 %, without drawing.
    szene.ZoomSetzen(0);
    // No stroke may start at a point of the previous document; a gallery
    // starts on its first page with every name covered.
    szene.StrichZuruecksetzen();
    szene.GalerieZuruecksetzen();
    NummerierungSetzen(szene.NummerierModus, false);
}

void LernAnsichtAnschluss::BaueLeiste()
{
    auto ebene = [this](const char *name, const QString &text) {
        auto *c = new QCheckBox(text, form.EbenenPan);
        c->setObjectName(QString::fromLatin1(name));
        c->setChecked(true);
        // Never in the focus chain: after Escape in the keyword field or a
        // scroll command a stray Space would discard the drawings. The
        // "&Lernansicht" menu's layer items serve the keyboard.
        c->setFocusPolicy(Qt::NoFocus);
        connect(c, &QCheckBox::clicked, this, &LernAnsichtAnschluss::EbenenCheckClick);
        return c;
    };
    Ebene0Check = ebene("Ebene0Check", " Illustration ");
    Ebene1Check = ebene("Ebene1Check", " Beschriftung ");
    Ebene2Check = ebene("Ebene2Check", " Infopunkte ");
    int y = 2;
    for (QCheckBox *c : {Ebene0Check, Ebene1Check, Ebene2Check}) {
        c->setGeometry(4, y, 110, 18);
        y += 20;
    }

    LernLeiste &leiste = *form.Werkzeugleiste;
    AlleAbdeckenBtn = leiste.Knopf("AlleAbdeckenBtn", "Alle abdecken", "Alle Beschriftungen abdecken");
    AlleAufdeckenBtn = leiste.Knopf("AlleAufdeckenBtn", "Alle aufdecken", "Alle Beschriftungen aufdecken");
    NummerModeFragez = leiste.Knopf("NummerModeFragez", "?", "Abdecker mit Fragezeichen");
    NummerModeSort = leiste.Knopf("NummerModeSort", QString(), "Abdecker geordnet nummerieren");
    NummerModeZufall = leiste.Knopf("NummerModeZufall", QString(), "Abdecker zufällig nummerieren");
    NummerModeSort->setBitmap(Balkenbild({4, 8, 12, 16}));
    NummerModeZufall->setBitmap(Balkenbild({12, 4, 16, 8}));

    // Layers, then cover all / uncover all, then the three numbering modes
    // side by side.
    leiste.ReiheHinzufuegen({form.EbenenPan}, 64);
    leiste.Abstand(2);
    leiste.ReiheHinzufuegen({AlleAbdeckenBtn});
    leiste.ReiheHinzufuegen({AlleAufdeckenBtn});
    leiste.Abstand(2);
    leiste.ReiheHinzufuegen({NummerModeFragez, NummerModeSort, NummerModeZufall}, 26);
    leiste.Abstand();

    connect(AlleAbdeckenBtn, &THoverPanel::clicked, this, [this] { szene.AlleAbdecken(); });
    connect(AlleAufdeckenBtn, &THoverPanel::clicked, this, [this] { szene.AlleAufdecken(); });
    connect(NummerModeFragez, &THoverPanel::clicked, this,
            [this] { NummerierungSetzen(NummerierArt::Fragezeichen, true); });
    connect(NummerModeSort, &THoverPanel::clicked, this, [this] { NummerierungSetzen(NummerierArt::Geordnet, true); });
    connect(NummerModeZufall, &THoverPanel::clicked, this,
            [this] { NummerierungSetzen(NummerierArt::Zufaellig, true); });
}

void LernAnsichtAnschluss::BaueMenue()
{
    QMenu *lern = form.Menue.Lernansicht1;
    // A layer item only toggles its check box, whose handler does the rest.
    auto ebene = [this, lern](const QString &name, const QString &text, QCheckBox *box) {
        QAction *a = form.EintragHinzufuegen(lern, name, text);
        a->setCheckable(true);
        a->setChecked(true);
        connect(a, &QAction::triggered, box, [box] { box->click(); });
        return a;
    };
    EbeneIllustration1 = ebene("EbeneIllustration1", "&Illustration", Ebene0Check);
    EbeneBeschriftung1 = ebene("EbeneBeschriftung1", "&Beschriftung", Ebene1Check);
    EbeneInfopunkte1 = ebene("EbeneInfopunkte1", "Info&punkte", Ebene2Check);
    AlleBeschriftungenabdecken1 = form.EintragHinzufuegen(lern, "AlleBeschriftungenabdecken1", "Alle &abdecken");
    connect(AlleBeschriftungenabdecken1, &QAction::triggered, AlleAbdeckenBtn, &THoverPanel::clicked);
    AlleBeschriftungenaufdecken1 = form.EintragHinzufuegen(lern, "AlleBeschriftungenaufdecken1", "Alle auf&decken");
    connect(AlleBeschriftungenaufdecken1, &QAction::triggered, AlleAufdeckenBtn, &THoverPanel::clicked);
    for (QAction *a : {EbeneIllustration1, EbeneBeschriftung1, EbeneInfopunkte1, AlleBeschriftungenabdecken1,
                       AlleBeschriftungenaufdecken1})
        form.ErweitertAnzeigen(a);

    NummerierungAbdeckflaechen1 =
        form.UntermenueHinzufuegen(lern, "NummerierungAbdeckflaechen1", "&Nummerierung Abdeckflächen");
    nummerGruppe = new QActionGroup(this);
    nummerGruppe->setExclusive(true);
    // The item calls the button's handler.
    auto modus = [this](const QString &name, const QString &text, THoverPanel *knopf) {
        QAction *a = form.EintragHinzufuegen(NummerierungAbdeckflaechen1, name, text);
        a->setCheckable(true);
        a->setActionGroup(nummerGruppe);
        connect(a, &QAction::triggered, knopf, &THoverPanel::clicked);
        form.ErweitertAnzeigen(a);
        return a;
    };
    NummerierungFragezeichen1 = modus("NummerierungFragezeichen1", "&Fragezeichen", NummerModeFragez);
    NummerierungGeordnet1 = modus("NummerierungGeordnet1", "&Geordnet", NummerModeSort);
    NummerierungZufaellig1 = modus("NummerierungZufaellig1", "&Zufällig", NummerModeZufall);
    NummerierungSetzen(szene.NummerierModus, false);
}

bool LernAnsichtAnschluss::KlickErlaubt() const
{
    // In a quiz the quiz panel covers the picture and handles the mouse.
    // While the start panel lies over the picture, the display shows none of
    // the objects: a click on the margin around the panel must not toggle an
    // unseen cover (whose box would then appear beside the start page).
    if (form.Zustand.AnsichtModus == AnsichtArt::Quiz)
        return false;
    return !(form.StartInfoPan && form.StartInfoPan->isVisible());
}

void LernAnsichtAnschluss::LernKartPicImgMouseDown(QPoint pos, Qt::MouseButton knopf)
{
    // The pointer tool acts with the left button, and the middle button
    // does the same (the right one pans the view).
    if (!KlickErlaubt() || (knopf != Qt::LeftButton && knopf != Qt::MiddleButton))
        return;
    if (knopf == Qt::LeftButton && szene.AktWerkzeug != Werkzeug::Zeiger)
        return; // the other tools draw or pan

    const KlickErgebnis e = szene.Klick(pos);
    switch (e.aktion) {
    case KlickAktion::Umgeschaltet:
    case KlickAktion::Navigiert:
        bild.update();
        break;
    case KlickAktion::InfoZeigen:
        if (e.index >= 0 && e.index < form.Zustand.Dok.Objekte.size()) {
            const QString &text = form.Zustand.Dok.Objekte[e.index].Cap;
            if (infoAnzeige)
                infoAnzeige->InfotextZeigen(text);
            else
                form.dienste.meldungen->Information(InfotextOhneMarkup(text));
        }
        break;
    case KlickAktion::DokumentLaden:
        form.Navigation().DokumentLinkFolgen(e.ziel);
        break;
    case KlickAktion::LinkGeoeffnet:
    case KlickAktion::LinkFehler: // the scene has shown the message
    case KlickAktion::Keine:
        break;
    }
}

void LernAnsichtAnschluss::LernKartPicImgMouseMove(QPoint pos, Qt::MouseButtons knoepfe)
{
    if (!KlickErlaubt() || knoepfe != Qt::NoButton || szene.AktWerkzeug != Werkzeug::Zeiger)
        return;
    const bool ueberObjekt = szene.ObjektAn(pos.x(), pos.y()) >= 0;
    if (ueberObjekt)
        bild.setCursor(Qt::PointingHandCursor);
    else
        bild.unsetCursor();
}

void LernAnsichtAnschluss::EbenenCheckClick()
{
    // The focus leaves the boxes so that the arrow keys go on scrolling.
    for (QCheckBox *c : {Ebene0Check, Ebene1Check, Ebene2Check})
        if (c->hasFocus())
            c->clearFocus();
    EbeneIllustration1->setChecked(Ebene0Check->isChecked());
    EbeneBeschriftung1->setChecked(Ebene1Check->isChecked());
    EbeneInfopunkte1->setChecked(Ebene2Check->isChecked());
    szene.EbenenSetzen(Ebene0Check->isChecked(), Ebene1Check->isChecked(), Ebene2Check->isChecked());
    bild.update();
}

void LernAnsichtAnschluss::NummerierungSetzen(NummerierArt modus, bool zeichnen)
{
    const struct
    {
        THoverPanel *knopf;
        QAction *aktion;
        NummerierArt art;
    } haken[] = {{NummerModeFragez, NummerierungFragezeichen1, NummerierArt::Fragezeichen},
                 {NummerModeSort, NummerierungGeordnet1, NummerierArt::Geordnet},
                 {NummerModeZufall, NummerierungZufaellig1, NummerierArt::Zufaellig}};
    for (const auto &h : haken) {
        h.knopf->setChecked(h.art == modus);
        h.aktion->setChecked(h.art == modus);
    }
    szene.NummerierungSetzen(modus, zeichnen);
    if (zeichnen)
        bild.update();
}
