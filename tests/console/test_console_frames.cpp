#include "console/Unit_ampermeter.h"
#include "console/Unit_button.h"
#include "console/Unit_key_45_back.h"
#include "console/Unit_key_45_fix.h"
#include "console/Unit_key_90.h"
#include "console/Unit_krutilka.h"
#include "console/Unit_lamp.h"
#include "console/caption_label.h"
#include "sim/console_layout.h"
#include "sim/texts.h"
#include "tests/sim/line_internals.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace {

using Position = KeyFrame::Position;

// Writes down the boxes, with whether mechanism 0 already held a latch when each was shown.
class BoxPort final : public zun::NullUiPort {
public:
    void show_target() override { ++targets_shown; }
    void message_box(const std::string &text) override
    {
        boxes.push_back(text);
        latched_before_box.push_back(
            sim && (sim->Mech_Array[0]->b_KM_FWD || sim->Mech_Array[0]->b_KM_RWS));
        if (on_box)
            std::exchange(on_box, nullptr)();
    }

    std::function<void()> on_box; // what the trainee does while the next box is open

    const zun::LineModel *sim = nullptr;
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

    // The frame of a control of the console layout, on a bare page; its mechanism turns round
    // without end, so that no limit switch refuses a pulse.
    template <typename Frame> Frame &frame(std::string_view name)
    {
        const int row = zun::console::find_control(name);
        Frame *made = nullptr;
        if constexpr (std::is_base_of_v<KeyFrame, Frame>)
            made = new Frame(zun::Door(dispatcher), row, clock, &page);
        else
            made = new Frame(zun::Door(dispatcher), row, &page);
        made->move(0, 0);
        made->show();
        const int tag = zun::console::controls()[static_cast<std::size_t>(row)].tag;
        sim.Mech_Array[tag]->Kind_Move = zun::KindMove::Rotation;
        sim.Mech_Array[tag]->bi_KV_FWD = false;
        sim.Mech_Array[tag]->bi_KV_RWS = false;
        return *made;
    }

    void move_over(QWidget *widget)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    }

    BoxPort port;
    zun::Dispatcher dispatcher{port};
    // The frames' unit tests set the mechanisms up by hand, from inside the model.
    zun::LineModel &sim = zun::LineModelInternals::of(dispatcher);
    ViewClock clock; // the frames' animations: outlives the page they stand on
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

void run_sequence(KeyFrame &frame, zun::LineModel &sim, const std::vector<Expected> &steps)
{
    const int tag = frame.Label1->tag;
    const zun::TMech &mech = *sim.Mech_Array[tag];
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
        if (step.event != Event::Release && frame.kind() != KeyFrame::Kind::Back)
            QTest::mouseRelease(frame.Label1, Qt::LeftButton);
        EXPECT_EQ(frame.state().Angle, step.angle);
        for (int position = Position::Left_90; position <= Position::Right_90; ++position)
            EXPECT_EQ(frame.picture_visible(static_cast<Position>(position)),
                      position == step.picture)
                << position;
        EXPECT_EQ(mech.b_KM_FWD, step.latch == Latch::Forward);
        EXPECT_EQ(mech.b_KM_RWS, step.latch == Latch::Reverse);
        EXPECT_EQ(sim.Cur_Mech == tag, step.pulse);
    }
}

