// Writes the trainer's icon for the desktop's icon theme: the scalable picture as SVG and the
// bitmap sizes as PNG, each in the folder the theme's layout names.
#include "assets/icon_art.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

constexpr int svg_side = 256;
constexpr int png_sides[] = {16, 24, 32, 48, 64, 128, 256};

bool write_svg(const QDir &theme, const QString &name)
{
    if (!theme.mkpath(QStringLiteral("scalable/apps")))
        return false;
    QSvgGenerator svg;
    svg.setFileName(theme.filePath(QStringLiteral("scalable/apps/%1.svg").arg(name)));
    svg.setSize(QSize(svg_side, svg_side));
    svg.setViewBox(QRect(0, 0, svg_side, svg_side));
    svg.setTitle(QStringLiteral("Slitting-line trainer"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    art::draw_trainer_icon(painter, QSizeF(svg_side, svg_side));
    return painter.end();
}

bool write_png(const QDir &theme, const QString &name, int side)
{
    const QString folder = QStringLiteral("%1x%1/apps").arg(side);
    if (!theme.mkpath(folder))
        return false;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    art::draw_trainer_icon(painter, QSizeF(side, side));
    painter.end();
    return image.save(theme.filePath(QStringLiteral("%1/%2.png").arg(folder, name)));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fputs("usage: zun_make_icons THEME_FOLDER ICON_NAME\n", stderr);
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    bool written = write_svg(theme, name);
    for (const int side : png_sides)
        written = written && write_png(theme, name, side);
    if (!written) {
        std::fprintf(stderr, "zun_make_icons: cannot write the icon into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
