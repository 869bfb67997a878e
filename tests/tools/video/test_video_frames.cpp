#include "tools/video/frame_composer.h"
#include "tools/video/pointer_track.h"

#include <QBitmap>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

video::Overlay pointer_at(QPointF at, video::Held held = video::Held::None, QString caption = {})
{
    return {at, held, std::move(caption)};
}

TEST(PointerTrackTest, RestsThenGlidesEasedAndEndsOnItsGoal)
{
    PointerTrack track(QPointF(100, 100));
    EXPECT_EQ(track.at(0), QPointF(100, 100));
    track.glide(1000, 2000, QPointF(300, 500));
    EXPECT_EQ(track.at(500), QPointF(100, 100));
    EXPECT_EQ(track.at(1000), QPointF(100, 100));
    EXPECT_EQ(track.at(1500), QPointF(200, 300)); // halfway at half time
    const QPointF early = track.at(1100);
    EXPECT_LT(early.x() - 100, 200 * 0.1) << "slow at the start";
    EXPECT_EQ(track.at(2000), QPointF(300, 500));
    EXPECT_EQ(track.at(9000), QPointF(300, 500));
    // A new glide starts from wherever the pointer is then, even halfway.
    track.glide(1500, 1500, QPointF(0, 0));
    EXPECT_EQ(track.at(1500), QPointF(0, 0));
}

class FrameTest : public testing::Test {
protected:
    QWidget red;
    QWidget blue;
    void SetUp() override
    {
        for (auto [window, colour] : {std::pair{&red, Qt::red}, {&blue, Qt::blue}}) {
            window->setWindowFlags(Qt::FramelessWindowHint);
            window->setAutoFillBackground(true);
            QPalette palette;
            palette.setColor(QPalette::Window, colour);
            window->setPalette(palette);
        }
        red.setGeometry(100, 50, 200, 100);
        blue.setGeometry(250, 100, 200, 100);
    }
    static QColor at(const QImage &frame, int x, int y) { return frame.pixelColor(x, y); }
};

TEST_F(FrameTest, WindowsStandAtTheirPlacesTheLaterAbove)
{
    red.show();
    blue.show();
    const QImage frame = video::compose_frame({&red, &blue}, pointer_at(QPointF(1200, 700)));
    EXPECT_EQ(frame.size(), QSize(1280, 800));
    EXPECT_EQ(at(frame, 120, 60), QColor(Qt::red));
    EXPECT_EQ(at(frame, 280, 120), QColor(Qt::blue)) << "blue is above where they overlap";
    const QColor desktop = at(frame, 20, 20);
    EXPECT_NE(desktop, QColor(Qt::red));
    blue.hide();
    EXPECT_EQ(at(video::compose_frame({&red, &blue}, pointer_at(QPointF(1200, 700))), 400, 150),
              desktop)
        << "a hidden window is not drawn";
}

TEST_F(FrameTest, AShapedWindowShowsOnlyItsMask)
{
    red.show();
    red.setMask(QRegion(0, 0, 50, 50));
    const QImage frame = video::compose_frame({&red}, pointer_at(QPointF(1200, 700)));
    EXPECT_EQ(at(frame, 110, 60), QColor(Qt::red));
    EXPECT_NE(at(frame, 200, 120), QColor(Qt::red));
}

TEST_F(FrameTest, ThePointerAndTheHeldButtonAreDrawnWhereThePointerIs)
{
    const QImage idle = video::compose_frame({}, pointer_at(QPointF(600, 300)));
    EXPECT_EQ(at(idle, 602, 310), QColor(Qt::white)) << "inside the arrow";
    EXPECT_NE(at(idle, 590, 290), QColor(Qt::white)) << "above and left of its tip";
    const QImage left = video::compose_frame({}, pointer_at(QPointF(600, 300), video::Held::Left));
    const QImage right =
        video::compose_frame({}, pointer_at(QPointF(600, 300), video::Held::Right));
    // The mouse beside the pointer lights the held button's half.
    const QPoint left_button(600 + 16 + 4, 300 + 16 + 6);
    const QPoint right_button(600 + 16 + 12, 300 + 16 + 6);
    EXPECT_GT(left.pixelColor(left_button).red(), 200);
    EXPECT_LT(left.pixelColor(left_button).green(), 80);
    EXPECT_EQ(left.pixelColor(right_button), QColor(Qt::white));
    EXPECT_EQ(right.pixelColor(left_button), QColor(Qt::white));
    EXPECT_LT(right.pixelColor(right_button).green(), 80);
}

TEST_F(FrameTest, TheCaptionHasItsBandBelowTheMainWindow)
{
    const QImage none = video::compose_frame({}, pointer_at(QPointF(0, 0)));
    const QImage captioned = video::compose_frame(
        {}, pointer_at(QPointF(0, 0), video::Held::None, QStringLiteral("Шаг 7")));
    EXPECT_EQ(none.pixelColor(5, 790), none.pixelColor(5, 20));
    EXPECT_NE(captioned.pixelColor(5, 790), none.pixelColor(5, 790));
    EXPECT_EQ(captioned.pixelColor(5, video::caption_top - 2), none.pixelColor(5, 20));
    int text_pixels = 0;
    for (int x = 560; x < 720; ++x)
        for (int y = video::caption_top; y < 800; ++y)
            text_pixels += captioned.pixelColor(x, y).lightness() > 200;
    EXPECT_GT(text_pixels, 50) << "the caption's letters in its middle";
}

} // namespace
