// Watches a caption area and fits its caption when that is due.
#pragma once
#include <QObject>

#include <functional>

class QWidget;

// A caption area's fit follows its events: it fits when the widget is shown,
// and after a resize, a new font or an input change (Anfordern) while it is
// visible, through one request the widget posts to itself. Delivered before
// the repaint the change asked for, that request fits once however many
// inputs changed together (caption, then geometry). A hidden widget posts
// nothing; it fits when it is shown.
class EinpassAuftrag : public QObject
{
public:
    EinpassAuftrag(QWidget &widget, std::function<void()> einpassen);
    ~EinpassAuftrag() override;

    // An input of the fitting changed.
    void Anfordern();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    QWidget &widget;
    std::function<void()> einpassen;
    bool angefordert = false;
};
