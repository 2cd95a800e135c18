// The labelling picture.
#include "BeschriftungsBild.h"

#include "Bearbeitung.h"
#include "Nummerierung.h"

#include <QMouseEvent>
#include <QPainter>

BeschriftungsBild::BeschriftungsBild(Bearbeitung &bearbeitung, const QString &progOrdner, QWidget *parent)
    : QWidget(parent), b(bearbeitung)
{
    setObjectName("BeschriftungsBild");
    setMinimumSize(400, 300);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    szene = std::make_unique<Szene>(kopie, Dienste{});
    szene->ProgOrdner = progOrdner;
    szene->LernansichtSichtbar = true;
    werkzeug = std::make_unique<BeschriftungsWerkzeug>(b, *szene);
}

BeschriftungsBild::~BeschriftungsBild() = default;

void BeschriftungsBild::Neuladen()
{
    kopie.Dok = b.Dok;
    kopie.AnsichtModus = AnsichtArt::Startseite;
    szene->SteuerGroesse = size();
    szene->NummerierungSetzen(szene->NummerierModus, false);
    for (DokObjekt &o : kopie.Dok.Objekte)
        o.Abdeckung = AbdeckungsArt::Aufgedeckt;
    szene->SzeneAufbauen();
    if (werkzeug->Ausgewaehlt >= b.Dok.Objekte.size())
        werkzeug->Ausgewaehlt = -1;
    update();
}

void BeschriftungsBild::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, szene->Ansicht(true));
    const int i = werkzeug->Ausgewaehlt;
    if (i >= 0 && i < kopie.Dok.Objekte.size()) {
        const DokObjekt &o = kopie.Dok.Objekte[i];
        const QPoint a = szene->AnzeigePixel(o.Rahmen.Left, o.Rahmen.Top);
        const QPoint e = szene->AnzeigePixel(o.Rahmen.Right, o.Rahmen.Bottom);
        p.setPen(QPen(QColor(0, 90, 255), 2, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(a, e).adjusted(-3, -3, 3, 3));
        if (o.Sline) {
            const QPoint anker = szene->AnzeigePixel(o.Sx, o.Sy);
            p.setBrush(QColor(0, 90, 255));
            p.drawEllipse(anker, 5, 5);
        }
    }
    if (werkzeug->ZiehtNeu()) {
        p.setPen(QPen(QColor(0, 90, 255), 2));
        p.drawLine(werkzeug->AnkerPixel(), werkzeug->LetzterPixel());
        p.setBrush(QColor(0, 90, 255));
        p.drawEllipse(werkzeug->AnkerPixel(), 4, 4);
    }
}

void BeschriftungsBild::resizeEvent(QResizeEvent *)
{
    Neuladen();
}

void BeschriftungsBild::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    setFocus();
    const int vorher = werkzeug->Ausgewaehlt;
    werkzeug->Druck(e->position().toPoint());
    if (werkzeug->Ausgewaehlt != vorher)
        emit AuswahlGeaendert(werkzeug->Ausgewaehlt);
    update();
}

void BeschriftungsBild::mouseMoveEvent(QMouseEvent *e)
{
    if (!(e->buttons() & Qt::LeftButton))
        return;
    werkzeug->Bewegung(e->position().toPoint());
    update();
}

void BeschriftungsBild::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    if (werkzeug->Los(e->position().toPoint()))
        emit TextGefragt();
    update();
}
