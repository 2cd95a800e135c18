// The assistant: a small panel that leads through a first document step by step.
#pragma once
#include "AssistentSchritte.h"

#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QPushButton;

// Shows the four steps (kind and picture, contents, save, try it), marks
// the ones done and offers the command of the current one. The window
// stays beside the main window and is updated by its owner.
class TAssistentForm : public QWidget
{
    Q_OBJECT
public:
    explicit TAssistentForm(QWidget *parent = nullptr);

    // The commands of the steps, in step order.
    std::array<std::function<void()>, AssistentSchritte> Befehle;

    void Aktualisieren(const Dokument &dok, bool dokumentDa);
    AssistentSchritt Schritt() const { return schritt; }

    std::array<QLabel *, AssistentSchritte> SchrittLabels{};
    QLabel *Hinweis = nullptr;
    QPushButton *WeiterBtn = nullptr;

private:
    AssistentSchritt schritt = AssistentSchritt::Anlegen;
};
