// The caption fit a hover panel or shadow label asks for, driven by its events.
#include "EinpassAuftrag.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace {
QEvent::Type Ereignis()
{
    static const auto typ = QEvent::Type(QEvent::registerEventType());
    return typ;
}
}

EinpassAuftrag::EinpassAuftrag(QWidget &w, std::function<void()> e) : widget(w), einpassen(std::move(e))
{
    widget.installEventFilter(this);
}

EinpassAuftrag::~EinpassAuftrag()
{
    widget.removeEventFilter(this);
}

void EinpassAuftrag::Anfordern()
{
    if (widget.isVisible() && !angefordert) {
        angefordert = true;
        QCoreApplication::postEvent(&widget, new QEvent(Ereignis()));
    }
}

bool EinpassAuftrag::eventFilter(QObject *, QEvent *e)
{
    if (e->type() == QEvent::Show) {
        einpassen();
    } else if (e->type() == QEvent::Resize || e->type() == QEvent::FontChange) {
        Anfordern();
    } else if (e->type() == Ereignis()) {
        angefordert = false;
        if (widget.isVisible())
            einpassen();
        return true;
    }
    return false;
}
