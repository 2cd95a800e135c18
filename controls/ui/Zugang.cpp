// Accessible interfaces of the hover panel, the shadow label and the click zone.
#include "Zugang.h"

#include "KlickZone.h"
#include "THoverPanel.h"
#include "TShadowLabel.h"

#include <QRegularExpression>
#include <QTimer>

QString Vorlesetext(const QString &beschriftung)
{
    QString t = beschriftung;
    t.replace(QChar('|'), QChar(' '));
    t = t.simplified();
    for (const QChar c : t)
        if (c.isLetterOrNumber())
            return t;
    return {};
}

KlickbarZugang::KlickbarZugang(QWidget *w, QAccessible::Role rolle, std::function<void()> k)
    : QAccessibleWidget(w, rolle), klick(std::move(k))
{
}

QAccessible::Role KlickbarZugang::role() const
{
    const QVariant r = widget()->property(ZugangsRolle);
    if (r.isValid())
        return QAccessible::Role(r.toInt());
    return QAccessibleWidget::role();
}

QString KlickbarZugang::text(QAccessible::Text t) const
{
    const QWidget *w = widget();
    switch (t) {
    case QAccessible::Name: {
        if (!w->accessibleName().isEmpty())
            return w->accessibleName();
        const QString b = Vorlesetext(Beschriftung());
        return b.isEmpty() ? w->toolTip() : b;
    }
    case QAccessible::Description:
        if (!w->accessibleDescription().isEmpty())
            return w->accessibleDescription();
        return w->toolTip() != text(QAccessible::Name) ? w->toolTip() : QString();
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State KlickbarZugang::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (auto *p = qobject_cast<THoverPanel *>(widget()); p && p->Checked()) {
        s.checkable = true;
        s.checked = true;
    }
    return s;
}

QStringList KlickbarZugang::actionNames() const
{
    QStringList namen = QAccessibleWidget::actionNames();
    if (Drueckbar() && widget()->isEnabled())
        namen.prepend(pressAction());
    return namen;
}

void KlickbarZugang::doAction(const QString &action)
{
    if (action == pressAction() && Drueckbar() && widget()->isEnabled() && widget()->isVisible())
        // From the event loop: the caller (a screen reader over the bus) gets
        // its reply at once, not after the feedback or a modal window.
        QTimer::singleShot(0, widget(), klick);
    else
        QAccessibleWidget::doAction(action);
}

HoverPanelZugang::HoverPanelZugang(THoverPanel *p) : KlickbarZugang(p, QAccessible::Button, [p] { p->Click(); }) {}

QAccessible::Role HoverPanelZugang::role() const
{
    if (widget()->property(ZugangsRolle).isValid())
        return KlickbarZugang::role();
    if (Drueckbar())
        return QAccessible::Button;
    return Beschriftung().isEmpty() && widget()->accessibleName().isEmpty() ? QAccessible::Client
                                                                            : QAccessible::StaticText;
}

bool HoverPanelZugang::Drueckbar() const
{
    return static_cast<THoverPanel *>(widget())->Anklickbar();
}

QString HoverPanelZugang::Beschriftung() const
{
    return static_cast<THoverPanel *>(widget())->Caption();
}

ShadowLabelZugang::ShadowLabelZugang(TShadowLabel *l)
    : KlickbarZugang(l, QAccessible::StaticText, [l] { emit l->clicked(); })
{
}

QAccessible::Role ShadowLabelZugang::role() const
{
    if (widget()->property(ZugangsRolle).isValid())
        return KlickbarZugang::role();
    return Drueckbar() ? QAccessible::Link : QAccessible::StaticText;
}

bool ShadowLabelZugang::Drueckbar() const
{
    return static_cast<TShadowLabel *>(widget())->Anklickbar();
}

QString ShadowLabelZugang::Beschriftung() const
{
    return static_cast<TShadowLabel *>(widget())->Caption();
}

namespace {
QAccessibleInterface *Fabrik(const QString &, QObject *o)
{
    // The answer panels and other subclasses get their own interfaces from
    // their own factories, which come first.
    if (auto *p = qobject_cast<THoverPanel *>(o))
        return new HoverPanelZugang(p);
    if (auto *l = qobject_cast<TShadowLabel *>(o))
        return new ShadowLabelZugang(l);
    if (auto *z = qobject_cast<KlickZone *>(o))
        return new KlickbarZugang(z, QAccessible::Button, [z] { emit z->clicked(); });
    return nullptr;
}
} // namespace

void ZugangEinrichten()
{
    static bool eingerichtet = false;
    if (eingerichtet)
        return;
    eingerichtet = true;
    QAccessible::installFactory(Fabrik);
}
