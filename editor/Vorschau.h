// Pictures of a document being edited, drawn by the scene as the learning view and the quiz draw them.
#pragma once
#include "Dokument.h"

#include <QImage>
#include <QSize>
#include <QStringList>

// The card of question k as the quiz shows it in its smallest window: the
// scene's drawing with the places of the counter and the answers laid over
// it, every part that collides outlined in red. konflikte gets the card
// check's lines for this question (empty when the card is tidy).
QImage FragenkarteVorschau(const Dokument &dok, int k, QStringList *konflikte = nullptr,
                           const QString &progOrdner = {});

// The learning view of the document in a control of the given size, every
// cover closed and numbered as the learning view numbers them.
QImage LernansichtVorschau(const Dokument &dok, QSize groesse, const QString &progOrdner = {});
