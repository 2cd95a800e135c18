// A menu that lays out, paints and hit-tests its items in marked columns.
#include "SpaltenMenue.h"

#include <QActionEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionMenuItem>
#include <QWidgetAction>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {
// Room between two columns, with a thin rule in its middle.
constexpr int SpaltenAbstand = 9;
}

const SpaltenMenue::Anordnung &SpaltenMenue::Plan() const
{
    if (!planAlt)
        return plan;
    planAlt = false;
    plan = Anordnung{};
    plan.aktionen = actions();
    bool marke = false;
    for (QAction *a : plan.aktionen)
        marke = marke || (a->isVisible() && a->property("neueSpalte").toBool());
    if (!marke)
        return plan;

    // Qt's own layout gives each item its height (collapsed separators and
    // hidden items have none) and the common width; only the placement is
    // ours. The margins are what its size hint adds around its items.
    // Asking Qt for one item's place searches the menu's list for it, so
    // asking for every item would cost time squared in a long menu: only
    // separators (which Qt may collapse), widget items and the first item of
    // each kind are asked; items of one kind (font, icon or none, submenu,
    // tab in the text, checkable) are equally high.
    const QSize qtGroesse = QMenu::sizeHint();
    struct Art
    {
        QFont schrift;
        bool bild, unter, tab, haken;
        int hoehe;
    };
    QList<Art> arten;
    QList<MenueZeile> zeilen;
    zeilen.reserve(plan.aktionen.size());
    QAction *erste = nullptr, *letzte = nullptr;
    for (QAction *a : plan.aktionen) {
        int hoehe = 0;
        if (a->isVisible()) {
            if (a->isSeparator() || qobject_cast<QWidgetAction *>(a)) {
                const QRect r = actionGeometry(a);
                hoehe = r.isValid() ? r.height() : 0;
            } else {
                const QFont schrift = a->font().resolve(font());
                const bool bild = !a->icon().isNull(), unter = a->menu() != nullptr, tab = a->text().contains(u'\t'),
                           haken = a->isCheckable();
                const auto art = std::find_if(arten.cbegin(), arten.cend(), [&](const Art &k) {
                    return k.bild == bild && k.unter == unter && k.tab == tab && k.haken == haken
                           && k.schrift == schrift;
                });
                if (art != arten.cend()) {
                    hoehe = art->hoehe;
                } else {
                    const QRect r = actionGeometry(a);
                    hoehe = r.isValid() ? r.height() : 0;
                    arten << Art{schrift, bild, unter, tab, haken, hoehe};
                }
            }
        }
        if (hoehe > 0) {
            if (!erste)
                erste = a;
            letzte = a;
        }
        zeilen << MenueZeile{hoehe, a->property("neueSpalte").toBool()};
    }
    if (!erste)
        return plan;
    const QRect oben = actionGeometry(erste), unten = actionGeometry(letzte);
    const QPoint ursprung = oben.topLeft();
    const int breite = oben.width(); // Qt gives every item the same width
    // The last item is in Qt's rightmost column; when Qt itself needed no
    // second column it is also the lowest, otherwise the bottom margin is
    // the top one.
    const QSize rand(std::max(0, qtGroesse.width() - (unten.right() + 1)),
                     unten.x() == oben.x() ? std::max(0, qtGroesse.height() - (unten.bottom() + 1)) : ursprung.y());

    int maxHoehe = 0, maxBreite = 0;
    if (const QScreen *s = screen()) {
        QStyleOption opt(0);
        opt.initFrom(this);
        const int desk = style()->pixelMetric(QStyle::PM_MenuDesktopFrameWidth, &opt, this);
        const QRect frei = s->availableGeometry();
        maxHoehe = std::max(1, frei.height() - 2 * desk - ursprung.y() - rand.height());
        maxBreite = std::max(1, frei.width() - 2 * desk - ursprung.x() - rand.width());
    }
    const SpaltenPlan sp = SpaltenAnordnen(zeilen, breite, SpaltenAbstand, maxHoehe, maxBreite);
    plan.eigen = true;
    plan.spalten = sp.spalten;
    plan.breite = breite;
    plan.abstand = SpaltenAbstand;
    for (const QRect &f : sp.felder)
        plan.felder << (f.isNull() ? QRect() : f.translated(ursprung));
    plan.groesse =
        QSize(ursprung.x() + sp.groesse.width() + rand.width(), ursprung.y() + sp.groesse.height() + rand.height());
    return plan;
}

