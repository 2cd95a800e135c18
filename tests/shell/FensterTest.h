// The main window over a program folder in a temporary folder, as the window tests build it.
#pragma once
#include "AnsichtAusgabeAnschluss.h"
#include "LernAnsichtTeile.h"
#include "LernKartBild.h"
#include "Ordner.h"
#include "Szene.h"
#include "TForm1.h"
#include "TestDienste.h"

#include <QDir>
#include <QImage>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

class FensterTest : public ::testing::Test
{
protected:
    QTemporaryDir tmp;
    QString prog = tmp.path() + "/prog/";
    TestUmgebung u;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<Szene> szene;

    // The program folder prog/ with its data folder; the process-wide
    // folders are derived from it, with start and current folder there too
    // when dortStarten is set.
    void ProgrammOrdnerAnlegen(bool dortStarten)
    {
        QDir().mkpath(prog + "data");
        Ordner().Ableiten(prog);
        if (dortStarten) {
            Ordner().StartOrdner = prog;
            Ordner().AktOrdner = prog;
        }
    }
    // A small blue start picture, so that start-up reports nothing.
    bool StartbildAnlegen() const
    {
        QImage start(40, 30, QImage::Format_RGB32);
        start.fill(Qt::blue);
        return start.save(prog + "data/pennor.png");
    }
    // The main window with a settings file of its own, and the scene over
    // its document.
    void FensterBauen()
    {
        form = std::make_unique<TForm1>(u.dienste, new QSettings(tmp.path() + "/p.conf", QSettings::IniFormat),
                                        QStringList());
        szene = std::make_unique<Szene>(form->Zustand, form->dienste);
    }
    // The learning view's picture widget, set into the window.
    LernKartBild *LernbildEinsetzen()
    {
        auto *bild = new LernKartBild(*szene);
        form->LernbildSetzen(bild);
        return bild;
    }
    // The learning view with all its commands, joined as the program joins
    // it, and the picture file dialog replaced by the returned chooser.
    struct Wahl : IBildDateiWahl
    {
        QString pfad; // chosen; empty: the dialog is cancelled
        int aufrufe = 0;
        QString geoeffnetIn; // the folder the dialog was asked to open in
        bool Waehlen(QString &p, const QString &ordner) override
        {
            ++aufrufe;
            geoeffnetIn = ordner;
            p = pfad;
            return !pfad.isEmpty();
        }
    };
    LernAnsichtTeile LernAnsichtEinsetzen(Wahl **wahl = nullptr)
    {
        LernAnsichtTeile t = LernAnsichtAnschliessen(*form, *szene);
        auto w = std::make_unique<Wahl>();
        if (wahl)
            *wahl = w.get();
        t.ausgabe->DateiWahl = std::move(w);
        return t;
    }
    // The window goes first: the parts connected to it refer to the scene.
    void TearDown() override
    {
        form.reset();
        szene.reset();
    }
};
