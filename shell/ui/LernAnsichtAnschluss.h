// LernAnsichtAnschluss: connects the learning view to the main window.
#pragma once
#include "InfoAnzeige.h"
#include "LernBildBefehle.h"
#include "Nummerierung.h"

#include <QObject>
#include <QPoint>
#include <QString>

class LernKartBild;
class QAction;
class QActionGroup;
class QCheckBox;
class QMenu;
class Szene;
class TForm1;
class THoverPanel;

// Connects the learning view to the main window: clicks on the picture
// LernKartPicImg outside a quiz, the layer check boxes with their menu
// items, cover all / uncover all, and the three numbering buttons with
// their radio menu items. The controls live on the (hidden) learning-view
// toolbar and in the (hidden) "&Lernansicht" menu.
class LernAnsichtAnschluss : public QObject, public ILernBildBefehle
{
public:
    LernAnsichtAnschluss(TForm1 &form, Szene &szene, LernKartBild &bild);

    // Toolbar controls (names as the program's parts refer to them).
    QCheckBox *Ebene0Check = nullptr;
    QCheckBox *Ebene1Check = nullptr;
    QCheckBox *Ebene2Check = nullptr;
    THoverPanel *AlleAbdeckenBtn = nullptr;
    THoverPanel *AlleAufdeckenBtn = nullptr;
    THoverPanel *NummerModeFragez = nullptr;
    THoverPanel *NummerModeSort = nullptr;
    THoverPanel *NummerModeZufall = nullptr;

    // Its items in the "&Lernansicht" menu.
    QAction *EbeneIllustration1 = nullptr;
    QAction *EbeneBeschriftung1 = nullptr;
    QAction *EbeneInfopunkte1 = nullptr;
    QAction *AlleBeschriftungenabdecken1 = nullptr;
    QAction *AlleBeschriftungenaufdecken1 = nullptr;
    QMenu *NummerierungAbdeckflaechen1 = nullptr;
    QAction *NummerierungFragezeichen1 = nullptr;
    QAction *NummerierungGeordnet1 = nullptr;
    QAction *NummerierungZufaellig1 = nullptr;

    // ILernBildBefehle
    void BildNeuAufbauen() override;
    void NummerierungAnwenden() override;
    void ZiehMarkenLoeschen() override;

    // Shows the info text of an info point. Until the info text window
    // exists, the default shows the text without its markup in an
    // information box.
    void InfoAnzeigeAnschliessen(IInfoAnzeige &anzeige) { infoAnzeige = &anzeige; }

    // LernKartPicImgMouseDown: a press on the picture at a control pixel.
    void LernKartPicImgMouseDown(QPoint pos, Qt::MouseButton knopf);
    // The hand-point cursor over an object that reacts to a click.
    void LernKartPicImgMouseMove(QPoint pos, Qt::MouseButtons knoepfe);

    // Handler of the three layer check boxes.
    void EbenenCheckClick();
    // Mode into NummerierModus, check marks on the button and menu item of
    // the mode, covers numbered; redrawn when zeichnen.
    void NummerierungSetzen(NummerierArt modus, bool zeichnen);

private:
    void BaueLeiste();
    void BaueMenue();
    bool KlickErlaubt() const;

    TForm1 &form;
    Szene &szene;
    LernKartBild &bild;
    QActionGroup *nummerGruppe = nullptr;
    IInfoAnzeige *infoAnzeige = nullptr;
};
