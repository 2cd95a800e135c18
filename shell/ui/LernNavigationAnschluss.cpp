// The learning view's zoom, scrolling, panning and tool bar folding.
#include "LernNavigationAnschluss.h"

#include "LernKartBild.h"
#include "LernLeiste.h"
#include "Navigation.h"
#include "Rahmen.h"
#include "Szene.h"
#include "TForm1.h"
#include "THoverPanel.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>

LernNavigationAnschluss::LernNavigationAnschluss(TForm1 &f, Szene &s, LernKartBild &b)
    : QObject(&f), form(f), szene(s), bild(b)
{
    BaueLeiste();
    BaueMenue();
    ZoomAnzeigen(szene.ZoomIndex);

    connect(&bild, &LernKartBild::ZoomStufeGeaendert, this, &LernNavigationAnschluss::ZoomAnzeigen);
    connect(&bild, &LernKartBild::MausGedrueckt, this,
            [this](QPoint pos, Qt::MouseButton knopf, Qt::MouseButtons) { MausGedrueckt(pos, knopf); });
    connect(&bild, &LernKartBild::MausBewegt, this, &LernNavigationAnschluss::MausBewegt);
    connect(&bild, &LernKartBild::MausLosgelassen, this, [this] { MausLosgelassen(); });
    connect(&bild, &LernKartBild::MausRad, this, &LernNavigationAnschluss::MausRad);
    connect(&form, &TForm1::ErweiterteFunktionenGeaendert, this,
            &LernNavigationAnschluss::ErweiterteFunktionenGeaendert);
    connect(&form, &TForm1::BefehlsZustandGeaendert, this, &LernNavigationAnschluss::ZoomBefehleAktualisieren);
    ZoomBefehleAktualisieren();
    szene.LernansichtSichtbar = form.ErweiterteFunktionen();

    form.LernNavigationAnschliessen(*this);

    form.KnopfStilGeben(form.KlappPan);
    connect(form.KlappPan, &THoverPanel::clicked, this, &LernNavigationAnschluss::Werkzeugleisteklappen1Click);
    if (form.Menue.Werkzeugleisteklappen1) {
        connect(form.Menue.Werkzeugleisteklappen1, &QAction::triggered, this,
                &LernNavigationAnschluss::Werkzeugleisteklappen1Click);
        form.ErweitertAnzeigen(form.Menue.Werkzeugleisteklappen1);
    }
}

void LernNavigationAnschluss::BaueLeiste()
{
    LernLeiste &leiste = *form.Werkzeugleiste;
    // "Startseite" in the top bar resets the view in this mode; this one
    // leaves it.
    StartseiteBtn = leiste.KnopfHinzufuegen("StartseiteBtn", "Zur Startseite", "zur Startseite (Alt+Pos1)");
    connect(StartseiteBtn, &THoverPanel::clicked, this, [this] {
        if (form.Menue.Startseite1 && form.Menue.Startseite1->isEnabled())
            form.Menue.Startseite1->trigger();
    });
    leiste.Abstand(2);
    ZoomPan0 = leiste.Knopf("ZoomPan0", "100%", "Zoomstufe 100%");
    ZoomPan2 = leiste.Knopf("ZoomPan2", "150%", "Zoomstufe 150%");
    ZoomPan4 = leiste.Knopf("ZoomPan4", "200%", "Zoomstufe 200%");
    leiste.ReiheHinzufuegen({ZoomPan0, ZoomPan2, ZoomPan4});
    connect(ZoomPan0, &THoverPanel::clicked, this, [this] { ZoomWechseln(int(ZoomStufe::Prozent100)); });
    connect(ZoomPan2, &THoverPanel::clicked, this, [this] { ZoomWechseln(int(ZoomStufe::Prozent150)); });
    connect(ZoomPan4, &THoverPanel::clicked, this, [this] { ZoomWechseln(int(ZoomStufe::Prozent200)); });

    ScrollLiBtn = leiste.Knopf("ScrollLiBtn", QString::fromUtf8("\u25C0"), "nach links scrollen");
    ScrollReBtn = leiste.Knopf("ScrollReBtn", QString::fromUtf8("\u25B6"), "nach rechts scrollen");
    ScrollHoBtn = leiste.Knopf("ScrollHoBtn", QString::fromUtf8("\u25B2"), "nach oben scrollen");
    ScrollRuBtn = leiste.Knopf("ScrollRuBtn", QString::fromUtf8("\u25BC"), "nach unten scrollen");
    leiste.ReiheHinzufuegen({ScrollLiBtn, ScrollReBtn, ScrollHoBtn, ScrollRuBtn});
    leiste.Abstand();
    connect(ScrollLiBtn, &THoverPanel::clicked, this, [this] { Scrollen(-1, 0); });
    connect(ScrollReBtn, &THoverPanel::clicked, this, [this] { Scrollen(1, 0); });
    connect(ScrollHoBtn, &THoverPanel::clicked, this, [this] { Scrollen(0, -1); });
    connect(ScrollRuBtn, &THoverPanel::clicked, this, [this] { Scrollen(0, 1); });
}

