// Zugang: how the custom controls appear to screen readers.
#pragma once
#include <QAccessibleWidget>

#include <functional>

class THoverPanel;
class TShadowLabel;

// Installs the accessibility factory of the custom controls; more calls do
// nothing. The controls call it themselves, so every window that shows them
// is covered.
void ZugangEinrichten();

// Property a widget may carry to choose its accessible role (an int of
// QAccessible::Role), e.g. list items or a status line.
inline constexpr const char *ZugangsRolle = "zugangsRolle";

// The press action of a control raises its click.
class KlickbarZugang : public QAccessibleWidget
{
public:
    KlickbarZugang(QWidget *w, QAccessible::Role rolle, std::function<void()> klick);
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &action) override;

protected:
    // The visible text the name falls back to.
    virtual QString Beschriftung() const { return {}; }
    // Whether the press action is offered now (the control may get its
    // listener after its interface was made).
    virtual bool Drueckbar() const { return bool(klick); }

private:
    std::function<void()> klick;
};

// A button when it can be clicked, else a text (or a plain box when it
// shows no caption, as panels that only hold other controls).
class HoverPanelZugang : public KlickbarZugang
{
public:
    explicit HoverPanelZugang(THoverPanel *p);
    QAccessible::Role role() const override;

protected:
    QString Beschriftung() const override;
    bool Drueckbar() const override;
};

// A link when someone listens to its click, else a text.
class ShadowLabelZugang : public KlickbarZugang
{
public:
    explicit ShadowLabelZugang(TShadowLabel *l);
    QAccessible::Role role() const override;

protected:
    QString Beschriftung() const override;
    bool Drueckbar() const override;
};

// A caption as a screen reader should read it: line breaks and "|" as
// blanks, runs of blanks as one. A caption of symbols only ("◀", "?")
// gives nothing, so the tool tip speaks instead.
QString Vorlesetext(const QString &beschriftung);
