// Making the read-only text box of the info windows.
#include "InfoMemo.h"

#include <QFont>
#include <QPlainTextEdit>

QPlainTextEdit *InfoMemo(QWidget *eltern)
{
    auto *memo = new QPlainTextEdit(eltern);
    memo->setObjectName("Memo1");
    memo->setReadOnly(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    memo->setFont(f);
    return memo;
}