QSize SpaltenMenue::sizeHint() const
{
    planAlt = true; // asked right before showing: take the current fonts and screen
    const Anordnung &p = Plan();
    return p.eigen ? p.groesse : QMenu::sizeHint();
}

QRect SpaltenMenue::SpaltenFeld(QAction *a) const
{
    const Anordnung &p = Plan();
    if (!p.eigen)
        return actionGeometry(a);
    const qsizetype i = p.aktionen.indexOf(a);
    return i < 0 ? QRect() : p.felder[i];
}

int SpaltenMenue::Spalten() const
{
    return Plan().spalten;
}

QAction *SpaltenMenue::AktionBei(const QPoint &pos) const
{
    const Anordnung &p = Plan();
    for (qsizetype i = 0; i < p.felder.size(); ++i)
        if (p.felder[i].contains(pos))
            return p.aktionen[i];
    return nullptr;
}

bool SpaltenMenue::Waehlbar(const QAction *a) const
{
    if (!a || a->isSeparator() || !a->isVisible())
        return false;
    QStyleOption opt(0);
    opt.initFrom(this);
    return a->isEnabled() || style()->styleHint(QStyle::SH_Menu_AllowActiveAndDisabled, &opt, this);
}

void SpaltenMenue::paintEvent(QPaintEvent *e)
{
    const Anordnung &p = Plan();
    if (!p.eigen) {
        QMenu::paintEvent(e);
        return;
    }
    // The same steps as Qt's own menu: panel, items, the empty rest, frame.
    QPainter maler(this);
    QRegion leer(rect());
    QStyleOptionMenuItem menueOpt;
    menueOpt.initFrom(this);
    menueOpt.state = QStyle::State_None;
    menueOpt.checkType = QStyleOptionMenuItem::NotCheckable;
    menueOpt.maxIconWidth = 0;
    menueOpt.reservedShortcutWidth = 0;
    style()->drawPrimitive(QStyle::PE_PanelMenu, &menueOpt, &maler, this);

    for (qsizetype i = 0; i < p.aktionen.size(); ++i) {
        const QRect &feld = p.felder[i];
        if (feld.isNull() || !e->rect().intersects(feld))
            continue;
        leer -= feld;
        QStyleOptionMenuItem opt;
        initStyleOption(&opt, p.aktionen[i]);
        opt.rect = feld;
        maler.setClipRect(feld);
        style()->drawControl(QStyle::CE_MenuItem, &opt, &maler, this);
    }
    maler.setClipRegion(leer);
    menueOpt.menuItemType = QStyleOptionMenuItem::EmptyArea;
    menueOpt.rect = rect();
    style()->drawControl(QStyle::CE_MenuEmptyArea, &menueOpt, &maler, this);

    maler.setClipping(false);
    maler.setPen(palette().color(QPalette::Mid));
    int oben = height(), unten = 0, links = width();
    for (const QRect &f : p.felder)
        if (!f.isNull()) {
            oben = std::min(oben, f.top());
            unten = std::max(unten, f.bottom());
            links = std::min(links, f.left());
        }
    for (int s = 1; s < p.spalten; ++s) {
        const int x = links + s * (p.breite + p.abstand) - (p.abstand + 1) / 2;
        maler.drawLine(x, oben + 2, x, unten - 2);
    }

    QStyleOptionFrame rahmen;
    rahmen.rect = rect();
    rahmen.palette = palette();
    rahmen.state = QStyle::State_None;
    rahmen.lineWidth = style()->pixelMetric(QStyle::PM_MenuPanelWidth, &rahmen, this);
    rahmen.midLineWidth = 0;
    style()->drawPrimitive(QStyle::PE_FrameMenu, &rahmen, &maler, this);
}

