// The quiz picture and the accessible items of its targets.
#include "QuizBild.h"

#include <QAccessibleWidget>
#include <QTimer>

namespace {

// One target of the picture: an item named by its number and state, with a
// press action while it takes an answer.
class ZielEintrag : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    ZielEintrag(QuizBild *bild, int objekt) : bild(bild), objekt(objekt) {}

    bool isValid() const override { return bild && bild->Quelle().Ziele; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return bild ? bild->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return bild ? QAccessible::queryAccessibleInterface(bild) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && isValid())
            return bild->Quelle().Name(objekt);
        return {};
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect k = bild->Quelle().Kasten(objekt);
        return QRect(bild->mapToGlobal(k.topLeft()), k.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid() || !bild->isVisible())
            s.invisible = true;
        if (isValid() && !bild->Quelle().Offen(objekt))
            s.readOnly = true;
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override
    {
        return isValid() && bild->Quelle().Offen(objekt) ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString &action) override
    {
        // From the event loop, so the caller's reply does not wait for the
        // feedback; the target is asked again then.
        if (action == pressAction() && isValid() && bild->Quelle().Offen(objekt))
            QTimer::singleShot(0, bild, [b = bild.data(), o = objekt] {
                if (b->Quelle().Offen(o))
                    b->Quelle().Waehlen(o);
            });
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<QuizBild> bild;
    int objekt;
};

class QuizBildZugang : public QAccessibleWidget
{
public:
    explicit QuizBildZugang(QuizBild *b) : QAccessibleWidget(b, QAccessible::Graphic) {}
    QuizBild *Bild() const { return static_cast<QuizBild *>(widget()); }
    QList<int> Ziele() const { return Bild()->Quelle().Ziele ? Bild()->Quelle().Ziele() : QList<int>(); }

    int childCount() const override { return int(Ziele().size()); }
    QAccessibleInterface *child(int i) const override
    {
        const QList<int> z = Ziele();
        return i >= 0 && i < z.size() ? Bild()->ZielZugang(z[i]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *c) const override
    {
        const QList<int> z = Ziele();
        for (int i = 0; i < z.size(); ++i)
            if (Bild()->ZielZugang(z[i]) == c)
                return i;
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface *c = child(i); c && c->rect().contains(x, y))
                return c;
        return nullptr;
    }
};

QAccessibleInterface *Fabrik(const QString &, QObject *o)
{
    if (auto *b = qobject_cast<QuizBild *>(o))
        return new QuizBildZugang(b);
    return nullptr;
}

} // namespace

QuizBild::QuizBild(QWidget *parent) : QLabel(parent)
{
    static bool eingerichtet = false;
    if (!eingerichtet) {
        eingerichtet = true;
        QAccessible::installFactory(Fabrik);
    }
}

QuizBild::~QuizBild()
{
    for (const auto &[objekt, id] : zugaenge)
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface *QuizBild::ZielZugang(int objekt)
{
    auto it = zugaenge.find(objekt);
    if (it != zugaenge.end())
        if (QAccessibleInterface *z = QAccessible::accessibleInterface(it->second))
            return z;
    const QAccessible::Id id = QAccessible::registerAccessibleInterface(new ZielEintrag(this, objekt));
    zugaenge[objekt] = id;
    return QAccessible::accessibleInterface(id);
}
