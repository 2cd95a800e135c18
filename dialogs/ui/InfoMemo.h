// The read-only text box Memo1 of the info windows.
#pragma once
class QPlainTextEdit;
class QWidget;

// Read-only, without a frame, the vertical scroll bar always shown and no
// horizontal one, lines wrapped at the box's width, Arial at 12 pixels.
QPlainTextEdit *InfoMemo(QWidget *eltern);