TEST_F(ConsoleFramesTest, AFixedKeyStaysWhereItIsTurned)
{
    run_sequence(frame<TFrame_45_Key_Fix_>("Frame_45_Key_Fix_25"), sim,
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
    TFrame_45_Key_Back_ &back = frame<TFrame_45_Key_Back_>("Frame_45_Key_Back_1");
    dispatcher.apply(zun::input::Command{
        3, zun::MechCommand::Forward}); // running forward: the press stops it first
    run_sequence(back, sim,
                 {
                     {Event::Right, 45, Position::Right_45, Latch::Reverse, true},
                     {Event::Release, 0, Position::Upright, Latch::None, false},
                     {Event::Left, -45, Position::Left_45, Latch::Forward, true},
                     {Event::Release, 0, Position::Upright, Latch::None, false},
                 });
}

TEST_F(ConsoleFramesTest, ANinetyDegreeKeyCommandsOnlyAtFortyFive)
{
    run_sequence(frame<TFrame_90_Key_>("Frame_90_Key_1"), sim,
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
    TFrame_45_Key_Back_ &unbound = frame<TFrame_45_Key_Back_>("Frame_45_Key_Back_8");
    QTest::mousePress(unbound.Label1, Qt::LeftButton);
    QTest::mouseRelease(unbound.Label1, Qt::LeftButton);
    EXPECT_EQ(port.boxes, (std::vector<std::string>{zun::texts::not_used, zun::texts::not_used}))
        << "after the press and after the release";
    EXPECT_EQ(port.latched_before_box, (std::vector<bool>{true, false}));

    sim.Cur_Mech = 7;
    move_over(unbound.Label1);
    EXPECT_EQ(sim.Cur_Mech, 0) << "hovering makes the key's mechanism current";
    EXPECT_EQ(port.targets_shown, 1);
}

// The box after the press takes the button's release: the spring-return key still comes back
// upright and stops its mechanism once the box is answered.
TEST_F(ConsoleFramesTest, ASpringReturnKeyReleasedWhileItsBoxIsOpenComesBack)
{
    TFrame_45_Key_Back_ &unbound = frame<TFrame_45_Key_Back_>("Frame_45_Key_Back_8");
    QWidget box; // stands for the message box, which gets the release
    box.resize(50, 50);
    box.show();
    port.on_box = [&box] { QTest::mouseRelease(&box, Qt::LeftButton); };
    QTest::mousePress(unbound.Label1, Qt::LeftButton);
    EXPECT_EQ(unbound.state().Angle, 0);
    EXPECT_TRUE(unbound.picture_visible(Position::Upright));
    EXPECT_FALSE(sim.Mech_Array[0]->b_KM_FWD) << "the stop was sent";
    EXPECT_EQ(port.boxes.size(), 2u) << "after the press and after the release";
}

// A flash lasts a tenth of a second of the windows' clock from the latest flash.
TEST_F(ConsoleFramesTest, TheFlashEndsATenthOfASecondAfterTheLatestOnTheViewsClock)
{
    TFrame_45_Key_Fix_ &key = frame<TFrame_45_Key_Fix_>("Frame_45_Key_Fix_1");
    key.flash_caption();
    EXPECT_TRUE(key.Label1->flashed());
    dispatcher.advance_by(1000);
    EXPECT_TRUE(key.Label1->flashed()) << "the model's clock does not end it";
    clock.advance_to(60);
    key.flash_caption();
    clock.advance_to(159);
    EXPECT_TRUE(key.Label1->flashed()) << "flashed again, it lasts from the second flash";
    clock.advance_to(160);
    EXPECT_FALSE(key.Label1->flashed());
    clock.advance_to(1000);
    EXPECT_FALSE(key.Label1->flashed());
    EXPECT_FALSE(key.Timer1.active()) << "once";
}

TEST_F(ConsoleFramesTest, ConsoleSettingsReachTheKey)
{
    TFrame_45_Key_Fix_ &key = frame<TFrame_45_Key_Fix_>("Frame_45_Key_Fix_43");
    EXPECT_EQ(key.Label1->tag, 38);
    EXPECT_EQ(key.Label1->text(), "38? промасливающая машина");
    EXPECT_EQ(key.Label2->text(), "авт");
    EXPECT_EQ(key.Label3->text(), "руч");
    EXPECT_FALSE(key.Label1->toolTip().isEmpty());
}

TEST_F(ConsoleFramesTest, AKnobStepsRoundItsThreePositions)
{
    TFrame_Krutilka &knob = frame<TFrame_Krutilka>("Frame_Krutilka2");
    struct Step {
        Qt::MouseButton button;
        int position;
    };
    for (const Step &step :
         {Step{Qt::LeftButton, 1}, Step{Qt::LeftButton, 0}, Step{Qt::LeftButton, 2},
          Step{Qt::RightButton, 0}, Step{Qt::MiddleButton, 0}, Step{Qt::RightButton, 1}}) {
        QTest::mouseClick(knob.Label1, step.button);
        EXPECT_EQ(knob.Knob_Pos(), step.position);
        EXPECT_EQ(sim.control_state("Frame_Krutilka2").Knob_Pos, step.position);
    }
}

TEST_F(ConsoleFramesTest, AButtonIsHeldWhilePressed)
{
    TFrame_Button &bell = frame<TFrame_Button>("Frame_Button_Beep");
    QTest::mousePress(bell.Label1, Qt::RightButton);
    EXPECT_TRUE(sim.beep_pressed);
    EXPECT_EQ(bell.face_outline(), 6);
    QTest::mouseRelease(bell.Label1, Qt::RightButton);
    EXPECT_FALSE(sim.beep_pressed);
    EXPECT_EQ(bell.face_outline(), 4);

    TFrame_Button &other = frame<TFrame_Button>("Frame_Button6");
    QTest::mousePress(other.Label1, Qt::LeftButton);
    EXPECT_TRUE(other.state().b_Pressed);
    EXPECT_FALSE(sim.beep_pressed);
}

TEST_F(ConsoleFramesTest, TheAmmeterShowsItsNeedleAtRestASecondIntoTheViewsClock)
{
    TFrame_Ampermeter ammeter(clock, &page);
    dispatcher.advance_by(5000);
    clock.advance_to(999);
    for (int position = 1; position <= 5; ++position)
        EXPECT_TRUE(ammeter.needle_visible(position));
    clock.advance_to(1000);
    EXPECT_TRUE(ammeter.needle_visible(1));
    for (int position = 2; position <= 5; ++position)
        EXPECT_FALSE(ammeter.needle_visible(position));
}

// With ZUN_GALLERY set to a file name, draws every kind of frame in every position into it: each
// frame is drawn in each state the model gives it.
TEST_F(ConsoleFramesTest, Gallery)
{
    const QByteArray file = qgetenv("ZUN_GALLERY");
    if (file.isEmpty())
        GTEST_SKIP() << "set ZUN_GALLERY to a PNG file name to draw the gallery";
    QPixmap gallery(5 * 125 + 10, 4 * 90 + 10);
    gallery.fill(QColor(212, 208, 200));
    QPainter painter(&gallery);
    const auto draw = [this, &painter](QWidget &frame, std::string_view name, QPoint at,
                                       const std::function<void(zun::ControlState &)> &set) {
        set(sim.Controls[static_cast<std::size_t>(zun::console::find_control(name))]);
        frame.update();
        painter.drawPixmap(at, frame.grab());
    };
    const auto turned = [](int angle) {
        return [angle](zun::ControlState &state) {
            state.Angle = angle;
            state.f_Show_Angle();
        };
    };
    KeyFrame &ninety = frame<TFrame_90_Key_>("Frame_90_Key_1");
    KeyFrame &fixed = frame<TFrame_45_Key_Fix_>("Frame_45_Key_Fix_43");
    KeyFrame &back = frame<TFrame_45_Key_Back_>("Frame_45_Key_Back_3");
    int column = 0;
    for (const int angle : {-90, -45, 0, 45, 90}) {
        draw(ninety, "Frame_90_Key_1", {5 + column * 125, 5}, turned(angle));
        if (angle >= -45 && angle <= 45) {
            draw(fixed, "Frame_45_Key_Fix_43", {5 + column * 125, 95}, turned(angle));
            draw(back, "Frame_45_Key_Back_3", {5 + column * 125, 185}, turned(angle));
        }
        ++column;
    }
    TFrame_Krutilka &knob = frame<TFrame_Krutilka>("Frame_Krutilka2");
    for (int position = 0; position < 3; ++position)
        draw(knob, "Frame_Krutilka2", {5 + position * 85, 275},
             [position](zun::ControlState &state) { state.Knob_Pos = position; });
    const auto controls = zun::console::controls();
    const auto find = [&controls](std::string_view name) {
        return *std::find_if(controls.begin(), controls.end(),
                             [name](const auto &control) { return control.frame == name; });
    };
    TFrame_Lamp lamp(&page);
    lamp.apply(find("Frame_Lamp5"));
    painter.drawPixmap(265, 275, lamp.grab());
    const auto as_is = [](zun::ControlState &) {};
    draw(frame<TFrame_Button>("Frame_Button_Beep"), "Frame_Button_Beep", {335, 275}, as_is);
    draw(frame<TFrame_Button>("Frame_Button6"), "Frame_Button6", {410, 275},
         [](zun::ControlState &state) { state.b_Pressed = true; });
    TFrame_Ampermeter ammeter(clock, &page);
    ammeter.apply(find("Frame_Ampermeter1"));
    ammeter.Timer_VisuTimer();
    painter.drawPixmap(490, 275, ammeter.grab());
    painter.end();
    EXPECT_TRUE(gallery.save(QString::fromLocal8Bit(file)));
}

} // namespace
