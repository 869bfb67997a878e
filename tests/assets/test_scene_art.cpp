// With ZUN_CONTACT_SHEET set to a PNG file name, draws every picture of the scene and its
// close-ups, each with its name, into one image: all the art at once.
#include "assets/scene_art.h"
#include "sim/picture_store.h"
#include "sim/scene_layout.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(ContactSheet, DrawsEveryPictureWithItsName)
{
    const QByteArray file = qgetenv("ZUN_CONTACT_SHEET");
    if (file.isEmpty())
        GTEST_SKIP() << "set ZUN_CONTACT_SHEET to a PNG file name to draw the contact sheet";
    zun::PictureStore store;
    zun::scene::build(store);
    std::vector<const zun::Picture *> shown;
    for (const zun::Picture &picture : store.pictures())
        if (picture.appearance().kind == zun::ComponentKind::Picture &&
            picture.panel().name() != zun::scene::Panel_Image_Sours &&
            (picture.name().find("_Polosa_Body") == std::string::npos ||
             picture.name() == "Image0_Polosa_Body"))
            shown.push_back(&picture);

    constexpr int cell_width = 200;
    constexpr int cell_height = 150;
    constexpr int columns = 8;
    const int rows = static_cast<int>((shown.size() + columns - 1) / columns);
    QImage sheet(columns * cell_width, rows * cell_height, QImage::Format_RGB32);
    sheet.fill(QColor(236, 236, 232));
    QPainter painter(&sheet);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const zun::Picture &picture = *shown[i];
        const QRect cell(static_cast<int>(i % columns) * cell_width,
                         static_cast<int>(i / columns) * cell_height, cell_width, cell_height);
        const QSizeF size(picture.width(), picture.height());
        const double scale =
            std::min({1.0, (cell_width - 10) / size.width(), (cell_height - 24) / size.height()});
        painter.save();
        painter.translate(cell.left() + 5, cell.top() + 4);
        painter.scale(scale, scale);
        const QString name = QString::fromStdString(picture.name());
        if (!art::draw_scene_picture(painter, name, size))
            art::draw_stand_in(painter, name, size);
        painter.restore();
        painter.setPen(Qt::black);
        painter.drawText(
            cell.adjusted(4, 0, -4, -4), Qt::AlignBottom | Qt::AlignLeft,
            QStringLiteral("%1  %2x%3").arg(name).arg(picture.width()).arg(picture.height()));
    }
    painter.end();
    EXPECT_TRUE(sheet.save(QString::fromLocal8Bit(file)));
}

} // namespace