void LernNavigationAnschluss::BaueMenue()
{
    QMenu *zoom = form.UntermenueHinzufuegen(form.Menue.Lernansicht1, "Zoomstufe1", "&Zoomstufe");
    zoomGruppe = new QActionGroup(this);
    zoomGruppe->setExclusive(true);
    const struct
    {
        const char *name, *text;
        ZoomStufe stufe;
        QAction **aktion;
    } stufen[] = {
        {"Zoomstufe100", "&100 %", ZoomStufe::Prozent100, &Zoomstufe100},
        {"Zoomstufe150", "1&50 %", ZoomStufe::Prozent150, &Zoomstufe150},
        {"Zoomstufe200", "&200 % ", ZoomStufe::Prozent200, &Zoomstufe200},
    };
    for (const auto &z : stufen) {
        QAction *a = form.EintragHinzufuegen(zoom, z.name, z.text);
        *z.aktion = a;
        if (!a)
            continue;
        a->setCheckable(true);
        a->setActionGroup(zoomGruppe);
        form.ErweitertAnzeigen(a);
        const int index = int(z.stufe);
        connect(a, &QAction::triggered, this, [this, index] { ZoomWechseln(index); });
    }

    QMenu *scroll = form.UntermenueHinzufuegen(form.Menue.Lernansicht1, "Ausschnittscrollen1", "&Ausschnitt scrollen");
    const struct
    {
        const char *name, *text;
        int rx, ry;
    } richtungen[] = {
        {"Nachlinksscrollen1", "nach &links", -1, 0},
        {"Nachrechtsscrollen1", "nach &rechts", 1, 0},
        {"Nachobenscrollen1", "nach &oben", 0, -1},
        {"Nachuntenscrollen1", "nach &unten", 0, 1},
    };
    for (const auto &r : richtungen)
        if (QAction *a = form.EintragHinzufuegen(scroll, r.name, r.text)) {
            const int rx = r.rx, ry = r.ry;
            connect(a, &QAction::triggered, this, [this, rx, ry] { Scrollen(rx, ry); });
            form.ErweitertAnzeigen(a);
        }
}

bool LernNavigationAnschluss::ZoomErlaubt() const
{
    // A quiz keeps its picture at 100 %: a zoom taken over by the next
    // rebuild (a resize, full screen) would push targets off the screen
    // while the tool bar is hidden.
    return form.Zustand.AnsichtModus != AnsichtArt::Quiz;
}

void LernNavigationAnschluss::ZoomBefehleAktualisieren()
{
    const bool an = ZoomErlaubt();
    for (THoverPanel *k : {ZoomPan0, ZoomPan2, ZoomPan4})
        k->setEnabled(an);
    for (QAction *a : {Zoomstufe100, Zoomstufe150, Zoomstufe200})
        form.EintragAktivSetzen(a, an);
}

void LernNavigationAnschluss::ZoomWechseln(int index)
{
    if (ZoomErlaubt() && szene.ZoomWechseln(index))
        Auffrischen();
}

void LernNavigationAnschluss::BildScrollen(int dx, int dy)
{
    Scrollen(dx, dy);
}

void LernNavigationAnschluss::BildZoomen(int richtung)
{
    if (!ZoomErlaubt())
        return;
    if (richtung > 0)
        szene.Hineinzoomen();
    else
        szene.Herauszoomen();
    Auffrischen();
}

void LernNavigationAnschluss::Scrollen(int rx, int ry)
{
    szene.Scrollen(rx, ry);
    Auffrischen();
}

void LernNavigationAnschluss::Auffrischen()
{
    bild.update();
    // In a quiz the quiz panel shows the picture.
    if (form.Zustand.AnsichtModus == AnsichtArt::Quiz && form.UebungPan)
        form.UebungPan->update();
}

