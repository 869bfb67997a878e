#include "demo_player.h"

#include "app/Unit_start.h"
#include "app/forms.h"
#include "sessions/input_lines.h"
#include "tools/video/pointer_targets.h"
#include "tools/video/video_ui_port.h"
#include "ui/Unit_hand.h"
#include "ui/Unit_main.h"
#include "ui/Unit_status_mech_array.h"
#include "ui/Unit_steps.h"
#include "ui/Unit_target.h"
#include "ui/Unit_videomenu.h"
#include "ui/main_commands.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineF>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <stdexcept>

namespace {

constexpr zun::Millis glide_ms = 700;
// Long enough to read the names around the one about to be picked.
constexpr zun::Millis find_list_ms = 900;
constexpr zun::Millis rest_before_input_ms = 120;
constexpr zun::Millis click_shown_ms = 200;
constexpr zun::Millis box_shown_ms = 3000;

// The held button an input starts (or ends, with None), or a click that shows its button.
struct Buttons {
    std::optional<video::Held> held;
    bool click = false;
};

video::Held held_of(zun::MouseButton button)
{
    return button == zun::MouseButton::Right ? video::Held::Right : video::Held::Left;
}

Buttons buttons_of(const zun::Input &input)
{
    using namespace zun::input;
    if (const auto *press = std::get_if<ControlPress>(&input))
        return {held_of(press->button)};
    if (std::holds_alternative<ControlRelease>(input) || std::holds_alternative<DragRelease>(input))
        return {video::Held::None};
    if (std::holds_alternative<SceneDragPress>(input) ||
        std::holds_alternative<CloseUpPress>(input) ||
        std::holds_alternative<ForegroundPress>(input))
        return {video::Held::Left};
    const bool moves_only =
        std::holds_alternative<ControlMove>(input) || std::holds_alternative<PictureHover>(input) ||
        std::holds_alternative<SceneDragMove>(input) ||
        std::holds_alternative<CloseUpDrag>(input) || std::holds_alternative<BarePageMove>(input);
    return {std::nullopt, !moves_only};
}

} // namespace

DemoPlayer::DemoPlayer(Forms &forms, VideoUiPort &ui, FrameSink frames)
    : forms_(forms), ui_(ui), frames_(std::move(frames)),
      pointer_(QPointF(video::frame_size.width() * 0.6, video::frame_size.height() * 0.6))
{
}

void DemoPlayer::play(const zun::video::DemoScript &script, zun::Millis limit_ms)
{
    limit_ = forms_.sim().scheduler.now() + limit_ms;
    next_frame_ = forms_.sim().scheduler.now();
    settle();
    for (std::size_t i = 0; i < script.steps.size() && next_frame_ <= limit_; ++i) {
        const zun::video::DemoStep &step = script.steps[i];
        if (const auto *advance_by = std::get_if<zun::video::Advance>(&step))
            advance(advance_by->ms, next_input(script, i + 1));
        else if (const auto *caption = std::get_if<zun::video::Caption>(&step))
            caption_ = QString::fromStdString(caption->text);
        else if (const auto *where = std::get_if<zun::video::Place>(&step))
            place(*where);
        else if (const auto *point = std::get_if<zun::video::Point>(&step))
            pointer_.glide(forms_.sim().scheduler.now(), forms_.sim().scheduler.now() + glide_ms,
                           QPointF(point->x, point->y));
        else
            apply(parse(std::get<zun::video::InputLine>(step)));
    }
}

