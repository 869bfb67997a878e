#include "console/Unit_ampermeter.h"
#include "console/Unit_button.h"
#include "console/Unit_krutilka.h"
#include "console/Unit_lamp.h"
#include "console/caption_label.h"
#include "console/key_frame.h"
#include "sim/Unit_simulator.h"
#include "sim/console_layout.h"
#include "sim/texts.h"

#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Position = TKeyFrame::Position;

// Writes down the boxes, with whether mechanism 0 already held a latch when each was shown.
class BoxPort final : public zun::UiPort {
public:
    void show_target() override { ++targets_shown; }
    void hide_target() override {}
    void show_key_of_cur_mech() override {}
    void show_bell_page_and_hand() override {}
    void show_hand_at_new_coil_button() override {}
    void show_page(const std::string &) override {}
    void open_document(const std::string &, const std::string &) override {}
    void message_box(const std::string &text) override
    {
        boxes.push_back(text);
        latched_before_box.push_back(
            sim && (sim->Mech_Array[0]->b_KM_FWD || sim->Mech_Array[0]->b_KM_RWS));
    }

    const zun::TSimulator *sim = nullptr;
    std::vector<std::string> boxes;
    std::vector<bool> latched_before_box;
    int targets_shown = 0;
};

class ConsoleFramesTest : public ::testing::Test {
protected:
    ConsoleFramesTest()
    {
        port.sim = &sim;
        page.resize(400, 300);
        page.show();
    }

    template <typename Key> Key &key(int tag)
    {
        auto *frame = new Key(sim, &page);
        frame->Label1->tag = tag;
        frame->show();
        return *frame;
    }

    void move_over(QWidget *widget)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    }

    BoxPort port;
    zun::TSimulator sim{port};
    QWidget page;
};

enum class Event { Left, Right, Middle, Release };
enum class Latch { None, Forward, Reverse };

struct Expected {
    Event event;
    int angle;
    Position picture;
    Latch latch;
    bool pulse; // a pulse was sent: it makes the mechanism current
};

void run_sequence(TKeyFrame &frame, zun::TSimulator &sim, const std::vector<Expected> &steps)
{
    const zun::TMech &mech = *sim.Mech_Array[3];
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Expected &step = steps[i];
        SCOPED_TRACE(i);
        sim.Cur_Mech = 50;
        switch (step.event) {
        case Event::Left:
            QTest::mousePress(frame.Label1, Qt::LeftButton);
            break;
        case Event::Right:
            QTest::mousePress(frame.Label1, Qt::RightButton);
            break;
        case Event::Middle:
            QTest::mousePress(frame.Label1, Qt::MiddleButton);
            break;
        case Event::Release:
            QTest::mouseRelease(frame.Label1, Qt::LeftButton);
            break;
        }
        if (step.event != Event::Release && frame.kind() != TKeyFrame::Kind::Back)
            QTest::mouseRelease(frame.Label1, Qt::LeftButton);
        EXPECT_EQ(frame.Angle, step.angle);
        for (int position = Position::Left_90; position <= Position::Right_90; ++position)
            EXPECT_EQ(frame.picture_visible(static_cast<Position>(position)),
                      position == step.picture)
                << position;
        EXPECT_EQ(mech.b_KM_FWD, step.latch == Latch::Forward);
        EXPECT_EQ(mech.b_KM_RWS, step.latch == Latch::Reverse);
        EXPECT_EQ(sim.Cur_Mech == 3, step.pulse);
    }
}

TEST_F(ConsoleFramesTest, AFixedKeyStaysWhereItIsTurned)
{
    run_sequence(key<TFrame_45_Key_Fix_>(3), sim,
                 {
                     {Event::Left, -45, Position::Left_45, Latch::Forward, true},
                     {Event::Left, -45, Position::Left_45, Latch::Forward, true},
                     {Event::Right, 0, Position::Upright, Latch::None, false},
                     {Event::Right, 45, Position::Right_45, Latch::Reverse, true},
                     {Event::Middle, 45, Position::Right_45, Latch::Reverse, true},
                 });
}

