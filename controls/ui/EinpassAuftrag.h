// One pending caption fit of a widget, asked for while it is visible.
#pragma once
class QEvent;
class QWidget;

// A caption area posts itself one request to fit its caption after inputs
// changed while visible: delivered before the repaint they asked for, it
// fits once however many inputs changed together (caption, then geometry).
// A hidden widget posts nothing; it fits when it is shown.
class EinpassAuftrag
{
public:
    // Posts the request to w unless one is pending or w is hidden.
    void Anfordern(QWidget &w);
    // Whether e is the request; if so, it is no longer pending.
    bool Eingetroffen(const QEvent &e);

private:
    bool angefordert = false;
};
