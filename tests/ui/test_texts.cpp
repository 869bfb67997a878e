#include "program_fixture.h"
#include "sim/steps_texts.h"
#include "tests/sim/line_internals.h"
#include "ui/Unit_main.h"
#include "ui/main_commands.h"
#include "ui/scene_view.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The ink a label's text leaves when drawn in a label of the given size, at a device pixel
// ratio.
double ink_of(const QLabel &label, QSize size, qreal ratio)
{
    QLabel probe(label.text());
    probe.setTextFormat(label.textFormat());
    probe.setFont(label.font());
    probe.setAlignment(label.alignment());
    probe.setWordWrap(label.wordWrap());
    probe.setMargin(label.margin());
    probe.setIndent(label.indent());
    probe.setContentsMargins(label.contentsMargins());
    probe.resize(size);
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    probe.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    double ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += (255 - qGray(image.pixel(x, y))) / 255.0;
    return ink;
}

// The part of a label's ink that its own rectangle cuts off: drawn with room to spare around
// it (only below and above for wrapped text, whose lines depend on the width), the same text
// leaves more ink.
double ink_cut_off(const QLabel &label, qreal ratio)
{
    constexpr int room = 8;
    const QSize roomy = label.size() + QSize(label.wordWrap() ? 0 : 2 * room, 2 * room);
    return ink_of(label, roomy, ratio) - ink_of(label, label.size(), ratio);
}

class TextsTest : public ProgramTest {
protected:
    // Every label of every window whose text cuts off ink at the ratio.
    std::vector<std::string> labels_cut(qreal ratio) const
    {
        std::vector<std::string> cut;
        for (QWidget *window : forms.windows())
            for (QLabel *label : window->findChildren<QLabel *>()) {
                label->ensurePolished();
                if (label->text().isEmpty() || label->size().isEmpty())
                    continue;
                const double lost = ink_cut_off(*label, ratio);
                if (lost > 0.5)
                    cut.push_back(label->objectName().toStdString() + " \"" +
                                  label->text().toStdString() + "\" loses " + std::to_string(lost));
            }
        return cut;
    }
};

TEST_F(TextsTest, NoLabelCutsOffAnyPartOfItsLetters)
{
    for (const qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE("device pixel ratio " + std::to_string(ratio));
        EXPECT_EQ(labels_cut(ratio), std::vector<std::string>{});
    }
}

TEST_F(TextsTest, NoStepCutsOffAnyPartOfItsLettersInTheMainWindow)
{
    QLabel &current = *forms.main().commands->Label_Current_Step;
    for (const std::string_view line : zun::steps::lines()) {
        zun::LineModelInternals::of(dispatcher).Label_Current_Step = "шаг №" + std::string(line);
        forms.main().commands->refresh();
        for (const qreal ratio : {1.0, 2.0})
            EXPECT_LE(ink_cut_off(current, ratio), 0.5) << line << " at ratio " << ratio;
    }
}

// The room made for the letters grows above the text, which keeps its place: headings side by
// side keep one baseline.
TEST_F(TextsTest, HeadingsKeepTheirTextsPlace)
{
    for (const char *name : {"Label_Disk_Nojn", "Label_Napr_Stol"}) {
        const auto *heading = forms.main().findChild<QLabel *>(name);
        ASSERT_NE(heading, nullptr) << name;
        EXPECT_EQ(heading->y() + heading->contentsMargins().top(), 5) << name;
    }
    QLabel &current = *forms.main().commands->Label_Current_Step;
    for (const char *text : {"шаг №", "ЙЁ", "шаг №"}) {
        zun::LineModelInternals::of(dispatcher).Label_Current_Step = text;
        forms.main().commands->refresh();
        EXPECT_EQ(current.y() + current.contentsMargins().top(), 14) << text;
    }
}

// The drag handle's words fit its box: nothing of its red letters reaches the bottom edge,
// where a line that did not fit would be cut.
TEST_F(TextsTest, TheDragHandlesWordsFitItsBox)
{
    const zun::Picture &handle = *sim.pictures.find_picture("Label10");
    const QRect box(handle.left(), handle.top(), handle.width(), handle.height());
    const QImage drawn = forms.main().Panel_Image_Scene->grab(box).toImage();
    int red_on_bottom_rows = 0;
    for (int y = drawn.height() - 3; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor pixel = drawn.pixelColor(x, y);
            red_on_bottom_rows += pixel.red() > 150 && pixel.green() < 120;
        }
    EXPECT_EQ(red_on_bottom_rows, 0);
}

} // namespace
