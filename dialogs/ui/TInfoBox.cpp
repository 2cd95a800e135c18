// "Info": the about box with title, version, notice and terms of use.
#include "TInfoBox.h"

#include "Farben.h"
#include "InfoBoxTexte.h"
#include "InfoMemo.h"
#include "Rahmen.h"
#include "TShadowLabel.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
TShadowLabel *Beschriftung(QWidget *eltern, const char *name, int pixel, bool fett)
{
    auto *l = new TShadowLabel(eltern);
    l->setObjectName(QString::fromLatin1(name));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixel);
    f.setBold(fett);
    l->setFont(f);
    l->setTransparent(true);
    l->setShadowColor(Qt::white);
    l->setFontColor(VclFarbe(5132625));
    return l;
}

void Flagge(QPainter &p, QPointF fuss, const QColor (&streifen)[3], bool senkrecht)
{
    const QRectF tuch(fuss.x(), fuss.y() - 60, 30, 20);
    p.setPen(QPen(QColor(90, 90, 90), 2));
    p.drawLine(fuss, QPointF(fuss.x(), fuss.y() - 62));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(streifen[i]);
        if (senkrecht)
            p.drawRect(QRectF(tuch.x() + i * 10, tuch.y(), 10, tuch.height()));
        else
            p.drawRect(QRectF(tuch.x(), tuch.y() + i * tuch.height() / 3, tuch.width(), tuch.height() / 3));
    }
    p.setPen(QPen(QColor(120, 120, 120), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(tuch);
}
} // namespace

QImage TInfoBox::EiBild(const QSize &groesse)
{
    QImage b(groesse, QImage::Format_ARGB32_Premultiplied);
    b.fill(Qt::transparent);
    QPainter p(&b);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = groesse.width(), h = groesse.height();
    const qreal r = qMin(w, h) * 0.34;
    const QPointF mitte(w / 2, h - r - 8);

    // The globe: sea, two continents, meridians and the equator.
    QRadialGradient meer(mitte - QPointF(r / 3, r / 3), r * 1.4);
    meer.setColorAt(0, QColor(150, 200, 240));
    meer.setColorAt(1, QColor(40, 100, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(meer);
    p.drawEllipse(mitte, r, r);
    p.save();
    QPainterPath kugel;
    kugel.addEllipse(mitte, r, r);
    p.setClipPath(kugel);
    p.setBrush(QColor(110, 170, 90));
    p.drawEllipse(QRectF(mitte.x() - r * 0.7, mitte.y() - r * 0.6, r * 0.8, r * 0.9));
    p.drawEllipse(QRectF(mitte.x() + r * 0.2, mitte.y() - r * 0.1, r * 0.6, r * 0.8));
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.setBrush(Qt::NoBrush);
    for (qreal f : {0.35, 0.7})
        p.drawEllipse(mitte, r * f, r);
    p.drawLine(QPointF(mitte.x(), mitte.y() - r), QPointF(mitte.x(), mitte.y() + r));
    p.drawLine(QPointF(mitte.x() - r, mitte.y()), QPointF(mitte.x() + r, mitte.y()));
    p.restore();
    p.setPen(QPen(QColor(30, 60, 110), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(mitte, r, r);

    // Three flags planted on top of the globe.
    const QColor a[3] = {QColor(0, 85, 164), Qt::white, QColor(239, 65, 53)};
    const QColor b2[3] = {Qt::black, QColor(221, 0, 0), QColor(255, 206, 0)};
    const QColor c[3] = {QColor(0, 146, 70), Qt::white, QColor(206, 43, 55)};
    Flagge(p, QPointF(mitte.x() - r * 0.55, mitte.y() - r * 0.8), a, true);
    Flagge(p, QPointF(mitte.x() - 2, mitte.y() - r), b2, false);
    Flagge(p, QPointF(mitte.x() + r * 0.5, mitte.y() - r * 0.85), c, true);
    return b;
}

TInfoBox::TInfoBox(QWidget *parent) : QDialog(parent)
{
    setObjectName("InfoBox");
    setWindowTitle("Info");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowStaysOnTopHint);
    setFixedSize(578, 379);
    QPalette fp = palette();
    fp.setColor(QPalette::Window, TafelFarbe());
    setPalette(fp);

    MainBackImg = HintergrundBildAnlegen(this);

    AVTextImg1 = new QLabel(this);
    AVTextImg1->setObjectName("AVTextImg1");
    AVTextImg1->setGeometry(20, 18, 32, 32);
    AVTextImg1->setPixmap(ProgrammSymbol().pixmap(32, 32));

    TitelLabel = Beschriftung(this, "TitelLabel", 15, true);
    TitelLabel->setGeometry(64, 14, 480, 22);
    VersLab = Beschriftung(this, "VersLab", 12, false);
    VersLab->setGeometry(64, 36, 480, 18);

    Shape1 = new QFrame(this);
    Shape1->setObjectName("Shape1");
    Shape1->setGeometry(20, 60, 538, 2);
    FlaecheFaerben(Shape1, Qt::black);

    EiImg = new QLabel(this);
    EiImg->setObjectName("EiImg");
    EiImg->setGeometry(20, 76, 150, 240);
    EiImg->setPixmap(QPixmap::fromImage(EiBild(EiImg->size())));

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    FlaecheFaerben(Panel1, FensterFarbe());
    Panel1->setGeometry(182, 76, 376, 240);

    Memo1 = InfoMemo(Panel1);
    QPalette mp = Memo1->palette();
    mp.setColor(QPalette::Text, VclFarbe(5132625));
    Memo1->setPalette(mp);
    Memo1->setGeometry(6, 6, 364, 228);
    QString hinweis = InfoBoxTexte::HinweisMitPlatzhalter();
    hinweis.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Memo1->setPlainText(InfoBoxTexte::TitelEinsetzen(hinweis, QString::fromLatin1(InfoBoxTexte::ProgrammTitel)));

    OKBtn = new QPushButton("OK", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    OKBtn->setGeometry(558 - 100, 332, 100, 30);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TInfoBox::showEvent(QShowEvent *e)
{
    TitelLabel->setCaption(QString::fromLatin1(InfoBoxTexte::ProgrammTitel));
    VersLab->setCaption(QString::fromLatin1(InfoBoxTexte::Version));
    QDialog::showEvent(e);
    HintergrundZeigen(this, MainBackImg, FuelleHintergrund4);
    Memo1->moveCursor(QTextCursor::Start);
    OKBtn->setFocus();
}
