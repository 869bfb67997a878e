#include "assets/scene_art.h"
#include "sim/picture_store.h"
#include "sim/scene_layout.h"
#include "sim/simulator.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <string>

namespace {

QImage drawn(const QString &name, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    EXPECT_TRUE(art::draw_scene_picture(painter, name, QSizeF(size))) << name.toStdString();
    return image;
}

TEST(ArtTest, EveryPictureThatCanBeSeenHasItsOwnDrawing)
{
    zun::PictureStore store;
    zun::scene::build(store);
    int drawn_pictures = 0;
    for (const zun::Picture &picture : store.pictures()) {
        if (picture.appearance().kind != zun::ComponentKind::Picture ||
            picture.panel().name() == zun::scene::Panel_Image_Sours)
            continue;
        QImage image(8, 8, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        EXPECT_TRUE(art::draw_scene_picture(painter, QString::fromStdString(picture.name()),
                                            QSizeF(picture.width(), picture.height())))
            << picture.name() << " falls back to a stand-in";
        ++drawn_pictures;
    }
    EXPECT_GT(drawn_pictures, 200);
}

TEST(ArtTest, TheFourPositionsOfTurningAndSwingingMachinesDiffer)
{
    const zun::Simulator built;
    const auto kind_of = [&built](int number) {
        return built.state().Mech_Array[static_cast<std::size_t>(number)]->Kind_Move;
    };
    for (const zun::scene::MechanismPictures &row : zun::scene::mechanism_pictures()) {
        if (row.own_pictures != 4 || row.panel == zun::scene::Panel_Image_Sours ||
            kind_of(row.number) == zun::KindMove::Travel)
            continue;
        SCOPED_TRACE(row.number);
        const QSize size(row.first.width, row.first.height);
        QImage positions[4];
        for (int k = 0; k < 4; ++k)
            positions[k] = drawn(QStringLiteral("Image%1_%2").arg(row.number).arg(k), size);
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b)
                EXPECT_NE(positions[a], positions[b]) << "positions " << a << " and " << b;
    }
}

TEST(ArtTest, CoilsGrowWithTheirSizeClass)
{
    const QSize size(70, 70);
    auto covered = [&size](const QString &name) {
        const QImage image = drawn(name, size);
        int pixels = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                pixels += qAlpha(image.pixel(x, y)) > 0;
        return pixels;
    };
    int before = 0;
    for (int size_class = 1; size_class <= 4; ++size_class) {
        const int now = covered(QStringLiteral("Image_Rulon_Motalki_%1").arg(size_class));
        EXPECT_GT(now, before) << size_class;
        before = now;
    }
}

} // namespace

namespace {

// The drums' cores show the drum's state by the hub alone: nothing white is written on them,
// which would show between the segments as a stray text.
TEST(ArtTest, TheDrumCoresCarryNoWriting)
{
    const QSize size(100, 100);
    for (const int drum : {5, 70})
        for (int position = 0; position < 4; ++position) {
            const QImage image = drawn(QStringLiteral("Image%1_%2").arg(drum).arg(position), size);
            int white = 0;
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    white += qAlpha(pixel) == 255 && qGray(pixel) > 235;
                }
            EXPECT_EQ(white, 0) << "drum " << drum << ", position " << position;
        }
}

} // namespace
