// The floor for start-up comparisons: a bare Qt main window of the program's
// size with a menu bar, reporting its first paint like the program does.
#include "StartMessung.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow fenster;
    fenster.setWindowTitle("Leeres Fenster");
    for (const char *titel : {"&Datei", "&Quizauswahl", "&Optionen", "&Hilfe"}) {
        QMenu *m = fenster.menuBar()->addMenu(titel);
        m->addAction("Eintrag");
    }
    fenster.resize(900, 650);
    StartMessungAnmelden(fenster);
    fenster.show();
    return app.exec();
}
