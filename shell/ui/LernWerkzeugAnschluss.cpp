// The learning view's drawing tools, their cursors and the keyword field.
#include "LernWerkzeugAnschluss.h"

#include "LernKartBild.h"
#include "LernLeiste.h"
#include "Rahmen.h"
#include "Szene.h"
#include "TForm1.h"
#include "THoverPanel.h"
#include "Texteingabe.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>

namespace {
// The pointer button's picture: a plain arrow.
QImage Zeigerbild()
{
    QImage b(22, 22, QImage::Format_ARGB32_Premultiplied);
    b.fill(Qt::transparent);
    QPainter p(&b);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF pfeil[] = {{6, 2}, {6, 18}, {10, 14}, {13, 20}, {15.5, 19}, {12.5, 13}, {18, 13}};
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(pfeil, 7);
    return b;
}

QImage Knopfbild(const WerkzeugEintrag &e)
{
    if (e.werkzeug == Werkzeug::Zeiger)
        return Zeigerbild();
    if (e.werkzeug == Werkzeug::GruenMarker)
        return KnopfbildVonCursor(e.cursor, 22, StiftVon(e.werkzeug).farbe);
    return KnopfbildVonCursor(e.cursor);
}
} // namespace

LernWerkzeugAnschluss::LernWerkzeugAnschluss(TForm1 &f, Szene &s, LernKartBild &b)
    : QObject(&f), form(f), szene(s), bild(b)
{
    BaueLeiste();
    BaueMenue();

    connect(&bild, &LernKartBild::WerkzeugGewaehlt, this, &LernWerkzeugAnschluss::WerkzeugAnzeigen);
    connect(&bild, &LernKartBild::MausGedrueckt, this,
            [this](QPoint pos, Qt::MouseButton knopf, Qt::MouseButtons) { MausGedrueckt(pos, knopf); });
    connect(&bild, &LernKartBild::MausBewegt, this, &LernWerkzeugAnschluss::MausBewegt);
    connect(&bild, &LernKartBild::MausLosgelassen, this,
            [this](QPoint pos, Qt::MouseButton, Qt::MouseButtons knoepfe) { MausLosgelassen(pos, knoepfe); });
    // The field belongs to the picture it was opened on: a load, a resize or
    // a zoom builds another picture and discards it, as Escape does.
    connect(&bild, &LernKartBild::StartseiteAnordnen, this, &LernWerkzeugAnschluss::TexteingabeVerwerfen);
    WerkzeugAnzeigen(szene.AktWerkzeug);
}

void LernWerkzeugAnschluss::BaueLeiste()
{
    LernLeiste &leiste = *form.Werkzeugleiste;
    QList<QWidget *> reihe;
    for (const WerkzeugEintrag &e : WerkzeugTabelle) {
        THoverPanel *k = leiste.Knopf(e.knopf, QString(), QString::fromUtf8(e.hinweis));
        const Werkzeug w = e.werkzeug;
        connect(k, &THoverPanel::clicked, this, [this, w] { WerkzeugKlick(w); });
        Knoepfe << k;
        reihe << k;
        // Three tools to a row: pointer, hand, pen / highlighters, eraser /
        // stamps, keyword.
        if (reihe.size() == 3) {
            leiste.ReiheHinzufuegen(reihe, 28);
            reihe.clear();
        }
    }
    MarkEntfBtn = leiste.KnopfHinzufuegen("MarkEntfBtn", "Zeichnungen entfernen", "Alle Zeichnungen entfernen");
    leiste.Abstand();
    connect(MarkEntfBtn, &THoverPanel::clicked, this, &LernWerkzeugAnschluss::AlleZeichnungenEntfernen);
    // The pictures wait for the tool bar's first showing; nothing is painted
    // before it, and the buttons work without them.
    if (form.LernInfoPan->isVisible())
        KnopfbilderMachen();
    else
        form.LernInfoPan->installEventFilter(this);
}

void LernWerkzeugAnschluss::KnopfbilderMachen()
{
    if (knopfbilderGemacht)
        return;
    knopfbilderGemacht = true;
    form.LernInfoPan->removeEventFilter(this);
    for (int i = 0; i < Knoepfe.size(); ++i)
        Knoepfe[i]->setBitmap(Knopfbild(WerkzeugTabelle[i]));
}

void LernWerkzeugAnschluss::BaueMenue()
{
    QMenu *werkzeug = form.UntermenueHinzufuegen(form.Menue.Lernansicht1, "Werkzeug1", "&Werkzeug");
    gruppe = new QActionGroup(this);
    gruppe->setExclusive(true);
    for (int i = 0; i < 9; ++i) {
        const WerkzeugEintrag &e = WerkzeugTabelle[i];
        QAction *a = form.EintragHinzufuegen(werkzeug, e.aktion, QString::fromUtf8(e.text));
        Aktionen << a;
        if (!a)
            continue;
        a->setCheckable(true);
        a->setActionGroup(gruppe);
        form.ErweitertAnzeigen(a);
        // The item calls its button's handler.
        connect(a, &QAction::triggered, Knoepfe[i], &THoverPanel::clicked);
    }
    AlleZeichnungenentfernen1 =
        form.EintragHinzufuegen(form.Menue.Lernansicht1, "AlleZeichnungenentfernen1", "Alle &Zeichnungen entfernen");
    if (AlleZeichnungenentfernen1) {
        connect(AlleZeichnungenentfernen1, &QAction::triggered, MarkEntfBtn, &THoverPanel::clicked);
        form.ErweitertAnzeigen(AlleZeichnungenentfernen1);
    }
}

