// The main window's stand-in quiz while none is connected.
#include "OhneQuiz.h"
#include "TForm1.h"

void OhneQuiz::UebungVerlassen()
{
    form.ZeigeStartseite();
}
