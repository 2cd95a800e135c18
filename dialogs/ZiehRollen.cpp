// Scrolling a picture by dragging it: the position follows the pointer, also after a clamp.
#include "ZiehRollen.h"

void ZiehRollen::Druecken(int zeigerY, int position)
{
    aktiv = true;
    startY = zeigerY;
    startPos = position;
}

int ZiehRollen::Wunsch(int zeigerY) const
{
    return startPos + (startY - zeigerY);
}

void ZiehRollen::Geklemmt(int gewuenscht, int erhalten)
{
    startPos += erhalten - gewuenscht;
}
