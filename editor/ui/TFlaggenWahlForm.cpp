// The flag picker.
#include "TFlaggenWahlForm.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TFlaggenWahlForm::TFlaggenWahlForm(const QList<FlaggenEintrag> &f, const QString &progOrdner, QWidget *parent)
    : QDialog(parent), flaggen(f)
{
    setObjectName("TFlaggenWahlForm");
    setWindowTitle(QStringLiteral("Flagge einfügen"));
    auto *haupt = new QVBoxLayout(this);
    auto *suchLabel = new QLabel(QStringLiteral("&Suchen:"));
    SuchEdit = new QLineEdit;
    SuchEdit->setObjectName("SuchEdit");
    SuchEdit->setPlaceholderText(QStringLiteral("Name des Landes"));
    suchLabel->setBuddy(SuchEdit);
    haupt->addWidget(suchLabel);
    haupt->addWidget(SuchEdit);
    Liste = new QListWidget;
    Liste->setObjectName("FlaggenListe");
    Liste->setViewMode(QListView::IconMode);
    Liste->setIconSize(QSize(72, 48));
    Liste->setGridSize(QSize(132, 84));
    Liste->setResizeMode(QListView::Adjust);
    Liste->setMovement(QListView::Static);
    Liste->setWordWrap(true);
    const QDir ordner(QDir(progOrdner).filePath("Flaggen"));
    for (int i = 0; i < flaggen.size(); ++i) {
        auto *e = new QListWidgetItem(QIcon(ordner.filePath(flaggen[i].datei)), flaggen[i].name, Liste);
        e->setData(Qt::UserRole, i);
        e->setToolTip(flaggen[i].datei);
    }
    if (Liste->count() > 0)
        Liste->setCurrentRow(0);
    haupt->addWidget(Liste, 1);
    auto *knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Einfügen"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, [this] {
        if (Liste->currentItem() && !Liste->currentItem()->isHidden())
            accept();
    });
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Liste, &QListWidget::itemActivated, this, [this] { accept(); });
    connect(SuchEdit, &QLineEdit::textChanged, this, &TFlaggenWahlForm::Filtern);
    haupt->addWidget(knoepfe);
    resize(720, 520);
}

void TFlaggenWahlForm::Filtern(const QString &text)
{
    QListWidgetItem *erstes = nullptr;
    for (int i = 0; i < Liste->count(); ++i) {
        QListWidgetItem *e = Liste->item(i);
        const FlaggenEintrag &f = flaggen[e->data(Qt::UserRole).toInt()];
        const bool passt = text.isEmpty() || f.name.contains(text, Qt::CaseInsensitive)
                           || f.datei.startsWith(text, Qt::CaseInsensitive);
        e->setHidden(!passt);
        if (passt && !erstes)
            erstes = e;
    }
    if (erstes && (!Liste->currentItem() || Liste->currentItem()->isHidden()))
        Liste->setCurrentItem(erstes);
}

FlaggenEintrag TFlaggenWahlForm::Gewaehlt() const
{
    const QListWidgetItem *e = Liste->currentItem();
    return e ? flaggen.value(e->data(Qt::UserRole).toInt()) : FlaggenEintrag{};
}