void SpaltenMenue::mouseMoveEvent(QMouseEvent *e)
{
    if (!Plan().eigen || !rect().contains(e->position().toPoint())) {
        // Outside, Qt's handling passes the mouse on to the menu bar.
        QMenu::mouseMoveEvent(e);
        return;
    }
    QAction *a = AktionBei(e->position().toPoint());
    if (Waehlbar(a) && a != activeAction()) {
        setActiveAction(a);
        update();
    }
}

void SpaltenMenue::mousePressEvent(QMouseEvent *e)
{
    if (!Plan().eigen || !rect().contains(e->position().toPoint())) {
        QMenu::mousePressEvent(e); // a press outside closes the menu
        return;
    }
    druckHier = true;
    QAction *a = AktionBei(e->position().toPoint());
    if (Waehlbar(a) && a != activeAction()) {
        setActiveAction(a);
        update();
    }
    e->accept();
}

void SpaltenMenue::mouseReleaseEvent(QMouseEvent *e)
{
    if (!Plan().eigen || !rect().contains(e->position().toPoint())) {
        druckHier = false;
        QMenu::mouseReleaseEvent(e);
        return;
    }
    QAction *a = AktionBei(e->position().toPoint());
    e->accept();
    // Only a click that began in this menu chooses: the release of the
    // press that opened the menu may land on an item when the menu opens
    // over the menu bar.
    const bool hierGedrueckt = std::exchange(druckHier, false);
    if (!hierGedrueckt || !Waehlbar(a) || !a->isEnabled() || a->menu())
        return;
    setActiveAction(a);
    // Qt's own activation closes the menus up to the menu bar and then
    // triggers the action, exactly as for the Return key.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QMenu::keyPressEvent(&enter);
}

bool SpaltenMenue::SpalteWechseln(int richtung)
{
    const Anordnung &p = Plan();
    const qsizetype jetzt = p.aktionen.indexOf(activeAction());
    if (jetzt < 0 || p.felder[jetzt].isNull())
        return false;
    const QRect von = p.felder[jetzt];
    const int zielX = von.x() + richtung * (p.breite + p.abstand);
    QAction *bestes = nullptr;
    int abstand = 0;
    for (qsizetype i = 0; i < p.aktionen.size(); ++i) {
        const QRect &f = p.felder[i];
        if (f.isNull() || f.x() != zielX || !Waehlbar(p.aktionen[i]))
            continue;
        const int d = std::abs(f.center().y() - von.center().y());
        if (!bestes || d < abstand) {
            bestes = p.aktionen[i];
            abstand = d;
        }
    }
    if (!bestes)
        return false;
    setActiveAction(bestes);
    update();
    return true;
}

void SpaltenMenue::keyPressEvent(QKeyEvent *e)
{
    if (Plan().eigen && e->modifiers() == Qt::NoModifier && (e->key() == Qt::Key_Left || e->key() == Qt::Key_Right)) {
        const bool rechts = (e->key() == Qt::Key_Right) != (layoutDirection() == Qt::RightToLeft);
        if (SpalteWechseln(rechts ? 1 : -1)) {
            e->accept();
            return;
        }
    }
    // Up, Down, access keys and Return are Qt's; the items it repaints are
    // where its own layout would put them, so the whole menu is repainted.
    QMenu::keyPressEvent(e);
    if (Plan().eigen)
        update();
}

void SpaltenMenue::leaveEvent(QEvent *e)
{
    // Qt drops the highlight here and repaints only where its own layout
    // has the item.
    QMenu::leaveEvent(e);
    if (Plan().eigen)
        update();
}

void SpaltenMenue::actionEvent(QActionEvent *e)
{
    planAlt = true;
    QMenu::actionEvent(e);
}

void SpaltenMenue::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange)
        planAlt = true;
    QMenu::changeEvent(e);
}
