#include "Unit_main.h"

#include "app/forms.h"
#include "assets/pointer_art.h"
#include "console/caption_label.h"
#include "console/key_frame.h"
#include "sim/console_layout.h"
#include "ui/Unit_hand.h"
#include "ui/Unit_main_commands.h"
#include "ui/Unit_posts.h"
#include "ui/Unit_target.h"
#include "ui/scene_view.h"
#include "ui/window_setup.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>

#include <algorithm>

namespace {

constexpr int client_range_width = 1050;
constexpr int client_range_height = 730;

} // namespace

TForm_Main_ZUN::TForm_Main_ZUN(zun::UiPort &ui_port, QWidget *parent)
    : QWidget(parent), sim(ui_port), Panel_Image_Scene(nullptr), Panel_Posts(nullptr),
      commands(nullptr), scroll_area_(new QScrollArea(this)), client_(new QWidget)
{
    setup_window(*this, QStringLiteral("Form_Main_ZUN"), {1024, 760});
    setAttribute(Qt::WA_AlwaysShowToolTips);
    scroll_area_->setWidget(client_);
    scroll_area_->setFrameShape(QFrame::NoFrame);

    // In layer order: the close-ups lie over the scene and the posts.
    Panel_Image_Scene = new TPanelView(sim, *sim.Panel_Image_Scene, client_);
    Panel_Posts = new TPanel_Posts(sim, client_);
    for (zun::Panel *close_up : {sim.Panel_Kromkomotalka, sim.Panel_70_mech, sim.Panel_5_mech})
        close_ups.push_back(new TPanelView(sim, *close_up, client_));
    commands = new TMainCommands(sim, client_);
    commands->after_input = [this] { refresh_from_model(); };
    Panel_Image_Scene->after_input = [this] { refresh_from_model(); };
    for (TPanelView *close_up : close_ups)
        close_up->after_input = [this] { refresh_from_model(); };
    const zun::Rect posts = zun::console::posts_panel_place;
    Panel_Posts->move(on_client(posts.left, posts.top));
    Panel_Posts->on_page_shown = [this](TConsolePage &page) { TabSheet_Post1_Pult_1Show(page); };
    Panel_Posts->on_bare_page_move = [this](TConsolePage &page) { bare_page_moved(page); };
    size_client();
}

// The window's widgets run timers on the model's clock: they go before the model does.
TForm_Main_ZUN::~TForm_Main_ZUN()
{
    qDeleteAll(findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
}

void TForm_Main_ZUN::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The bars get their ranges only once the window is laid out, at its first showing; later
    // showings keep the trainee's scroll.
    if (!opened_) {
        opened_ = true;
        size_client();
        scroll_area_->horizontalScrollBar()->setValue(Opening_Scroll);
    }
    if (!event->spontaneous())
        FormShow();
}

void TForm_Main_ZUN::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    scroll_area_->setGeometry(rect());
    size_client();
}

// The client area reaches at least the scroll of the opening view beyond the visible width, so
// that the trainee can scroll back to its left edge. The visible width is taken from the
// window's own size: the viewport follows it only once laid out.
void TForm_Main_ZUN::size_client()
{
    const int visible_width = scroll_area_->maximumViewportSize().width();
    client_->resize(std::max(client_range_width, visible_width + Opening_Scroll),
                    client_range_height);
}

void TForm_Main_ZUN::refresh_from_model()
{
    Panel_Image_Scene->sync();
    for (TPanelView *close_up : close_ups)
        close_up->sync();
    commands->refresh();
}

// Every showing puts the steps window back into the first working mode.
void TForm_Main_ZUN::FormShow()
{
    sim.f_Select_Working_Mode(0);
}

void TForm_Main_ZUN::TabSheet_Post1_Pult_1Show(TConsolePage &page)
{
    sim.f_Page_Shown(page.tag(), width());
}

// Pointing at the bare page of a drum's console closes that drum's close-up.
void TForm_Main_ZUN::bare_page_moved(TConsolePage &page)
{
    if (page.name() == "TabSheet_Post1_Pult_1")
        sim.Panel_5_mech->set_visible(false);
    else if (page.name() == "TabSheet_Post2_Pult_3")
        sim.Panel_70_mech->set_visible(false);
}

void TForm_Main_ZUN::f_Show_Key_Of_Cur_Mech()
{
    const TKeyFrame *last = nullptr;
    for (const TPanel_Posts::Frame &frame : Panel_Posts->frames()) {
        if (!frame.key || frame.key->Label1->tag != sim.Cur_Mech)
            continue;
        Panel_Posts->bring_forward(*frame.page);
        frame.key->f_Highlight();
        last = frame.key;
    }
    if (last)
        f_Point_Hand_At(*last);
}

void TForm_Main_ZUN::f_Show_Bell_Page_And_Hand()
{
    for (const TPanel_Posts::Frame &frame : Panel_Posts->frames()) {
        if (!frame.control->bell)
            continue;
        Panel_Posts->bring_forward(*frame.page);
        f_Point_Hand_At(*frame.widget);
    }
}

void TForm_Main_ZUN::f_Point_Hand_At(const QWidget &control)
{
    if (!Form_Hand)
        return;
    Form_Hand->show();
    Form_Hand->raise();
    const QPoint on_control(control.width() / 2, control.height() - control.height() / 4);
    const QPointF tip = art::pointing_hand_fingertip(QSizeF(Form_Hand->size()));
    Form_Hand->move(control.mapToGlobal(on_control) - tip.toPoint());
}

// Taken from the model's places rather than from the views, which follow them only after
// the clock's step.
void TForm_Main_ZUN::f_Place_Target()
{
    if (!Form_Target)
        return;
    const zun::Picture &first = *sim.Mech_Array[sim.Cur_Mech]->Image_Pos[0];
    const zun::Panel &holder = first.panel();
    if (&holder == sim.Panel_Image_Sours)
        return;
    const QPoint centre = on_client(holder.left() + first.left() + first.width() / 2,
                                    holder.top() + first.top() + first.height() / 2);
    const QPoint marker_half(Form_Target->width() / 2, Form_Target->height() / 2);
    Form_Target->move(client_->mapToGlobal(centre) - marker_half);
}
