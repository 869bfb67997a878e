#include "pointer_targets.h"

#include "app/Unit_start.h"
#include "app/forms.h"
#include "app/start_controls.h"
#include "sim/console_layout.h"
#include "ui/Unit_main.h"
#include "ui/Unit_steps.h"
#include "ui/main_commands.h"
#include "ui/posts_panel.h"
#include "ui/scene_view.h"
#include "ui/wrapped_button.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include <limits>

namespace {

using Place = std::optional<QPoint>;

// A point of a widget, on the screen; nothing while it is not shown.
Place on_screen(const QWidget &widget, QPoint inside)
{
    if (!widget.isVisible())
        return std::nullopt;
    return widget.mapToGlobal(inside);
}

Place middle_of(const QWidget *widget)
{
    if (!widget)
        return std::nullopt;
    return on_screen(*widget, widget->rect().center());
}

Place control(const Forms &forms, int row)
{
    const zun::console::Control &wanted = zun::console::controls()[static_cast<std::size_t>(row)];
    for (const PostsPanel::Frame &frame : forms.main().Panel_Posts->frames())
        if (frame.control == &wanted)
            return middle_of(frame.widget);
    return std::nullopt;
}

Place tab(const Forms &forms, int row)
{
    const zun::console::Page &page = zun::console::pages()[static_cast<std::size_t>(row)];
    const PostsPanel &posts = *forms.main().Panel_Posts;
    const QTabWidget *tabs = posts.page_control(page.page_control);
    const ConsolePage *sheet = posts.page(page.name);
    if (!tabs || !sheet)
        return std::nullopt;
    const int index = tabs->indexOf(sheet);
    if (index < 0)
        return std::nullopt;
    return on_screen(*tabs->tabBar(), tabs->tabBar()->tabRect(index).center());
}

// Where a picture can be clicked: the point nearest its middle that no picture above covers.
QPoint uncovered_point(const PanelView &view, const zun::Picture &picture)
{
    const QRect area(picture.left(), picture.top(), picture.width(), picture.height());
    QPoint best = area.center();
    int best_distance = std::numeric_limits<int>::max();
    constexpr int steps = 8;
    for (int i = 0; i <= steps; ++i)
        for (int j = 0; j <= steps; ++j) {
            const QPoint at(area.left() + area.width() * i / steps,
                            area.top() + area.height() * j / steps);
            const int distance = (at - area.center()).manhattanLength();
            if (distance < best_distance && view.panel().picture_at(at.x(), at.y()) == &picture) {
                best = at;
                best_distance = distance;
            }
        }
    return best;
}

// A picture of the scene or of a close-up; with `from_left` the point that far from its left
// edge, at half its height.
Place picture(const Forms &forms, std::string_view name, std::optional<int> from_left = {})
{
    std::vector<const PanelView *> views{forms.main().Panel_Image_Scene};
    views.insert(views.end(), forms.main().close_ups.begin(), forms.main().close_ups.end());
    for (const PanelView *view : views)
        for (const zun::Picture *shown : view->panel().pictures())
            if (shown->name() == name) {
                if (from_left)
                    return on_screen(*view, QPoint(shown->left() + *from_left,
                                                   shown->top() + shown->height() / 2));
                return on_screen(*view, uncovered_point(*view, *shown));
            }
    return std::nullopt;
}

Place close_up(const Forms &forms, std::string_view panel, std::optional<int> from_left = {})
{
    for (const PanelView *view : forms.main().close_ups)
        if (view->panel().name() == panel)
            return from_left ? on_screen(*view, QPoint(*from_left, view->height() / 2))
                             : middle_of(view);
    return std::nullopt;
}

Place step_line(const Forms &forms, int line)
{
    const StepsList &list = *forms.steps().ListBox_Steps;
    const QListWidgetItem *item = list.item(line);
    if (!item)
        return std::nullopt;
    QRect row = list.visualItemRect(item);
    row.setWidth(std::min(row.width(), 360));
    return on_screen(*list.viewport(), row.center());
}

// "пройти стадию": the steps window's when it is open, otherwise the main window's.
Place pass_button(const Forms &forms)
{
    if (forms.steps().isVisible())
        return middle_of(forms.steps().Button_f_switch_Iskusstvenno_Proyti_Tekuschuyu_Stadiyu);
    return middle_of(forms.main().commands->Button_f_switch_Iskusstvenno_Proyti_Tekuschuyu_Stadiyu);
}

struct Target {
    const Forms &forms;

    Place operator()(const zun::input::ControlPress &press) const
    {
        return control(forms, press.control);
    }
    Place operator()(const zun::input::ControlRelease &release) const
    {
        return control(forms, release.control);
    }
    Place operator()(const zun::input::ControlMove &move) const
    {
        return control(forms, move.control);
    }
    Place operator()(const zun::input::TabChosen &chosen) const { return tab(forms, chosen.page); }
    Place operator()(const zun::input::SelectMode &select) const
    {
        return middle_of(forms.steps().RadioGroup1->button(static_cast<int>(select.mode)));
    }
    Place operator()(const zun::input::StepClick &click) const
    {
        return step_line(forms, click.line);
    }
    Place operator()(const zun::input::Pass &) const { return pass_button(forms); }
    Place operator()(const zun::input::Stop &) const { return middle_of(forms.steps().Button1); }
    Place operator()(const zun::input::StepsWindow &window) const
    {
        return window.shown ? middle_of(forms.main().commands->Button_Steps) : std::nullopt;
    }
    Place operator()(const zun::input::MainWindow &window) const
    {
        return window.shown ? middle_of(forms.start().Shape2) : std::nullopt;
    }
    Place operator()(const zun::input::PictureClick &click) const
    {
        return picture(forms, click.picture);
    }
    Place operator()(const zun::input::PictureHover &hover) const
    {
        return picture(forms, hover.picture);
    }
    Place operator()(const zun::input::ForegroundPress &press) const
    {
        return picture(forms, "Image_Fon2", press.x);
    }
    Place operator()(const zun::input::SceneDragPress &press) const
    {
        return picture(forms, "Label10", press.x);
    }
    Place operator()(const zun::input::SceneDragMove &move) const
    {
        return picture(forms, "Label10", move.x);
    }
    Place operator()(const zun::input::CloseUpPress &press) const
    {
        return close_up(forms, press.panel, press.x);
    }
    Place operator()(const zun::input::CloseUpDrag &drag) const
    {
        return close_up(forms, drag.panel, drag.x);
    }
    Place operator()(const zun::input::CloseUpClick &click) const
    {
        return close_up(forms, click.panel);
    }
    Place operator()(const zun::input::FindPick &) const
    {
        return middle_of(forms.main().commands->ComboBox_Find_Mech);
    }
    Place operator()(const zun::input::NewCoil &) const
    {
        return middle_of(forms.main().commands->Button_Get_Rulon);
    }
    // No place of their own: the pointer stays where it is.
    template <typename Other> Place operator()(const Other &) const { return std::nullopt; }
};

} // namespace

std::optional<QPoint> pointer_target(const Forms &forms, const zun::Input &input)
{
    return std::visit(Target{forms}, input);
}
