// An icon engine whose one picture is still being decoded on a worker thread.
#pragma once
#include <QIcon>
#include <QIconEngine>
#include <QImage>

#include <future>

// Answers every question as an icon made at once from the picture would
// (QIcon(QPixmap::fromImage(bild))), waiting for the picture on the first
// question only; an empty picture (a missing or damaged file) gives a null
// icon, as such an icon is. For the GUI thread, like every icon.
class VorabSymbol : public QIconEngine
{
public:
    explicit VorabSymbol(std::shared_future<QImage> bild);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;
    QString key() const override;
    QIconEngine *clone() const override;

private:
    const QIcon &Symbol();

    std::shared_future<QImage> bild;
    QIcon symbol;
    bool gemacht = false;
};