QLineEdit &LernWerkzeugAnschluss::TexteingabeEdit()
{
    if (texteingabe)
        return *texteingabe;
    auto *t = texteingabe = new QLineEdit(form.LernKartPan);
    t->setObjectName("TexteingabeEdit");
    t->hide();
    t->setFrame(false);
    t->setTextMargins(0, 0, 0, 0);
    t->setContentsMargins(0, 0, 0, 0);
    t->setFont(Szene::SchlagwortFont());
    t->setToolTip("Text übernehmen mit Enter, abbrechen mit ESC");
    QPalette pal = t->palette();
    pal.setColor(QPalette::Base, QColor(240, 240, 240));
    pal.setColor(QPalette::Text, Szene::SchlagwortFarbe);
    t->setPalette(pal);
    t->installEventFilter(this);
    // The field grows to the right as the user types.
    connect(t, &QLineEdit::textChanged, this, [this] {
        if (texteingabe->isHidden())
            return; // emptied after writing or discarding
        const QRect g = texteingabe->geometry();
        TexteingabePlatzieren(QPoint(g.left(), g.top() + g.height()));
    });
    return *t;
}

void LernWerkzeugAnschluss::WerkzeugKlick(Werkzeug w)
{
    if (w == Werkzeug::Haekchen || w == Werkzeug::Kreuz)
        szene.StempelGesetzt = false;
    if (w == Werkzeug::Text && texteingabe && !texteingabe->isVisible())
        texteingabe->clear();
    szene.WerkzeugWaehlen(w);
}

void LernWerkzeugAnschluss::WerkzeugAnzeigen(Werkzeug w)
{
    for (int i = 0; i < 9; ++i) {
        const bool an = WerkzeugTabelle[i].werkzeug == w;
        Knoepfe[i]->setChecked(an);
        if (Aktionen[i])
            Aktionen[i]->setChecked(an);
    }
    if (w != Werkzeug::Text && texteingabe)
        FeldVerbergen();
    CursorSetzen();
}

void LernWerkzeugAnschluss::CursorSetzen()
{
    for (const WerkzeugEintrag &e : WerkzeugTabelle)
        if (e.werkzeug == szene.AktWerkzeug) {
            if (e.cursor)
                bild.setCursor(ProgrammCursor(e.cursor));
            else
                bild.unsetCursor();
        }
}

void LernWerkzeugAnschluss::AlleZeichnungenEntfernen()
{
    szene.AlleZeichnungenEntfernen();
    bild.update();
}

bool LernWerkzeugAnschluss::ZeichnenErlaubt() const
{
    if (form.Zustand.AnsichtModus != AnsichtArt::Startseite)
        return false;
    if (form.StartInfoPan && form.StartInfoPan->isVisible())
        return false;
    return int(szene.AktWerkzeug) >= int(Werkzeug::Stift);
}

void LernWerkzeugAnschluss::MausGedrueckt(QPoint pos, Qt::MouseButton knopf)
{
    if (knopf != Qt::LeftButton || !ZeichnenErlaubt())
        return;
    const WerkzeugSchritt s = szene.WerkzeugDruck(pos);
    if (s.texteingabe)
        TexteingabePlatzieren(s.punkt + bild.pos());
}

void LernWerkzeugAnschluss::MausBewegt(QPoint pos, Qt::MouseButtons knoepfe)
{
    if (!ZeichnenErlaubt() || (knoepfe & Qt::RightButton))
        return;
    const WerkzeugSchritt s = szene.WerkzeugBewegung(pos, knoepfe & Qt::LeftButton);
    if (s.texteingabe)
        TexteingabePlatzieren(s.punkt + bild.pos());
}

void LernWerkzeugAnschluss::MausLosgelassen(QPoint pos, Qt::MouseButtons knoepfe)
{
    // After panning with the right button the tool's cursor comes back.
    CursorSetzen();
    if (!ZeichnenErlaubt())
        return;
    szene.WerkzeugLos(pos, knoepfe & Qt::LeftButton);
}

void LernWerkzeugAnschluss::TexteingabePlatzieren(QPoint untenLinks)
{
    QLineEdit *t = &TexteingabeEdit();
    const QFontMetrics fm(t->font());
    const QRect r = ::TexteingabePlatzieren(fm.horizontalAdvance(t->text()), fm.height(), bild.geometry(),
                                            szene.BildVersatz(), szene.AnzeigeBild.width(), untenLinks);
    t->setGeometry(r);
    if (!t->isVisible()) {
        t->show();
        t->raise();
    }
    t->setFocus();
}

void LernWerkzeugAnschluss::TexteingabeUebernehmen()
{
    if (!texteingabe)
        return;
    QLineEdit *t = texteingabe;
    FeldVerbergen();
    const QPoint anzeige = t->geometry().topLeft() - bild.pos() - szene.BildVersatz();
    szene.SchlagwortSchreiben(anzeige, t->text());
    t->clear();
}

void LernWerkzeugAnschluss::TexteingabeVerwerfen()
{
    if (!texteingabe)
        return;
    texteingabe->clear();
    FeldVerbergen();
}

void LernWerkzeugAnschluss::FeldVerbergen()
{
    // The focus goes back to the picture, not to the next control in the
    // chain: a Space meant for nothing must not switch a layer or a button.
    if (texteingabe->hasFocus())
        bild.setFocus(Qt::OtherFocusReason);
    texteingabe->hide();
}

bool LernWerkzeugAnschluss::eventFilter(QObject *obj, QEvent *e)
{
    // Shown, not yet painted.
    if (obj == form.LernInfoPan && e->type() == QEvent::Show)
        KnopfbilderMachen();
    if (texteingabe && obj == texteingabe && e->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(e)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            TexteingabeUebernehmen();
            return true;
        }
        if (taste == Qt::Key_Escape) {
            TexteingabeVerwerfen();
            return true;
        }
    }
    return QObject::eventFilter(obj, e);
}
