#include "app/Unit_start.h"
#include "app/forms.h"
#include "app/start_controls.h"
#include "sim/texts.h"
#include "ui/Unit_blocking.h"
#include "ui/Unit_hand.h"
#include "ui/Unit_main.h"
#include "ui/Unit_status_mech_array.h"
#include "ui/Unit_steps.h"
#include "ui/Unit_target.h"
#include "ui/Unit_test.h"
#include "ui/Unit_videomenu.h"
#include "ui/history_window.h"
#include "ui/main_commands.h"

#include <QMouseEvent>
#include <QPointer>

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class FormsTest : public ::testing::Test {
protected:
    zun::RecordingUiPort ui_port;
    Forms forms{ui_port};
};

TEST_F(FormsTest, BuildsTheNineWindowsOverOneModel)
{
    const std::vector<QWidget *> expected{&forms.start(),  &forms.main(),     &forms.steps(),
                                          &forms.test(),   &forms.blocking(), &forms.status(),
                                          &forms.target(), &forms.hand(),     &forms.video_menu()};
    EXPECT_EQ(forms.windows(), expected);
    QStringList names;
    for (const QWidget *window : forms.windows()) {
        ASSERT_NE(window, nullptr);
        names.append(window->objectName());
        EXPECT_EQ(window->windowTitle(), window->objectName());
        EXPECT_EQ(window->isVisible(), window == &forms.start())
            << window->objectName().toStdString();
    }
    EXPECT_EQ(names, (QStringList{"Form_Start", "Form_Main_ZUN", "Form_Steps", "Form_Test",
                                  "Form_Blocking", "Form_Status_Mech_Array", "Form_Target",
                                  "Form_Hand", "VideoMenu"}));
    EXPECT_EQ(forms.main().geometry(), QRect(0, 0, 1024, 760));
    EXPECT_EQ(forms.test().size(), QSize(426, 216));
    EXPECT_EQ(forms.blocking().size(), QSize(426, 216));
    EXPECT_EQ(forms.start().size(), QSize(679, 358));
    EXPECT_TRUE(forms.start().windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(forms.sim().working_mode, zun::WorkingMode::None);
}

// With a key flashing, the marker placing itself and the steps window shown: nothing in the
// windows' destruction waits on another window or on the model.
TEST(FormsLifetimeTest, TheWindowsGoWithTheirOwner)
{
    std::vector<QPointer<QWidget>> windows;
    {
        zun::RecordingUiPort ui_port;
        Forms forms(ui_port);
        forms.main().show();
        forms.steps().show();
        forms.dispatcher().apply(zun::input::FindPick{4});
        forms.dispatcher().advance_by(1000);
        for (QWidget *window : forms.windows())
            windows.emplace_back(window);
    }
    for (const QPointer<QWidget> &window : windows)
        EXPECT_TRUE(window.isNull());
}

TEST_F(FormsTest, ShowingTheMainWindowSelectsTheFirstWorkingMode)
{
    const zun::LineModel &sim = forms.sim();
    zun::Dispatcher &dispatcher = forms.dispatcher();
    forms.main().show();
    EXPECT_EQ(sim.working_mode, zun::WorkingMode::PassStages);
    EXPECT_EQ(sim.pass_button_caption, zun::texts::pass_stage);

    dispatcher.apply(zun::input::SelectMode{zun::WorkingMode::Automatic});
    forms.main().close();
    EXPECT_FALSE(forms.main().isVisible()) << "closing the main window hides it";
    EXPECT_EQ(sim.working_mode, zun::WorkingMode::Automatic) << "and keeps its state";
    forms.main().show();
    EXPECT_EQ(sim.working_mode, zun::WorkingMode::PassStages);
    EXPECT_EQ(sim.pass_button_caption, zun::texts::pass_stage);
    EXPECT_TRUE(sim.pass_button_enabled);
}

TEST_F(FormsTest, TheMainWindowButtonShowsTheMainWindowOnRelease)
{
    for (PressableControl *control : {static_cast<PressableControl *>(forms.start().Shape2),
                                      static_cast<PressableControl *>(forms.start().Label1)}) {
        forms.main().hide();
        QTest::mousePress(control, Qt::LeftButton);
        EXPECT_EQ(forms.start().Shape2->pen_width(), 5) << "the oval thickens while pressed";
        EXPECT_FALSE(forms.main().isVisible());
        QTest::mouseRelease(control, Qt::LeftButton);
        EXPECT_EQ(forms.start().Shape2->pen_width(), 1);
        QTimer &wipe = forms.start().Timer1;
        EXPECT_TRUE(wipe.isActive()) << "the wipe's own timer runs, not the model's clock";
        EXPECT_EQ(wipe.interval(), 10);
        for (int step = 0; step < 60; ++step)
            forms.start().Timer1Timer();
        EXPECT_FALSE(forms.main().isVisible()) << "after 60 steps of the wipe";
        EXPECT_EQ(forms.start().Shape1->x(), -537 + 60 * 20);
        QTest::mouseRelease(control, Qt::LeftButton); // a release during the wipe
        forms.start().Timer1Timer();
        EXPECT_TRUE(forms.main().isVisible()) << "at the 61st";
        EXPECT_EQ(forms.start().Shape1->x(), -537);
        EXPECT_FALSE(wipe.isActive());
        EXPECT_EQ(forms.sim().working_mode, zun::WorkingMode::PassStages)
            << "the main window's show went through the door";
    }
    EXPECT_EQ(forms.start().Label1->text(), zun::texts::main_window_button);
}

std::string extent(const QRegion &region)
{
    const QRect box = region.boundingRect();
    return std::to_string(box.width()) + "x" + std::to_string(box.height()) + "+" +
           std::to_string(box.x()) + "+" + std::to_string(box.y()) + " in " +
           std::to_string(region.rectCount()) + " rectangles";
}

// The window's shape is what it shows that is not white, whatever happened before: presses,
// wipes and a mask already cut must not shift it or leave holes.
TEST_F(FormsTest, TheStartWindowKeepsTheShapeOfItsContent)
{
    TForm_Start &start = forms.start();
    const QRegion at_start = start.mask();
    ASSERT_FALSE(at_start.isEmpty());
    for (QWidget *part :
         {static_cast<QWidget *>(start.Button2), static_cast<QWidget *>(start.Shape2),
          static_cast<QWidget *>(start.Shape5), static_cast<QWidget *>(start.Shape6)}) {
        const QRect place = part->geometry();
        EXPECT_TRUE(at_start.contains(place.center())) << part->metaObject()->className();
    }
    EXPECT_FALSE(at_start.contains(QPoint(2, 2))) << "the white corner is cut away";

    QTest::mousePress(start.Shape2, Qt::LeftButton);
    EXPECT_TRUE(start.mask().contains(start.Button2->geometry()));
    EXPECT_EQ(extent(start.mask()), extent(at_start)) << "while pressed";
    QTest::mouseRelease(start.Shape2, Qt::LeftButton);
    EXPECT_TRUE(start.mask() == at_start)
        << "after the release: " << extent(start.mask());

    const auto wipe_for = [&start](int steps) {
        for (int step = 0; step < steps && start.Timer1.isActive(); ++step)
            start.Timer1Timer();
    };
    wipe_for(30);
    const QRegion mid_wipe = start.mask();
    EXPECT_FALSE(mid_wipe.contains(start.Shape1->geometry().center()))
        << "the disc cuts a hole";
    wipe_for(100);
    ASSERT_TRUE(forms.main().isVisible());
    EXPECT_TRUE(start.mask() == at_start)
        << "after the wipe, whole again: " << extent(start.mask());

    for (int press = 0; press < 2; ++press) {
        QTest::mousePress(start.Label2, Qt::LeftButton);
        QTest::mouseRelease(start.Label2, Qt::LeftButton);
    }
    EXPECT_TRUE(start.mask() == at_start)
        << "after the videos' button twice: " << extent(start.mask());
}

TEST_F(FormsTest, DraggingThePictureMovesTheWindowByThePointersTravel)
{
    const QPoint start = forms.start().pos();
    QWidget *picture = reinterpret_cast<QWidget *>(forms.start().Image1);
    const QPoint grab(100, 100);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(grab), picture->mapToGlobal(QPointF(grab)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(picture, &press);
    const QPoint to = grab + QPoint(30, 20);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), picture->mapToGlobal(QPointF(to)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(picture, &move);
    EXPECT_EQ(forms.start().pos(), start + QPoint(30, 20));
    EXPECT_TRUE(forms.start().b_Drag);
}

TEST_F(FormsTest, TheHelpAndTheVideosAskTheShell)
{
    QTest::mousePress(forms.start().Label3, Qt::LeftButton);
    for (QPushButton *button : forms.video_menu().Buttons)
        button->click();
    forms.video_menu().Buttons[0]->click();
    EXPECT_EQ(ui_port.calls,
              (std::vector<std::string>{"open_document help help_zun5.chm",
                                        "open_document video video_navigation.avi",
                                        "open_document video video_key_work.avi",
                                        "open_document video video_one_button_by_step.avi",
                                        "open_document video video_jump_to_any_step.avi",
                                        "open_document video video_full_auto.avi",
                                        "open_document video video_navigation.avi"}));
    EXPECT_EQ(forms.video_menu().Buttons[1]->text(), "ролик о работе ключами  на постах");
}

// An examination is the trainee's alone: the help and the videos say so instead of opening, the
// journal with its old reports does not open, and what was open of them closes.
TEST_F(FormsTest, AnExaminationKeepsTheHelpTheVideosAndTheJournalClosed)
{
    forms.start().show();
    forms.video_menu().show();
    forms.show_journal();
    ASSERT_TRUE(forms.journal().isVisible());
    forms.dispatcher().apply(zun::input::Lesson{zun::LessonKind::Exam});
    EXPECT_FALSE(forms.video_menu().isVisible());
    EXPECT_FALSE(forms.journal().isVisible());

    ui_port.calls.clear();
    QTest::mousePress(forms.start().Label3, Qt::LeftButton);
    QTest::mousePress(forms.start().Shape5, Qt::LeftButton);
    QTest::mouseRelease(forms.start().Shape5, Qt::LeftButton);
    forms.show_journal();
    EXPECT_EQ(ui_port.calls,
              (std::vector<std::string>{"message_box Во время экзамена справка недоступна.",
                                        "message_box Во время экзамена видеоролики недоступны."}));
    EXPECT_FALSE(forms.video_menu().isVisible());
    EXPECT_FALSE(forms.journal().isVisible());

    forms.dispatcher().apply(zun::input::Lesson{zun::LessonKind::Training});
    forms.show_journal();
    EXPECT_TRUE(forms.journal().isVisible()) << "back in training";
}

TEST_F(FormsTest, ClosingTheStartWindowEndsTheProgramWhileOthersAreVisible)
{
    forms.main().show();
    forms.target().show();
    bool ended_by_guard = false;
    QTimer::singleShot(0, forms.start().Button2, &QPushButton::click);
    // Only reached when closing failed to end the loop.
    QTimer::singleShot(10000, qApp, [&ended_by_guard] {
        ended_by_guard = true;
        QCoreApplication::exit(1);
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(ended_by_guard);
    EXPECT_FALSE(forms.start().isVisible());
}

TEST(FontsTest, EveryWindowWritesInTahoma)
{
    EXPECT_EQ(QApplication::font().family(), "Tahoma");
    zun::RecordingUiPort ui_port;
    const Forms forms(ui_port);
    EXPECT_EQ(forms.start().Label1->font().family(), "Tahoma");
}

// How much ink a text takes in a font, black on white.
double ink_of(const QString &text, const QFont &font)
{
    QImage image(900, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(5, 60, text);
    painter.end();
    double ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += (255 - qGray(image.pixel(x, y))) / 255.0;
    return ink;
}

// The texts described as bold are drawn visibly heavier than their regular face.
TEST(FontsTest, BoldTextsAreDrawnBold)
{
    zun::RecordingUiPort ui_port;
    const Forms forms(ui_port);
    MainCommands &commands = *forms.main().commands;
    const QWidget *bold_texts[] = {forms.start().Button2, commands.Button_Steps,
                                   commands.Label_Current_Step};
    for (const QWidget *widget : bold_texts) {
        const_cast<QWidget *>(widget)->ensurePolished();
        const QString text = QString::fromUtf8("что делать Шаг X");
        const QFont font = widget->font();
        SCOPED_TRACE(widget->metaObject()->className());
        EXPECT_TRUE(font.bold());
        QFont regular = font;
        regular.setBold(false);
        EXPECT_GT(ink_of(text, font), 1.25 * ink_of(text, regular));
    }
}

} // namespace