// Frames every 40 ms of the interval; in its last moments the pointer glides to where the next
// input happens, as seen when the glide starts.
void DemoPlayer::advance(zun::Millis ms, const std::optional<zun::Input> &next)
{
    zun::Dispatcher &clock = forms_.dispatcher();
    const zun::Millis end = clock.now() + ms;
    const bool picks_in_find_list = next && std::holds_alternative<zun::input::FindPick>(*next);
    const zun::Millis glide_end =
        std::max(clock.now(), end - (picks_in_find_list ? find_list_ms : rest_before_input_ms));
    const zun::Millis glide_start = std::max(clock.now(), glide_end - glide_ms);
    bool glide_planned = !next;
    while (next_frame_ <= end && next_frame_ <= limit_) {
        if (!glide_planned && next_frame_ >= glide_start) {
            if (const auto *click = std::get_if<zun::input::StepClick>(&*next))
                bring_line_into_view(click->line);
            if (const auto target = pointer_target(forms_, *next))
                pointer_.glide(clock.now(), std::max(clock.now(), glide_end), *target);
            if (const auto *pick = std::get_if<zun::input::FindPick>(&*next)) {
                find_list_opens_at_ = glide_end;
                find_list_item_ = pick->item;
            }
            glide_planned = true;
        }
        if (find_list_opens_at_ && next_frame_ >= *find_list_opens_at_) {
            open_find_list(find_list_item_);
            find_list_opens_at_.reset();
        }
        move_clocks_to(next_frame_);
        settle();
        write_frame();
        next_frame_ += frame_ms;
    }
    move_clocks_to(std::min(end, std::max(clock.now(), limit_)));
    settle();
}

// The windows' animations keep the model's pace, so that a frame shows the same however long
// the machine took to make it.
void DemoPlayer::move_clocks_to(zun::Millis time)
{
    zun::Dispatcher &model = forms_.dispatcher();
    const zun::Millis before = model.now();
    model.advance_to(time);
    ViewClock &views = forms_.view_clock();
    views.advance_to(views.now() + (model.now() - before));
}

void DemoPlayer::apply(const zun::Input &input)
{
    const zun::Millis now = forms_.sim().scheduler.now();
    // The steps window's poll may have scrolled the list since the glide began.
    if (const auto *click = std::get_if<zun::input::StepClick>(&input))
        bring_line_into_view(click->line);
    // A target the glide did not reach (two inputs too close together) is jumped to; a pick in
    // the find box happens on its list's line, not on the box.
    const auto target = pointer_target(forms_, input);
    if (target && !std::holds_alternative<zun::input::FindPick>(input) &&
        QLineF(pointer_.at(now), *target).length() > 2)
        pointer_.glide(now, now, *target);
    // Showing, hiding, scrolling and sizing go through the windows, which tell the model
    // themselves; so does a line of the steps list, whose window also shows its explanation.
    if (const auto *steps = std::get_if<zun::input::StepsWindow>(&input)) {
        forms_.steps().setVisible(steps->shown);
    } else if (const auto *click = std::get_if<zun::input::StepClick>(&input)) {
        StepsList &list = *forms_.steps().ListBox_Steps;
        list.setCurrentRow(click->line);
        list.on_click(click->line);
    } else if (const auto *main = std::get_if<zun::input::MainWindow>(&input)) {
        forms_.main().setVisible(main->shown);
    } else if (const auto *scroll = std::get_if<zun::input::MainWindowScroll>(&input)) {
        scroll_main_window(*scroll);
    } else if (const auto *width = std::get_if<zun::input::MainWindowWidth>(&input)) {
        forms_.main().resize(width->width, forms_.main().height());
    } else {
        forms_.dispatcher().apply(input);
    }
    show_pick(input);
    const Buttons buttons = buttons_of(input);
    if (buttons.held)
        held_ = *buttons.held;
    if (buttons.click) {
        clicked_ = video::Held::Left;
        click_shown_until_ = now + click_shown_ms;
    }
    settle();
}

// The main window's own scroll bars move, and the window tells the model.
void DemoPlayer::scroll_main_window(const zun::input::MainWindowScroll &scroll)
{
    auto *area = forms_.main().findChild<QScrollArea *>();
    if (!area)
        throw std::logic_error("the main window has no scroll area");
    area->horizontalScrollBar()->setValue(scroll.x);
    area->verticalScrollBar()->setValue(scroll.y);
}

// The trainee scrolls the steps list to a line before clicking it.
void DemoPlayer::bring_line_into_view(int line)
{
    StepsList &list = *forms_.steps().ListBox_Steps;
    if (QListWidgetItem *item = list.item(line)) {
        list.scrollToItem(item, QAbstractItemView::EnsureVisible);
        QApplication::processEvents();
    }
}

