// Scrolling a picture by dragging it: the position follows the pointer, also after a clamp.
#pragma once

// Pressing remembers the pointer's y and the scroll position; every move
// asks for the remembered position plus the pointer's upward movement.
// When the scroll bar clamps that position, the remembered values take the
// clamped amount, so the picture follows the pointer again at once when it
// turns back instead of after a dead stretch.
class ZiehRollen
{
public:
    void Druecken(int zeigerY, int position);
    // The position to ask the scroll bar for.
    int Wunsch(int zeigerY) const;
    // Tells what the scroll bar made of the wish.
    void Geklemmt(int gewuenscht, int erhalten);
    bool Aktiv() const { return aktiv; }
    void Loslassen() { aktiv = false; }

private:
    bool aktiv = false;
    int startY = 0;
    int startPos = 0;
};