TEST_F(ConsoleFramesTest, ABackKeyRunsWhileHeld)
{
    sim.Mech_Array[3]->f_Start_FWD_Pulse(); // running forward: the press stops it first
    run_sequence(key<TFrame_45_Key_Back_>(3), sim,
                 {
                     {Event::Right, 45, Position::Right_45, Latch::Reverse, true},
                     {Event::Release, 0, Position::Upright, Latch::None, false},
                     {Event::Left, -45, Position::Left_45, Latch::Forward, true},
                     {Event::Release, 0, Position::Upright, Latch::None, false},
                 });
}

TEST_F(ConsoleFramesTest, ANinetyDegreeKeyCommandsOnlyAtFortyFive)
{
    run_sequence(key<TFrame_90_Key_>(3), sim,
                 {
                     {Event::Left, -45, Position::Left_45, Latch::Forward, true},
                     {Event::Left, -90, Position::Left_90, Latch::Forward, false},
                     {Event::Left, -90, Position::Left_90, Latch::Forward, false},
                     {Event::Right, -45, Position::Left_45, Latch::Forward, true},
                     {Event::Right, 0, Position::Upright, Latch::None, false},
                     {Event::Right, 45, Position::Right_45, Latch::Reverse, true},
                     {Event::Right, 90, Position::Right_90, Latch::Reverse, false},
                 });
}

TEST_F(ConsoleFramesTest, AnUnboundKeyCommandsMechanismZeroThenSaysSo)
{
    TFrame_45_Key_Back_ &unbound = key<TFrame_45_Key_Back_>(0);
    QTest::mousePress(unbound.Label1, Qt::LeftButton);
    QTest::mouseRelease(unbound.Label1, Qt::LeftButton);
    EXPECT_EQ(port.boxes, (std::vector<std::string>{zun::texts::Not_Used, zun::texts::Not_Used}))
        << "after the press and after the release";
    EXPECT_EQ(port.latched_before_box, (std::vector<bool>{true, false}));

    sim.Cur_Mech = 7;
    move_over(unbound.Label1);
    EXPECT_EQ(sim.Cur_Mech, 0) << "hovering makes the key's mechanism current";
    EXPECT_EQ(port.targets_shown, 1);
}

TEST_F(ConsoleFramesTest, TheFlashEndsAfterOneTickOfTheKeysTimer)
{
    TFrame_45_Key_Fix_ &frame = key<TFrame_45_Key_Fix_>(5);
    frame.f_Highlight();
    EXPECT_TRUE(frame.Label1->flashed());
    sim.scheduler.advance_by(99);
    EXPECT_TRUE(frame.Label1->flashed());
    sim.scheduler.advance_by(1);
    EXPECT_FALSE(frame.Label1->flashed());
    EXPECT_FALSE(frame.Timer1.enabled());
}

TEST_F(ConsoleFramesTest, ConsoleSettingsReachTheKey)
{
    const auto controls = zun::console::controls();
    const auto oiling = std::find_if(controls.begin(), controls.end(), [](const auto &control) {
        return control.frame == "Frame_45_Key_Fix_43";
    });
    TFrame_45_Key_Fix_ &frame = key<TFrame_45_Key_Fix_>(0);
    frame.apply(*oiling);
    EXPECT_EQ(frame.Label1->tag, 38);
    EXPECT_EQ(frame.Label1->text(), "38? промасливающая машина");
    EXPECT_EQ(frame.Label2->text(), "авт");
    EXPECT_EQ(frame.Label3->text(), "руч");
    EXPECT_FALSE(frame.Label1->toolTip().isEmpty());
}

TEST_F(ConsoleFramesTest, AKnobStepsRoundItsThreePositions)
{
    auto *knob = new TFrame_Krutilka(&page);
    knob->show();
    struct Step {
        Qt::MouseButton button;
        int position;
    };
    for (const Step &step :
         {Step{Qt::LeftButton, 1}, Step{Qt::LeftButton, 0}, Step{Qt::LeftButton, 2},
          Step{Qt::RightButton, 0}, Step{Qt::MiddleButton, 0}, Step{Qt::RightButton, 1}}) {
        QTest::mouseClick(knob->Label1, step.button);
        EXPECT_EQ(knob->Knob_Pos, step.position);
    }
}