// The drop-down of the find box, open at the item about to be picked, as the trainee sees it
// before the click.
void DemoPlayer::open_find_list(int item)
{
    QComboBox &find = *forms_.main().commands->ComboBox_Find_Mech;
    find.showPopup();
    const QModelIndex index = find.model()->index(item, find.modelColumn());
    find.view()->setCurrentIndex(index);
    find.view()->scrollTo(index, QAbstractItemView::PositionAtCenter);
    QApplication::processEvents();
    const QRect line = find.view()->visualRect(index);
    const zun::Millis now = forms_.sim().scheduler.now();
    pointer_.glide(now, now + find_list_ms - rest_before_input_ms,
                   find.view()->viewport()->mapToGlobal(line.center()));
}

// The find box shows the name picked; its list closes.
void DemoPlayer::show_pick(const zun::Input &input)
{
    const auto *pick = std::get_if<zun::input::FindPick>(&input);
    if (!pick)
        return;
    QComboBox &find = *forms_.main().commands->ComboBox_Find_Mech;
    find.hidePopup();
    find.setCurrentIndex(pick->item);
}

void DemoPlayer::place(const zun::video::Place &where)
{
    QWidget *window = where.window == "steps"    ? static_cast<QWidget *>(&forms_.steps())
                      : where.window == "status" ? static_cast<QWidget *>(&forms_.status())
                      : where.window == "main"   ? static_cast<QWidget *>(&forms_.main())
                      : where.window == "videos" ? static_cast<QWidget *>(&forms_.video_menu())
                                                 : static_cast<QWidget *>(&forms_.start());
    window->move(where.x, where.y);
}

// The windows follow the model, their own timers and layouts run, a box the model asked for
// goes again after a while.
void DemoPlayer::settle()
{
    forms_.refresh();
    QApplication::processEvents();
    const zun::Millis now = forms_.sim().scheduler.now();
    if (!ui_.message_box_shown())
        box_shown_since_.reset();
    else if (!box_shown_since_)
        box_shown_since_ = now;
    else if (now - *box_shown_since_ >= box_shown_ms)
        ui_.close_message_boxes();
}

void DemoPlayer::write_frame()
{
    frames_({next_frame_, windows_bottom_up(), {pointer_.at(next_frame_), held_now(), caption_}});
}

video::Held DemoPlayer::held_now() const
{
    if (held_ != video::Held::None)
        return held_;
    return next_frame_ < click_shown_until_ ? clicked_ : video::Held::None;
}

// As they stack on the screen: the start screen under the main window, the marker and the hand
// over it but below the steps window, whose explanation the captions talk about, then whatever
// the windows opened (a drop-down, a box).
std::vector<QWidget *> DemoPlayer::windows_bottom_up() const
{
    std::vector<QWidget *> windows{&forms_.start(), &forms_.main(),   &forms_.status(),
                                   &forms_.video_menu(), &forms_.target(), &forms_.hand(),
                                   &forms_.steps()};
    const std::vector<QWidget *> own = forms_.windows();
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && std::find(own.begin(), own.end(), window) == own.end())
            windows.push_back(window);
    return windows;
}

zun::Input DemoPlayer::parse(const zun::video::InputLine &line) const
{
    const std::string where = "line " + std::to_string(line.number) + ": ";
    try {
        if (auto input =
                zun::script::parse_input(zun::script::split(line.text), forms_.sim().pictures))
            return *input;
    } catch (const zun::script::BadLine &bad) {
        throw std::runtime_error(where + bad.what());
    }
    throw std::runtime_error(where + "'" + line.text + "' is no input");
}

std::optional<zun::Input> DemoPlayer::next_input(const zun::video::DemoScript &script,
                                                 std::size_t from) const
{
    for (std::size_t i = from; i < script.steps.size(); ++i) {
        if (std::holds_alternative<zun::video::Advance>(script.steps[i]))
            return std::nullopt; // the next input is after another interval
        if (const auto *line = std::get_if<zun::video::InputLine>(&script.steps[i]))
            return parse(*line);
    }
    return std::nullopt;
}
