// The regions of the main window: the top bar, the learning area with the
// start page, the hidden toolbar and the quiz statistics.
#include "Farben.h"
#include "KlickZone.h"
#include "LernLeiste.h"
#include "Ordner.h"
#include "Rahmen.h"
#include "StartBild.h"
#include "TForm1.h"
#include "THoverPanel.h"
#include "TShadowLabel.h"

#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>

namespace {
const int InfoPanHoehe = 57;
const int UebInfoPanBreite = 176;

TShadowLabel *Label(QWidget *eltern, const QString &name, const QString &text, int pixel, bool fett, QColor farbe)
{
    auto *l = new TShadowLabel(eltern);
    l->setObjectName(name);
    l->setCaption(text);
    QFont f("Arial");
    f.setPixelSize(pixel);
    f.setBold(fett);
    l->setFont(f);
    l->setTransparent(true);
    l->setShadowColor(QColor(255, 255, 255));
    l->setFontColor(farbe);
    return l;
}

// The top bar's picture: the window colour, lighter towards the top.
QImage StatusHintergrund(const QSize &groesse)
{
    QImage bild(groesse.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    QPainter p(&bild);
    QLinearGradient g(0, 0, 0, bild.height());
    g.setColorAt(0, FensterFarbe().lighter(106));
    g.setColorAt(1, FensterFarbe());
    p.fillRect(bild.rect(), g);
    p.setPen(FensterFarbe().darker(112));
    p.drawLine(0, bild.height() - 1, bild.width(), bild.height() - 1);
    return bild;
}
}

// The common button style of the top bar, the toolbar and "?".
void TForm1::KnopfStil(THoverPanel *p)
{
    p->setHoverActive(true);
    p->setBevelRaised(false);
    p->setBorderColor(VclFarbe(10134178));
    p->setBorderWidth(1);
    p->setNormColor(VclFarbe(15265004));
    p->setCheckColor(VclFarbe(16777215));
    p->setHoverColor(VclFarbe(16318206));
    p->setNormFontColor(VclFarbe(5132625));
    p->setCheckFontColor(Qt::black);
    p->setCheckFontBold(false);
    p->setXPCheck(true);
    p->setCursor(Qt::PointingHandCursor);
    // Reached with Tab (not by a click, which would take the keys from the
    // quiz) and shows the focus ring.
    p->setTabStop(true);
    p->setFocusPolicy(Qt::TabFocus);
}

void TForm1::BaueRegionen()
{
    LernPan = new QWidget(this);
    LernPan->setObjectName("LernPan");
    setCentralWidget(LernPan);
    BaueInfoPan();
    BaueLernKartPan();
    BaueUebInfoPan();

    LernInfoPan = new QWidget(LernPan);
    LernInfoPan->setObjectName("LernInfoPan");
    LernInfoPan->hide(); // the learning-view toolbar is hidden in this edition
    Werkzeugleiste = new LernLeiste(*this);
    EbenenPan = new THoverPanel(LernInfoPan);
    EbenenPan->setObjectName("EbenenPan");
    EbenenPan->setHoverActive(false);
    for (QWidget *w : LernInfoPan->findChildren<THoverPanel *>(Qt::FindDirectChildrenOnly))
        if (w != EbenenPan)
            KnopfStil(static_cast<THoverPanel *>(w));
}

void TForm1::BaueInfoPan()
{
    InfoPan = new QWidget(LernPan);
    InfoPan->setObjectName("InfoPan");
    StatBackImg2 = new QLabel(InfoPan);
    StatBackImg2->setObjectName("StatBackImg2");

    auto knopf = [this](const QString &name, const QString &text, const QString &tipp) {
        auto *k = new THoverPanel(InfoPan);
        k->setObjectName(name);
        k->setCaption(text);
        k->setToolTip(tipp);
        KnopfStil(k);
        return k;
    };
    UebungenBtn = knopf("UebungenBtn", "Quiz starten", "Quiz zum gewählten Thema starten");
    LernKartBtn = knopf("LernKartBtn", "Startseite", "zur Startseite");
    BestenlisteBtn = knopf("BestenlisteBtn", "Bestenliste", "Bestenliste des Themas anzeigen");
    for (THoverPanel *k : {UebungenBtn, LernKartBtn, BestenlisteBtn}) {
        QFont f("Arial");
        f.setPixelSize(13);
        f.setBold(true);
        k->setFont(f);
        k->setNormFontColor(QColor(73, 104, 143));
        k->setCheckFontColor(QColor(73, 104, 143));
        k->setWordWrap(true);
        k->setFontAutoSize(true);
        k->setPadding({3, 2, 3, 2});
    }
    PrevDokPan = knopf("PrevDokPan", QString::fromUtf8("\u25C0"), "vorheriges Quiz öffnen");
    HoverPanel1 = knopf("HoverPanel1", QString::fromUtf8("\u25B6"), "nächstes Quiz öffnen");

    TitelPan = new QWidget(InfoPan);
    TitelPan->setObjectName("TitelPan");
    TitelBackImg = new QLabel(TitelPan);
    TitelBackImg->setObjectName("TitelBackImg");
    DokTitelLab = Label(TitelPan, "DokTitelLab", QString(), 15, true, QColor(73, 104, 143));
    DokTitelLab->setLayout(TTextLayout::Center);
    DokTitelLab->setAlignment(Qt::AlignHCenter);

    ErfolgLab = Label(InfoPan, "ErfolgLab", "Erfolg:", 12, true, VclFarbe(5132625));
    ErfolgLab->hide(); // shown with the results

    UebStatusPan = new QWidget(InfoPan);
    UebStatusPan->setObjectName("UebStatusPan");
    UebStatusPan->hide(); // shown during a quiz

    connect(UebungenBtn, &THoverPanel::clicked, this, &TForm1::UebungStart1Click);
    connect(LernKartBtn, &THoverPanel::clicked, this, &TForm1::Lernkarte1Click);
    // The menu is built after the regions, so the item is looked at on the click.
    connect(BestenlisteBtn, &THoverPanel::clicked, this, [this] { Menue.Bestenliste1->trigger(); });
    connect(PrevDokPan, &THoverPanel::clicked, this, [this] { navigation->VorigesThema(); });
    connect(HoverPanel1, &THoverPanel::clicked, this, [this] { navigation->NaechstesThema(); });
}

void TForm1::BaueLernKartPan()
{
    LernKartPan = new QWidget(LernPan);
    LernKartPan->setObjectName("LernKartPan");
    MainBackImg2 = new QLabel(LernKartPan);
    MainBackImg2->setObjectName("MainBackImg2");

    // Placeholder of the learning picture until the view provides its widget
    // (LernbildSetzen).
    LernKartPicImg = new QWidget(LernKartPan);
    LernKartPicImg->setObjectName("LernKartPicImg");

    StartInfoPan = new THoverPanel(LernKartPan);
    StartInfoPan->setObjectName("StartInfoPan");
    StartInfoPan->setHoverActive(false);
    StartInfoPan->setBevelRaised(false);
    StartInfoPan->setBorderWidth(1);
    StartInfoPan->setBorderColor(VclFarbe(10134178));
    StartInfoPan->setCaption(QString());
    QuizStartImg = new QLabel(StartInfoPan);
    QuizStartImg->setObjectName("QuizStartImg");
    QuizStartImg->setAlignment(Qt::AlignCenter);
    StartImgKlickZone = new KlickZone(StartInfoPan);
    StartImgKlickZone->setObjectName("StartImgKlickZone");
    StartImgKlickZone->setCursor(Qt::PointingHandCursor);
    StartImgKlickZone->setAccessibleName("Startbild: Pennoria im Internet");
    connect(StartImgKlickZone, &KlickZone::clicked, this, &TForm1::Homepage1Click);

    FlaInfoPan = new QWidget(StartInfoPan);
    FlaInfoPan->setObjectName("FlaInfoPan");
    InternetHinweisLab = Label(FlaInfoPan, "InternetHinweisLab", "Auch online im Internet mit monatlicher Bestenliste!",
                               14, true, TextFarbe::Hinweis());
    InternetHinweisLab->setAlignment(Qt::AlignHCenter);
    InternetUrlLab = Label(FlaInfoPan, "InternetUrlLab", "pennoria.example.org", 13, false, TextFarbe::Verweis());
    InternetUrlLab->setAlignment(Qt::AlignHCenter);
    InternetUrlLab->setShadow(0);
    InternetUrlLab->setCursor(Qt::PointingHandCursor);
    {
        QFont f = InternetUrlLab->font();
        f.setUnderline(true);
        InternetUrlLab->setFont(f);
    }
    connect(InternetUrlLab, &TShadowLabel::clicked, this, &TForm1::Homepage1Click);

    UebungPan = new QWidget(LernKartPan);
    UebungPan->setObjectName("UebungPan");
    UebungPan->hide();
    KlappPan = new THoverPanel(LernKartPan);
    KlappPan->setObjectName("KlappPan");
    KlappPan->hide();
}

void TForm1::BaueUebInfoPan()
{
    UebInfoPan = new QWidget(LernPan);
    UebInfoPan->setObjectName("UebInfoPan");
    UebInfoPan->setAutoFillBackground(true);
    StatBackImg3 = new QLabel(UebInfoPan);
    StatBackImg3->setObjectName("StatBackImg3");
    const struct
    {
        const char *name;
        const char *text;
    } zeilen[] = {
        {"NameLab", "Name:"},
        {"RichtigLab", "Richtig:"},
        {"FalschLab", "Fehlversuche:"},
        {"QuoteLab", "Erfolgsquote:"},
        {"GesamtLab", "Gesamtleistung:"},
        {"ZeitLab", "Zeit:"},
        {"OffenLab", "Offene Fragen:"},
        {"StatusLab", ""},
    };
    int y = 14;
    for (const auto &z : zeilen) {
        auto *l = Label(UebInfoPan, z.name, z.text, 12, true, VclFarbe(5132625));
        l->setGeometry(14, y, UebInfoPanBreite - 28, 20);
        StatistikLabels.insert(z.name, l);
        y += 26;
    }
    KennzInfoPan = new THoverPanel(UebInfoPan);
    KennzInfoPan->setObjectName("KennzInfoPan");
    KennzInfoPan->setCaption("?");
    KennzInfoPan->setToolTip("Information zu den Kennzahlen");
    KnopfStil(KennzInfoPan);
    KennzInfoPan->setSichtbareGeometrie(QRect(UebInfoPanBreite - 36, y + 4, 22, 22));
    auto *hinweis = Label(UebInfoPan, "HinweisLab",
                          QString::fromUtf8("Hinweis: Falsch beantwortete Fragen werden später wiederholt."), 11, false,
                          VclFarbe(5132625));
    hinweis->setWordWrap(true);
    hinweis->setGeometry(14, y + 40, UebInfoPanBreite - 28, 48);
    WiederholungsHinweisLab = hinweis;
    UebInfoPan->hide();
}

void TForm1::RegionenAnordnen()
{
    if (!LernPan)
        return;
    const int W = LernPan->width(), H = LernPan->height();

    InfoPan->setGeometry(0, 0, W, InfoPanHoehe);
    StatBackImg2->setGeometry(InfoPan->rect());
    if (StatBackImg2->pixmap().size() != InfoPan->size())
        StatBackImg2->setPixmap(QPixmap::fromImage(StatusHintergrund(InfoPan->size())));
    UebungenBtn->setGeometry(8, 7, 86, 43);
    LernKartBtn->setGeometry(98, 7, 86, 43);
    BestenlisteBtn->setGeometry(188, 7, 86, 43);
    const int statusBreite = UebStatusPan->isVisible() ? 160 : 0;
    if (statusBreite)
        UebStatusPan->setGeometry(W - statusBreite - 6, 7, statusBreite, 43);
    const int titelRechts = W - 8 - statusBreite - (statusBreite ? 6 : 0);
    PrevDokPan->setSichtbareGeometrie(QRect(titelRechts - 58, 17, 26, 24));
    HoverPanel1->setSichtbareGeometrie(QRect(titelRechts - 28, 17, 26, 24));
    TitelPan->setGeometry(282, 4, qMax(40, titelRechts - 66 - 282), 49);
    TitelBackImg->setGeometry(TitelPan->rect());
    DokTitelLab->setGeometry(TitelPan->rect().adjusted(12, 4, -12, -4));

    const bool imQuiz = Zustand.AnsichtModus == AnsichtArt::Quiz;
    UebInfoPan->setGeometry(W - UebInfoPanBreite, InfoPanHoehe, UebInfoPanBreite, H - InfoPanHoehe);
    // The statistics panel shows the top bar's picture, stretched.
    StatBackImg3->setGeometry(UebInfoPan->rect());
    StatBackImg3->setScaledContents(true);
    StatBackImg3->setPixmap(StatBackImg2->pixmap());
    LernInfoPan->setGeometry(W - LernLeiste::PanBreite, InfoPanHoehe, LernLeiste::PanBreite, H - InfoPanHoehe);
    const int leiste = LernInfoPan->isHidden() ? 0 : LernInfoPan->width();
    LernKartPan->setGeometry(0, InfoPanHoehe, W - (imQuiz ? UebInfoPanBreite : leiste), H - InfoPanHoehe);
    MainBackImg2->setGeometry(LernKartPan->rect());
    LernKartPicImg->setGeometry(9, 8, LernKartPan->width() - 17, LernKartPan->height() - 16);
    StartInfoPanAnordnen();
}

// The start panel lies 50 pixels inside the learning picture on every side.
void TForm1::StartInfoPanAnordnen()
{
    const QRect bild = LernKartPicImg->geometry();
    StartInfoPan->setGeometry(bild.adjusted(50, 50, -50, -50));
    const QRect r = StartInfoPan->rect().adjusted(1, 1, -1, -1);
    const int fuss = 56;
    FlaInfoPan->setGeometry(r.left(), r.bottom() - fuss, r.width(), fuss);
    InternetHinweisLab->setGeometry(0, 6, FlaInfoPan->width(), 22);
    InternetUrlLab->setGeometry(FlaInfoPan->width() / 2 - 110, 30, 220, 20);
    QuizStartImgAnordnen();
}

// The start image keeps its proportions and is never enlarged.
void TForm1::QuizStartImgAnordnen()
{
    const QRect r = StartInfoPan->rect().adjusted(12, 12, -12, -12 - FlaInfoPan->height());
    if (startBild.isNull() || r.width() <= 0 || r.height() <= 0) {
        QuizStartImg->setGeometry(r);
        StartImgKlickZone->setGeometry(QRect());
        return;
    }
    const QSize groesse = startBild.size().boundedTo(r.size()).isValid()
                              ? startBild.size().scaled(r.size().boundedTo(startBild.size()), Qt::KeepAspectRatio)
                              : QSize();
    const QRect platz(r.left() + (r.width() - groesse.width()) / 2, r.top() + (r.height() - groesse.height()) / 2,
                      groesse.width(), groesse.height());
    QuizStartImg->setGeometry(platz);
    // On a scaled screen the picture is made with the screen's pixels, from
    // the picture with twice the pixels where there is one.
    const qreal dpr = QuizStartImg->devicePixelRatioF();
    const QPixmap &jetzt = QuizStartImg->pixmap();
    if (jetzt.deviceIndependentSize().toSize() != groesse || !qFuzzyCompare(jetzt.devicePixelRatio(), dpr)) {
        if (dpr > 1 && !startBild2xGelesen) {
            startBild2xGelesen = true;
            startBild2x = LadeStartBild2x(Ordner().ProgOrdner, startBild.size(), *dienste.meldungen);
        }
        const QImage &quelle = dpr > 1 && !startBild2x.isNull() ? startBild2x : startBild;
        QImage bild = quelle.scaled(groesse * dpr, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        bild.setDevicePixelRatio(dpr);
        QuizStartImg->setPixmap(QPixmap::fromImage(bild));
    }
    // The link is the zone in the middle of the image, not all of it.
    QRect zone(0, 0, 450, 160);
    zone.moveCenter(platz.center());
    StartImgKlickZone->setGeometry(zone);
    StartImgKlickZone->raise();
}
