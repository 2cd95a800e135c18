// "Dokument per E-Mail versenden": what to send with the topic document.
#include "TMailForm.h"

#include "RadioGruppe.h"
#include "Rahmen.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

QImage TMailForm::DokumentSymbol()
{
    QImage b(32, 32, QImage::Format_ARGB32_Premultiplied);
    b.fill(Qt::transparent);
    QPainter p(&b);
    p.setRenderHint(QPainter::Antialiasing);
    // A page with a folded corner and a small flag on it.
    QPolygonF seite({{6, 2}, {20, 2}, {26, 8}, {26, 30}, {6, 30}});
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(Qt::white);
    p.drawPolygon(seite);
    p.drawPolyline(QPolygonF({{20, 2}, {20, 8}, {26, 8}}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 85, 164));
    p.drawRect(QRectF(10, 12, 4, 9));
    p.setBrush(QColor(239, 65, 53));
    p.drawRect(QRectF(18, 12, 4, 9));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.drawLine(QPointF(10, 25), QPointF(22, 25));
    return b;
}

QImage TMailForm::SetupSymbol()
{
    QImage b(32, 32, QImage::Format_ARGB32_Premultiplied);
    b.fill(Qt::transparent);
    QPainter p(&b);
    p.setRenderHint(QPainter::Antialiasing);
    // A box with an arrow pointing into it.
    p.setPen(QPen(QColor(90, 60, 20), 1));
    p.setBrush(QColor(214, 170, 100));
    p.drawRect(QRectF(5, 14, 22, 15));
    p.setBrush(QColor(190, 145, 80));
    p.drawPolygon(QPolygonF({{5, 14}, {10, 9}, {22, 9}, {27, 14}}));
    p.setPen(QPen(QColor(40, 120, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 1), QPointF(16, 11));
    p.drawLine(QPointF(12, 7), QPointF(16, 11));
    p.drawLine(QPointF(20, 7), QPointF(16, 11));
    return b;
}

TMailForm::TMailForm(QWidget *parent) : QDialog(parent)
{
    setObjectName("MailForm");
    setWindowTitle("Dokument per E-Mail versenden");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(509, 254);
    FensterFarbeSetzen(this);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    setFont(f);

    MainBackImg = HintergrundBildAnlegen(this);

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    FlaecheFaerben(Panel1, TafelFarbe());
    Panel1->setGeometry(12, 12, 485, 182);

    MailGroup = new RadioGruppe("MailGroup", " Versandoptionen ",
                                {" nur &Dokument versenden ", " Dokument und TVL-&Basissystem zusammen versenden "},
                                Panel1);
    MailGroup->setGeometry(8, 6, 469, 168);
    MailGroup->setItemIndex(0);

    // The hint sits under the first item; the symbols at the right of
    // their items.
    Label1 = new QLabel("(der Empfänger benötigt das TVL-Basissystem oder das TVL-Autorensystem, um die Datei öffnen "
                        "zu können)",
                        MailGroup);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    QFont klein = f;
    klein.setPixelSize(11);
    Label1->setFont(klein);
    Label1->setContentsMargins(22, 0, 90, 10);
    if (auto *l = qobject_cast<QVBoxLayout *>(MailGroup->layout())) {
        l->setContentsMargins(10, 14, 10, 8);
        l->setSpacing(6);
        l->insertWidget(1, Label1);
    }

    auto symbol = [this](const char *name, const QImage &bild, int x, int y) {
        auto *l = new QLabel(MailGroup);
        l->setObjectName(QString::fromLatin1(name));
        l->setPixmap(QPixmap::fromImage(bild));
        l->setGeometry(x, y, 32, 32);
        return l;
    };
    Image1 = symbol("Image1", DokumentSymbol(), 400, 24);
    Image2 = symbol("Image2", DokumentSymbol(), 370, 104);
    Label2 = new QLabel(" + ", MailGroup);
    Label2->setObjectName("Label2");
    Label2->setGeometry(402, 110, 22, 20);
    Image3 = symbol("Image3", SetupSymbol(), 426, 104);

    CloseBtn = new QPushButton("OK", this);
    CloseBtn->setObjectName("CloseBtn");
    CloseBtn->setDefault(true);
    BitBtn21 = new QPushButton("Abbrechen", this);
    BitBtn21->setObjectName("BitBtn21");
    BitBtn21->setGeometry(497 - 100, 208, 100, 30);
    CloseBtn->setGeometry(497 - 208, 208, 100, 30);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn21, &QPushButton::clicked, this, &QDialog::reject);
}

void TMailForm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // The symbols stand at the right, level with their items.
    const int y0 = MailGroup->Knopf(0)->geometry().center().y() - 16;
    const int y1 = MailGroup->Knopf(1)->geometry().center().y() - 16;
    Image1->move(MailGroup->width() - 46, y0);
    Image3->move(MailGroup->width() - 46, y1);
    Label2->move(Image3->x() - 22, y1 + 6);
    Image2->move(Label2->x() - 32, y1);
    HintergrundZeigen(this, MainBackImg, FuelleHintergrund4);
    CloseBtn->setFocus();
}

bool TMailForm::MailDialogZeigen(int &option)
{
    if (exec() != QDialog::Accepted)
        return false;
    option = MailGroup->ItemIndex();
    return true;
}
