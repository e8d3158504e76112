#include "app/SplashPicture.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>

namespace sv {

QImage splashPicture() {
    QImage img(550, 400, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 400);
    sky.setColorAt(0, QColor(0x1B, 0x24, 0x36));
    sky.setColorAt(1, QColor(0x2E, 0x3E, 0x5C));
    p.fillRect(img.rect(), sky);

    // A spectrum band across the picture.
    QLinearGradient spectrum(40, 0, 510, 0);
    const QColor stops[] = {Qt::red,  Qt::yellow,  Qt::green, Qt::cyan,
                            Qt::blue, Qt::magenta, Qt::white};
    for (int i = 0; i < 7; ++i) {
        spectrum.setColorAt(i / 6.0, stops[i]);
    }
    p.fillRect(QRect(40, 190, 470, 24), spectrum);
    QLinearGradient shade(0, 190, 0, 214);
    shade.setColorAt(0, QColor(255, 255, 255, 70));
    shade.setColorAt(1, QColor(0, 0, 0, 90));
    p.fillRect(QRect(40, 190, 470, 24), shade);

    // A row of swatches, as the palette shows them.
    for (int i = 0; i < 16; ++i) {
        p.fillRect(QRect(40 + i * 29, 232, 25, 25), QColor::fromHsv(i * 22, 180, 230));
    }

    QFont title(QStringLiteral("DejaVu Sans"), 40, QFont::Bold);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(QRect(42, 72, 500, 80), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Spectrivue"));
    p.setPen(Qt::white);
    p.drawText(QRect(40, 70, 500, 80), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Spectrivue"));
    QFont sub(QStringLiteral("DejaVu Sans"), 12);
    p.setFont(sub);
    p.setPen(QColor(0xC8, 0xD4, 0xE6));
    p.drawText(
        QRect(44, 140, 500, 30), Qt::AlignLeft | Qt::AlignVCenter,
        QCoreApplication::translate("sv::StartupSplash", "Colour picker and colour analyst"));
    return img;
}

} // namespace sv
