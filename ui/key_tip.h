#pragma once

#include "console/view_clock.h"

#include <QLabel>
#include <QObject>

#include <memory>

namespace zun {
class LineModel;
}
class PostsPanel;

// The key tip of training: the first time in a session that the pointer rests on a console key,
// a short note says which mouse button turns that key which way. It is not shown while the
// model's key tips are off, and only once. The note goes after a while on `clock`.
class KeyTip final : public QObject {
    Q_OBJECT

public:
    KeyTip(const zun::LineModel &sim, const PostsPanel &posts, ViewClock &clock, QObject *parent);

    // The note, shown beside the key; null until the first tip.
    QLabel *note() const { return note_.get(); }
    bool shown() const { return shown_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show_for(QWidget &caption, const QString &text);

    const zun::LineModel &sim_;
    const PostsPanel &posts_;
    std::unique_ptr<QLabel> note_; // a window of its own
    ViewTimer note_ends_;
    const QObject *tipped_caption_ = nullptr;
    bool shown_ = false;
};