void LernNavigationAnschluss::ZoomAnzeigen(int index)
{
    const struct
    {
        THoverPanel *knopf;
        QAction *aktion;
        ZoomStufe stufe;
    } paare[] = {{ZoomPan0, Zoomstufe100, ZoomStufe::Prozent100},
                 {ZoomPan2, Zoomstufe150, ZoomStufe::Prozent150},
                 {ZoomPan4, Zoomstufe200, ZoomStufe::Prozent200}};
    for (const auto &p : paare) {
        p.knopf->setChecked(index == int(p.stufe));
        if (p.aktion)
            p.aktion->setChecked(p.knopf->Checked());
    }
}

void LernNavigationAnschluss::Werkzeugleisteklappen1Click()
{
    if (BildErreichbar() && szene.ZeichnungenVorhanden
        && form.dienste.meldungen->JaNein(QString("Die Zeichnungen auf dem Bild gehen dabei verloren.\r\n"
                                                  "Werkzeugleiste trotzdem %1?")
                                              .arg(form.LeisteOffen ? "zuklappen" : "aufklappen"))
               == Antwort::Nein)
        return;
    form.LeisteOffen = form.LeisteOffen ? 0 : 1;
    // In a quiz the fold state waits for the learning view.
    if (form.Zustand.AnsichtModus == AnsichtArt::Startseite)
        form.ZeigeStartseite();
}

void LernNavigationAnschluss::ErweiterteFunktionenGeaendert(bool an)
{
    szene.LernansichtSichtbar = an;
    form.LeisteOffen = an ? 1 : 0;
    // At start-up the first activation lays out the view itself.
    if (form.ErsteAktivierungOffen() || form.Zustand.AnsichtModus != AnsichtArt::Startseite)
        return;
    form.ZeigeStartseite();
    if (!an) {
        form.StartInfoPan->show();
        form.StartInfoPan->raise();
    }
}

bool LernNavigationAnschluss::BildErreichbar() const
{
    // Mode 2 with the picture in sight: under the start panel there is
    // nothing to move.
    if (form.Zustand.AnsichtModus != AnsichtArt::Startseite)
        return false;
    return !(form.StartInfoPan && form.StartInfoPan->isVisible());
}

void LernNavigationAnschluss::MausGedrueckt(QPoint pos, Qt::MouseButton knopf)
{
    const bool hand = szene.AktWerkzeug == Werkzeug::Hand && knopf == Qt::LeftButton;
    if (!BildErreichbar() || !(knopf == Qt::RightButton || hand))
        return;
    szene.VerschiebenBeginnen(pos);
    if (!verschiebt)
        QApplication::setOverrideCursor(ProgrammCursor(8));
    verschiebt = true;
    bild.setCursor(ProgrammCursor(8));
}

void LernNavigationAnschluss::MausBewegt(QPoint pos, Qt::MouseButtons knoepfe)
{
    if (!verschiebt)
        return;
    const bool weiter = (knoepfe & Qt::RightButton)
                        || ((knoepfe & Qt::LeftButton) && szene.AktWerkzeug == Werkzeug::Hand);
    if (!weiter || !BildErreichbar()) {
        MausLosgelassen();
        return;
    }
    szene.Verschieben(pos);
    bild.update();
}

void LernNavigationAnschluss::MausLosgelassen()
{
    if (!verschiebt)
        return;
    verschiebt = false;
    QApplication::restoreOverrideCursor();
}

void LernNavigationAnschluss::MausRad(QPoint winkel, Qt::KeyboardModifiers tasten)
{
    if (!BildErreichbar())
        return;
    const RadSchritte r = RadAuswerten(winkel.x(), winkel.y(), tasten.testFlag(Qt::ControlModifier),
                                       tasten.testFlag(Qt::ShiftModifier), radRest);
    if (r.zoom != 0) {
        // Two steps lead from either end of the three steps to the other.
        for (int i = 0; i < qMin(qAbs(r.zoom), 2); ++i)
            BildZoomen(r.zoom > 0 ? 1 : -1);
        return;
    }
    const int n = qMax(qAbs(r.rx), qAbs(r.ry));
    for (int i = 0; i < n; ++i)
        szene.Scrollen(r.rx > 0 ? 1 : (r.rx < 0 ? -1 : 0), r.ry > 0 ? 1 : (r.ry < 0 ? -1 : 0));
    if (n > 0)
        Auffrischen();
}
