// The drawing tools of the learning view: their buttons, radio menu items
// and cursors, the mouse on the picture and the keyword field.
#pragma once
#include "Werkzeug.h"

#include <QList>
#include <QObject>
#include <QPoint>

class LernKartBild;
class QAction;
class QActionGroup;
class QLineEdit;
class Szene;
class TForm1;
class THoverPanel;

class LernWerkzeugAnschluss : public QObject
{
public:
    LernWerkzeugAnschluss(TForm1 &form, Szene &szene, LernKartBild &bild);

    // In the order of WerkzeugTabelle (ZeigerBtn .. TexteingabeBtn).
    QList<THoverPanel *> Knoepfe;
    QList<QAction *> Aktionen;
    THoverPanel *MarkEntfBtn = nullptr;
    QAction *AlleZeichnungenentfernen1 = nullptr;

    // The buttons' pictures, made when the tool bar is first shown (it is
    // hidden at start) or when called; a second call does nothing.
    void KnopfbilderMachen();
    bool KnopfbilderGemacht() const { return knopfbilderGemacht; }

    // Buttons and items call it; the check and cross clear the stamp
    // first, the keyword tool empties a hidden field.
    void WerkzeugKlick(Werkzeug w);
    // The buttons and items show the tool, the cursor follows, and any tool
    // other than the keyword hides the field without writing it.
    void WerkzeugAnzeigen(Werkzeug w);
    void AlleZeichnungenEntfernen();

    // Mouse on the picture (mode 2, tools 3 to 9).
    void MausGedrueckt(QPoint pos, Qt::MouseButton knopf);
    void MausBewegt(QPoint pos, Qt::MouseButtons knoepfe);
    void MausLosgelassen(QPoint pos, Qt::MouseButtons knoepfe);

    // The keyword field on LernKartPan, made when first placed.
    QLineEdit &TexteingabeEdit();
    bool TexteingabeErzeugt() const { return texteingabe; }
    // The keyword field: placed with its bottom-left corner at a point of
    // LernKartPan; Enter writes the text, Escape discards it.
    void TexteingabePlatzieren(QPoint untenLinks);
    void TexteingabeUebernehmen();
    void TexteingabeVerwerfen();

protected:
    bool eventFilter(QObject *obj, QEvent *e) override;

private:
    void BaueLeiste();
    void BaueMenue();
    void CursorSetzen();
    bool ZeichnenErlaubt() const;
    void FeldVerbergen();

    TForm1 &form;
    Szene &szene;
    LernKartBild &bild;
    QActionGroup *gruppe = nullptr;
    QLineEdit *texteingabe = nullptr;
    bool knopfbilderGemacht = false;
};
