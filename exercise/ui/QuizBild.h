// QuizBild: the quiz panel's picture, and its targets as screen readers see them.
#pragma once
#include <QAccessible>
#include <QLabel>
#include <QPointer>

#include <functional>
#include <map>

// What the picture needs to list its targets: how many, and each one's
// name, box (in the picture's pixels), whether it takes an answer now, and
// what choosing it does.
struct ZielQuelle
{
    std::function<QList<int>()> Ziele;       // object indexes in reading order
    std::function<QString(int objekt)> Name; // "Ziel 4, frei"
    std::function<QRect(int objekt)> Kasten; // in the picture's coordinates
    std::function<bool(int objekt)> Offen;   // takes an answer now
    std::function<void(int objekt)> Waehlen; // drops the picked-up text there
};

// The quiz panel's background picture (question card, picture, instruction).
// To screen readers it is a graphic named by the question whose children
// are the targets of picture and cloze quizzes.
class QuizBild : public QLabel
{
    Q_OBJECT
public:
    explicit QuizBild(QWidget *parent = nullptr);
    ~QuizBild() override;

    void QuelleSetzen(ZielQuelle q) { quelle = std::move(q); }
    const ZielQuelle &Quelle() const { return quelle; }
    // The interface of target objekt, made on first use and kept until the
    // picture goes.
    QAccessibleInterface *ZielZugang(int objekt);

private:
    ZielQuelle quelle;
    std::map<int, QAccessible::Id> zugaenge;
};
