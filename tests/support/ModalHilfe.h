// Answers the next modal window from a test: looks at it, then closes it.
#pragma once
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Once a modal window is shown, hands it to ansehen and rejects it unless
// ansehen closed it already.
// Gives up after about two seconds so a test whose window never comes
// fails instead of hanging.
inline void NaechstesModalesFenster(std::function<void(QWidget *)> ansehen, int versuche = 200)
{
    QTimer::singleShot(10, [ansehen, versuche] {
        QWidget *w = QApplication::activeModalWidget();
        if (!w) {
            if (versuche > 0)
                NaechstesModalesFenster(ansehen, versuche - 1);
            return;
        }
        ansehen(w);
        if (!w->isVisible())
            return;
        if (auto *d = qobject_cast<QDialog *>(w))
            d->reject();
        else
            w->close();
    });
}
