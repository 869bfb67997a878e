#pragma once

#include <QLabel>
#include <QObject>

#include <memory>

namespace zun {
class TSimulator;
}
class TPanel_Posts;

// The key tip of training: the first time in a session that the pointer rests on a console key,
// a short note says which mouse button turns that key which way. It is not shown while the
// model's key tips are off, and only once.
class TKeyTip final : public QObject {
    Q_OBJECT

public:
    TKeyTip(const zun::TSimulator &sim, const TPanel_Posts &posts, QObject *parent);

    // The note, shown beside the key; null until the first tip.
    QLabel *note() const { return note_.get(); }
    bool shown() const { return shown_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show_for(QWidget &caption, const QString &text);

    const zun::TSimulator &sim_;
    const TPanel_Posts &posts_;
    std::unique_ptr<QLabel> note_; // a window of its own
    const QObject *tipped_caption_ = nullptr;
    bool shown_ = false;
};
