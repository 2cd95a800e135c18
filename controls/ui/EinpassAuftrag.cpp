// The caption fit request a hover panel or shadow label posts to itself.
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

void EinpassAuftrag::Anfordern(QWidget &w)
{
    if (w.isVisible() && !angefordert) {
        angefordert = true;
        QCoreApplication::postEvent(&w, new QEvent(Ereignis()));
    }
}

bool EinpassAuftrag::Eingetroffen(const QEvent &e)
{
    if (e.type() != Ereignis())
        return false;
    angefordert = false;
    return true;
}