TEST_F(ConsoleFramesTest, AButtonIsHeldWhilePressed)
{
    auto *bell = new TFrame_Button(&page);
    bell->bind_pressed_flag(sim.b_Beep_Pressed);
    bell->show();
    QTest::mousePress(bell->Label1, Qt::RightButton);
    EXPECT_TRUE(sim.b_Beep_Pressed);
    EXPECT_EQ(bell->face_outline(), 6);
    QTest::mouseRelease(bell->Label1, Qt::RightButton);
    EXPECT_FALSE(sim.b_Beep_Pressed);
    EXPECT_EQ(bell->face_outline(), 4);

    auto *other = new TFrame_Button(&page);
    QTest::mousePress(other->Label1, Qt::LeftButton);
    EXPECT_TRUE(*other->b_Pressed);
    EXPECT_FALSE(sim.b_Beep_Pressed);
}

TEST_F(ConsoleFramesTest, TheAmmeterShowsItsNeedleAtRestAfterASecond)
{
    TFrame_Ampermeter ammeter(sim.scheduler, &page);
    for (int position = 1; position <= 5; ++position)
        EXPECT_TRUE(ammeter.needle_visible(position));
    sim.scheduler.advance_by(1000);
    EXPECT_TRUE(ammeter.needle_visible(1));
    for (int position = 2; position <= 5; ++position)
        EXPECT_FALSE(ammeter.needle_visible(position));
}

// With ZUN_GALLERY set to a file name, draws every kind of frame in every position into it.
TEST_F(ConsoleFramesTest, Gallery)
{
    const QByteArray file = qgetenv("ZUN_GALLERY");
    if (file.isEmpty())
        GTEST_SKIP() << "set ZUN_GALLERY to a PNG file name to draw the gallery";
    QWidget gallery;
    gallery.resize(5 * 125 + 10, 4 * 90 + 10);
    gallery.setAutoFillBackground(true);
    const auto controls = zun::console::controls();
    const auto find = [&controls](std::string_view name) {
        return *std::find_if(controls.begin(), controls.end(),
                             [name](const auto &control) { return control.frame == name; });
    };
    int column = 0;
    for (const int angle : {-90, -45, 0, 45, 90}) {
        auto *ninety = new TFrame_90_Key_(sim, &gallery);
        ninety->apply(find("Frame_90_Key_1"));
        ninety->Angle = angle;
        ninety->f_Show_Angle();
        ninety->move(5 + column * 125, 5);
        if (angle >= -45 && angle <= 45) {
            auto *fixed = new TFrame_45_Key_Fix_(sim, &gallery);
            fixed->apply(find("Frame_45_Key_Fix_43"));
            fixed->Angle = angle;
            fixed->f_Show_Angle();
            fixed->move(5 + column * 125, 95);
            auto *back = new TFrame_45_Key_Back_(sim, &gallery);
            back->apply(find("Frame_45_Key_Back_3"));
            back->Angle = angle;
            back->f_Show_Angle();
            back->move(5 + column * 125, 185);
        }
        ++column;
    }
    for (int position = 0; position < 3; ++position) {
        auto *knob = new TFrame_Krutilka(&gallery);
        knob->apply(find("Frame_Krutilka2"));
        knob->Knob_Pos = position;
        knob->move(5 + position * 85, 275);
    }
    auto *lamp = new TFrame_Lamp(&gallery);
    lamp->apply(find("Frame_Lamp5"));
    lamp->move(265, 275);
    auto *button = new TFrame_Button(&gallery);
    button->apply(find("Frame_Button_Beep"));
    button->move(335, 275);
    auto *red = new TFrame_Button(&gallery);
    red->apply(find("Frame_Button6"));
    red->move(410, 275);
    red->Label1MouseDown();
    auto *ammeter = new TFrame_Ampermeter(sim.scheduler, &gallery);
    ammeter->apply(find("Frame_Ampermeter1"));
    ammeter->move(490, 275);
    sim.scheduler.advance_by(1000);
    gallery.show();
    EXPECT_TRUE(gallery.grab().save(QString::fromLocal8Bit(file)));
}

} // namespace
