#include "Unit_main.h"

#include "console/caption_label.h"
#include "console/key_frame.h"
#include "sim/console_layout.h"
#include "ui/Unit_hand.h"
#include "ui/Unit_target.h"
#include "ui/key_tip.h"
#include "ui/main_commands.h"
#include "ui/posts_panel.h"
#include "ui/scene_view.h"
#include "ui/window_setup.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QShowEvent>

#include <algorithm>

namespace {

constexpr int client_range_width = 1050;
constexpr int client_range_height = 730;
constexpr int pause_band_height = 56;

} // namespace

TForm_Main_ZUN::TForm_Main_ZUN(zun::Door door, Windows windows, ViewClock &clock, QWidget *parent)
    : QWidget(parent), sim(door.model()), Panel_Image_Scene(nullptr), Panel_Posts(nullptr),
      commands(nullptr), key_tip(nullptr), door_(door), windows_(windows),
      scroll_area_(new QScrollArea(this)), client_(new QWidget),
      pause_band_(new QLabel(QStringLiteral("ПАУЗА"), this))
{
    setup_window(*this, QStringLiteral("Form_Main_ZUN"), {1024, 760});
    setAttribute(Qt::WA_AlwaysShowToolTips);
    scroll_area_->setWidget(client_);
    scroll_area_->setFrameShape(QFrame::NoFrame);

    // In layer order: the close-ups lie over the scene and the posts.
    Panel_Image_Scene = new PanelView(door, *sim.Panel_Image_Scene, client_);
    Panel_Posts = new PostsPanel(door, clock, client_);
    key_tip = new KeyTip(sim, *Panel_Posts, clock, this);
    for (const zun::Panel *close_up :
         {sim.Panel_Kromkomotalka.get(), sim.Panel_70_mech.get(), sim.Panel_5_mech.get()})
        close_ups.push_back(new PanelView(door, *close_up, client_));
    commands = new MainCommands(door, {windows.steps, windows.status}, client_);
    const zun::Rect posts = zun::console::posts_panel_place;
    Panel_Posts->move(on_client(posts.left, posts.top));
    size_client();
    for (QScrollBar *bar : {scroll_area_->horizontalScrollBar(), scroll_area_->verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, &TForm_Main_ZUN::scrolled);

    pause_band_->setObjectName(QStringLiteral("Pause_Band"));
    pause_band_->setAlignment(Qt::AlignCenter);
    pause_band_->setStyleSheet(QStringLiteral("background-color: rgba(200, 0, 0, 210); color: "
                                              "white; font-size: 30px; font-weight: bold;"));
    pause_band_->hide();
    auto *instructor = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_I), this);
    instructor->setContext(Qt::WindowShortcut);
    connect(instructor, &QShortcut::activated, this, &TForm_Main_ZUN::instructor_requested);
}

void TForm_Main_ZUN::set_paused(bool paused)
{
    place_pause_band();
    pause_band_->setVisible(paused);
    if (paused)
        pause_band_->raise();
}

bool TForm_Main_ZUN::paused() const
{
    return !pause_band_->isHidden();
}

void TForm_Main_ZUN::place_pause_band()
{
    pause_band_->setGeometry(0, 0, width(), pause_band_height);
}

// The pages in front are shown with the window, before it.
void TForm_Main_ZUN::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The bars get their ranges only once the window is laid out, at its first showing; later
    // showings keep the trainee's scroll.
    if (!opened_) {
        opened_ = true;
        size_client();
        scroll_area_->horizontalScrollBar()->setValue(opening_scroll);
    }
    if (!event->spontaneous())
        door_.apply(zun::input::MainWindow{true});
}

void TForm_Main_ZUN::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        door_.apply(zun::input::MainWindow{false});
}

void TForm_Main_ZUN::scrolled()
{
    const int x = scroll_area_->horizontalScrollBar()->value();
    const int y = scroll_area_->verticalScrollBar()->value();
    if (x != sim.main_window_scroll_x || y != sim.main_window_scroll_y)
        door_.apply(zun::input::MainWindowScroll{x, y});
}

void TForm_Main_ZUN::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    scroll_area_->setGeometry(rect());
    place_pause_band();
    size_client();
    if (width() != sim.main_window_width)
        door_.apply(zun::input::MainWindowWidth{width()});
}

void TForm_Main_ZUN::place_as_model()
{
    resize(sim.main_window_width, height());
    scroll_area_->horizontalScrollBar()->setValue(sim.main_window_scroll_x);
    scroll_area_->verticalScrollBar()->setValue(sim.main_window_scroll_y);
}

// The client area reaches at least the scroll of the opening view beyond the visible width, so
// that the trainee can scroll back to its left edge. The visible width is taken from the
// window's own size: the viewport follows it only once laid out.
void TForm_Main_ZUN::size_client()
{
    const int visible_width = scroll_area_->maximumViewportSize().width();
    client_->resize(std::max(client_range_width, visible_width + opening_scroll),
                    client_range_height);
}

void TForm_Main_ZUN::refresh_from_model()
{
    Panel_Image_Scene->sync();
    for (PanelView *close_up : close_ups)
        close_up->sync();
    Panel_Posts->sync();
    commands->refresh();
}

void TForm_Main_ZUN::show_mistake_notice(const QString &text)
{
    commands->show_mistake_notice(text);
}

void TForm_Main_ZUN::flash_keys_of(int mech)
{
    Panel_Posts->sync();
    KeyFrame *last = nullptr;
    for (const PostsPanel::Frame &frame : Panel_Posts->frames()) {
        if (!frame.key || frame.key->Label1->tag != mech)
            continue;
        frame.key->flash_caption();
        last = frame.key;
    }
    if (last)
        point_hand_at(*last);
}

void TForm_Main_ZUN::point_hand_at_bell()
{
    Panel_Posts->sync();
    for (const PostsPanel::Frame &frame : Panel_Posts->frames())
        if (frame.control->bell)
            point_hand_at(*frame.widget);
}

void TForm_Main_ZUN::point_hand_at(const QWidget &control)
{
    TForm_Hand &hand = windows_.hand;
    hand.show();
    hand.raise();
    const QPoint on_control(control.width() / 2, control.height() - control.height() / 4);
    hand.move(control.mapToGlobal(on_control) - TForm_Hand::fingertip());
}

void TForm_Main_ZUN::point_hand_below(const QWidget &control)
{
    TForm_Hand &hand = windows_.hand;
    hand.show();
    hand.raise();
    const QPoint below = control.mapToGlobal(QPoint(control.width() / 2, control.height()));
    hand.move(below - TForm_Hand::fingertip());
}

// Taken from the model's places rather than from the views, which follow them only after
// the clock's step.
void TForm_Main_ZUN::f_Place_Target()
{
    TForm_Target &target = windows_.target;
    const zun::Picture &first = *sim.Mech_Array[sim.Cur_Mech]->Image_Pos[0];
    const zun::Panel &holder = first.panel();
    if (&holder == sim.Panel_Image_Sours)
        return;
    const QPoint centre = on_client(holder.left() + first.left() + first.width() / 2,
                                    holder.top() + first.top() + first.height() / 2);
    const QPoint marker_half(target.width() / 2, target.height() / 2);
    target.move(client_->mapToGlobal(centre) - marker_half);
}
