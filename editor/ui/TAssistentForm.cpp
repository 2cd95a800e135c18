// The assistant panel.
#include "TAssistentForm.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAssistentForm::TAssistentForm(QWidget *parent) : QWidget(parent, Qt::Tool)
{
    setObjectName("TAssistentForm");
    setWindowTitle(QStringLiteral("Assistent: ein eigenes Quiz"));
    auto *haupt = new QVBoxLayout(this);
    for (int i = 0; i < AssistentSchritte; ++i) {
        SchrittLabels[i] = new QLabel;
        haupt->addWidget(SchrittLabels[i]);
    }
    Hinweis = new QLabel;
    Hinweis->setObjectName("AssistentHinweis");
    Hinweis->setWordWrap(true);
    Hinweis->setMinimumHeight(70);
    Hinweis->setFrameShape(QFrame::StyledPanel);
    haupt->addWidget(Hinweis);
    WeiterBtn = new QPushButton;
    WeiterBtn->setObjectName("AssistentWeiterBtn");
    haupt->addWidget(WeiterBtn);
    connect(WeiterBtn, &QPushButton::clicked, this, [this] {
        if (const auto &befehl = Befehle[size_t(schritt)])
            befehl();
    });
    setFixedWidth(330);
}

void TAssistentForm::Aktualisieren(const Dokument &dok, bool dokumentDa)
{
    schritt = AktuellerSchritt(dok, dokumentDa);
    static const char *knoepfe[AssistentSchritte] = {"&Neues Dokument anlegen...", "&Inhalte bearbeiten...",
                                                     "&Speichern", "&Quiz starten"};
    for (int i = 0; i < AssistentSchritte; ++i) {
        const AssistentSchritt s = AssistentSchritt(i);
        const QString titel = SchrittTitel(s);
        if (i < int(schritt))
            SchrittLabels[i]->setText(QStringLiteral("✔ ") + titel);
        else if (s == schritt)
            SchrittLabels[i]->setText(QStringLiteral("<b>➜ %1</b>").arg(titel.toHtmlEscaped()));
        else
            SchrittLabels[i]->setText(QStringLiteral("   ") + titel);
    }
    Hinweis->setText(SchrittHinweis(schritt, dok.DokTyp));
    WeiterBtn->setText(QString::fromUtf8(knoepfe[int(schritt)]));
}
