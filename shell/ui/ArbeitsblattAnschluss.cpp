// The worksheet window's connection to the main window.
#include "ArbeitsblattAnschluss.h"

#include "ArbeitsblattDialoge.h"
#include "LernLeiste.h"
#include "Szene.h"
#include "TArbblattDruckForm.h"
#include "TArbeitsblattForm.h"
#include "TForm1.h"
#include "THoverPanel.h"

#include <QAction>
#include <QCheckBox>

ArbeitsblattAnschluss::ArbeitsblattAnschluss(TForm1 &f, Szene &s)
    : QObject(&f), form(f), szene(s), dialoge(std::make_unique<QtArbeitsblattDialoge>())
{
    if (form.Menue.Arbeitsblatterstellen1) {
        connect(form.Menue.Arbeitsblatterstellen1, &QAction::triggered, this,
                &ArbeitsblattAnschluss::ArbeitsblattZeigen);
        // Shown in the file menu with the extended functions.
        form.ErweitertAnzeigen(form.Menue.Arbeitsblatterstellen1);
    }
    // The learning view's tool bar (shown with the extended functions).
    if (form.Werkzeugleiste) {
        ABBtn = form.Werkzeugleiste->KnopfHinzufuegen("ABBtn", "Arbeitsblatt", "Arbeitsblatt erstellen");
        form.Werkzeugleiste->Abstand();
        connect(ABBtn, &THoverPanel::clicked, this, &ArbeitsblattAnschluss::ArbeitsblattZeigen);
    }
}

ArbeitsblattAnschluss::~ArbeitsblattAnschluss() = default;

TArbblattDruckForm &ArbeitsblattAnschluss::ArbblattDruckForm()
{
    if (!arbblattDruckForm)
        arbblattDruckForm = new TArbblattDruckForm(*form.dienste.meldungen, *dialoge, &form);
    return *arbblattDruckForm;
}

TArbeitsblattForm &ArbeitsblattAnschluss::ArbeitsblattForm()
{
    if (!arbeitsblattForm)
        arbeitsblattForm = new TArbeitsblattForm(*form.dienste.meldungen, *dialoge, ArbblattDruckForm(), &form);
    return *arbeitsblattForm;
}

void ArbeitsblattAnschluss::ArbeitsblattZeigen()
{
    // Picture labelling draws the view's objects onto its background; the
    // scene is composed for the current document first if it never was.
    if (szene.HintergrundBild.isNull() && !szene.Zustand.Dok.BasisBild.isNull())
        szene.SzeneAufbauen();
    TArbeitsblattForm &f = ArbeitsblattForm();
    f.WortlisteCheck->setChecked(form.ArbeitsblattWortlisteBlatt);
    f.Zeigen(szene);
    form.ArbeitsblattWortlisteBlatt = f.WortlisteCheck->isChecked();
}
