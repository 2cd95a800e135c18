// The busy cursor shown while a Sanduhr lives.
#include "Sanduhr.h"

#include <QCursor>
#include <QGuiApplication>

Sanduhr::Sanduhr()
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())
        && QGuiApplication::platformName() != QLatin1String("offscreen")) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        aktiv = true;
    }
}

Sanduhr::~Sanduhr()
{
    if (aktiv)
        QGuiApplication::restoreOverrideCursor();
}
