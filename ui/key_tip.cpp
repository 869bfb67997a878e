#include "key_tip.h"

#include "console/caption_label.h"
#include "console/key_frame.h"
#include "sim/console_layout.h"
#include "sim/line_model.h"
#include "training/explanations.h"
#include "ui/posts_panel.h"

#include <QEvent>

namespace {

constexpr int note_width = 300;
constexpr int note_lasts_ms = 8000;

} // namespace

KeyTip::KeyTip(const zun::LineModel &sim, const PostsPanel &posts, ViewClock &clock,
               QObject *parent)
    : QObject(parent), sim_(sim), posts_(posts),
      note_ends_(clock, note_lasts_ms, ViewTimer::Shots::Single, [this] { note_->hide(); })
{
    for (const PostsPanel::Frame &frame : posts.frames())
        if (frame.key)
            frame.key->Label1->installEventFilter(this);
}

// A rest of the pointer arrives as a tooltip event; the key's own hint waits for later rests.
bool KeyTip::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Leave && note_ && watched == tipped_caption_)
        note_->hide();
    if (event->type() != QEvent::ToolTip || shown_ || !sim_.key_tips)
        return false;
    for (const PostsPanel::Frame &frame : posts_.frames()) {
        if (!frame.key || frame.key->Label1 != watched)
            continue;
        show_for(*frame.key->Label1,
                 QString::fromStdString(zun::training::key_tip(*frame.control)));
        return true;
    }
    return false;
}

void KeyTip::show_for(QWidget &caption, const QString &text)
{
    shown_ = true;
    tipped_caption_ = &caption;
    note_ = std::make_unique<QLabel>(text, nullptr, Qt::ToolTip);
    note_->setObjectName(QStringLiteral("Key_Tip"));
    note_->setWordWrap(true);
    note_->setFixedWidth(note_width);
    note_->setMargin(6);
    note_->setStyleSheet(QStringLiteral("background: rgb(255, 255, 225); color: black; "
                                        "border: 1px solid gray;"));
    note_->adjustSize();
    note_->move(caption.mapToGlobal(QPoint(caption.width(), 0)));
    note_->show();
    note_ends_.start();
}
