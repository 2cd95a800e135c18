#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle("Brinvale Pennoria");
    w.resize(900, 650);
    w.show();
    return app.exec();
}
