#include "tools/video/contact_sheet.h"

#include <gtest/gtest.h>

namespace {

video::Scene at(qint64 time_ms, const char *caption)
{
    return {time_ms, {}, {QPointF(10, 10), video::Held::None, QString::fromUtf8(caption)}};
}

// A frame a second after each caption that shows that long; none for a caption cleared, nor for
// one replaced sooner.
TEST(ContactSheetTest, AFrameASecondAfterEachCaptionChange)
{
    video::ContactSheet sheet;
    const struct {
        qint64 from_ms;
        const char *caption;
    } timeline[] = {{0, ""}, {400, "Шаг 1"}, {3000, "Шаг 2"}, {3500, "Шаг 3"}, {6000, ""}};
    std::size_t next = 0;
    const char *caption = "";
    for (qint64 time = 0; time <= 8000; time += 40) {
        while (next < std::size(timeline) && timeline[next].from_ms <= time)
            caption = timeline[next++].caption;
        sheet.add(at(time, caption));
    }
    EXPECT_EQ(sheet.frames(), 2) << "«Шаг 1» at 1.4 s and «Шаг 3» at 4.5 s";
    const QImage image = sheet.image();
    EXPECT_EQ(image.width(), video::frame_size.width() / 2 * 3);
    EXPECT_GT(image.height(), video::frame_size.height() / 2);
}

} // namespace
