// Document operations: emptying, cover numbers, document type menu, navigation.
#pragma once
#include "Dokument.h"

class IDokumentUmgebung;
class IZufall;

// Empties the document's header: the file name moves to VorigesDokument,
// header fields to their empty values, menu entry DokTyp0 checked, the
// modified flag cleared, ThemenIndex -1, AktFrage 0. The object list and the
// base picture are left alone.
void LeereDokument(DokumentZustand &z, IDokumentUmgebung &umgebung);

// Empties header, objects and picture, as closing the document needs.
void DokumentLeeren(DokumentZustand &z, IDokumentUmgebung &umgebung);

// The menu entry (0, 1 or 2) that matches a DokTyp value.
int DokTypMenuEintrag(DokArt dokTyp);

// The text on a cover: "?" for numbers up to 0; with NumArt 1 letters A..Z
// followed by one apostrophe per completed round of 26; else decimal.
QString NummerText(int nummer, int numArt);
QString NummerText(const Dokument &dok, const DokObjekt &objekt);

// The question a navigation object (Typ 12 to 16) leads to from aktFrage;
// aktFrage unchanged for other kinds and when there are no questions. The
// random kind draws uniformly among the other questions (question 1 when
// there is only one), so the draw always ends.
int NavigationsZiel(int typ, int aktFrage, int anzFrageNummern, IZufall &zufall);
