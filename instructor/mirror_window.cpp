#include "mirror_window.h"

#include "instructor/class_room.h"
#include "instructor/class_rows.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

int whole_seconds(zun::Millis time)
{
    return static_cast<int>(time / 1000);
}

} // namespace

MirrorWindow::MirrorWindow(ClassRoom &room, QString station, QWidget *parent)
    : QWidget(parent, Qt::Window), room_(room), station_(std::move(station)), heading_(new QLabel),
      state_(new QLabel), slider_(new QSlider(Qt::Horizontal)),
      play_(new QPushButton(QStringLiteral("Воспроизвести"))),
      follow_(new QPushButton(QStringLiteral("Следить")))
{
    setWindowTitle(QStringLiteral("Наблюдение: %1").arg(station_));
    setAttribute(Qt::WA_DeleteOnClose);
    heading_->setObjectName(QStringLiteral("Label_Heading"));
    state_->setObjectName(QStringLiteral("Label_State"));
    slider_->setObjectName(QStringLiteral("Slider_Position"));
    play_->setObjectName(QStringLiteral("Button_Play"));
    follow_->setObjectName(QStringLiteral("Button_Follow"));
    // A drag moves the session once, where it is let go.
    slider_->setTracking(false);
    auto *close = new QPushButton(QStringLiteral("Закрыть"));
    close->setObjectName(QStringLiteral("Button_Close"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(play_);
    buttons->addWidget(follow_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *column = new QVBoxLayout(this);
    column->addWidget(heading_);
    column->addWidget(slider_);
    column->addWidget(state_);
    column->addLayout(buttons);

    connect(slider_, &QSlider::valueChanged, this,
            [this](int seconds) { show_at(zun::Millis{seconds} * 1000); });
    connect(play_, &QPushButton::clicked, this, [this] {
        following_ = false;
        play_timer_.isActive() ? play_timer_.stop() : play_timer_.start(play_step);
        show_state();
    });
    connect(follow_, &QPushButton::clicked, this, &MirrorWindow::follow);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(&play_timer_, &QTimer::timeout, this, &MirrorWindow::play_on);
    connect(&room_, &ClassRoom::changed, this, &MirrorWindow::room_changed);
    resize(520, 0);
    room_changed();
}

MirrorWindow::~MirrorWindow() = default;

void MirrorWindow::show_at(zun::Millis time)
{
    following_ = false;
    if (mirror_)
        mirror_->show_at(std::min(time, replay_->time()));
    show_state();
}

void MirrorWindow::follow()
{
    following_ = true;
    play_timer_.stop();
    room_changed();
}

// Following, the mirror goes on to the session the station streams now, and to its latest line.
void MirrorWindow::room_changed()
{
    if (following_) {
        std::shared_ptr<const StationReplay> current = room_.replay_of(station_);
        if (current && current != replay_ && current->started())
            mirror_session(std::move(current));
        // The room reads every second: the windows are touched only when the session went on.
        if (mirror_ && mirror_->position() != replay_->time())
            mirror_->show_at(replay_->time());
    }
    show_state();
}

void MirrorWindow::mirror_session(std::shared_ptr<const StationReplay> replay)
{
    QApplication::setOverrideCursor(Qt::WaitCursor); // a long session replays for seconds
    mirror_.reset();                                 // its windows go before the new ones come
    replay_ = std::move(replay);
    const QString trainee = QString::fromStdString(replay_->header().trainee);
    mirror_ = std::make_unique<SessionMirror>(
        replay_->header().start, replay_->inputs(),
        trainee.isEmpty() ? station_ : QStringLiteral("%1 (%2)").arg(station_, trainee));
    QApplication::restoreOverrideCursor();
}

// Plays on at the recorded pace; at the station's latest line it follows the station again.
void MirrorWindow::play_on()
{
    if (!mirror_)
        return;
    const zun::Millis next = mirror_->position() + play_step.count();
    if (next >= replay_->time() && !replay_->ended()) {
        follow();
        return;
    }
    mirror_->show_at(std::min(next, replay_->time()));
    if (next >= replay_->time())
        play_timer_.stop();
    show_state();
}

void MirrorWindow::show_state()
{
    play_->setText(play_timer_.isActive() ? QStringLiteral("Пауза")
                                          : QStringLiteral("Воспроизвести"));
    follow_->setEnabled(!following_);
    play_->setEnabled(mirror_ != nullptr);
    slider_->setEnabled(mirror_ != nullptr);
    if (!mirror_) {
        heading_->setText(QStringLiteral("Станция %1").arg(station_));
        state_->setText(QStringLiteral("Станция ещё не начала сеанс."));
        return;
    }
    const zun::SessionHeader &header = replay_->header();
    heading_->setText(QStringLiteral("Станция %1 — %2%3")
                          .arg(station_, QString::fromStdString(header.trainee),
                               header.exercise.empty()
                                   ? QString()
                                   : QStringLiteral(", упражнение «%1»")
                                         .arg(QString::fromStdString(header.exercise))));
    const QSignalBlocker quiet(slider_);
    slider_->setRange(whole_seconds(mirror_->began()), whole_seconds(replay_->time()));
    slider_->setValue(whole_seconds(mirror_->position()));
    const QString where = QStringLiteral("%1 из %2")
                              .arg(minutes_and_seconds(mirror_->position() - mirror_->began()),
                                   minutes_and_seconds(replay_->time() - mirror_->began()));
    QString state = following_ ? QStringLiteral("Следует за станцией: %1").arg(where)
                    : play_timer_.isActive() ? QStringLiteral("Воспроизведение: %1").arg(where)
                                             : QStringLiteral("Остановлено на %1").arg(where);
    if (mirror_->forms().sim().lesson_is_exam())
        state += QStringLiteral(" — экзамен");
    if (!mirror_->forms().sim().main_window_visible)
        state += QStringLiteral(" — обучаемый на начальном экране");
    if (replay_->ended())
        state += QStringLiteral(" — сеанс окончен");
    if (replay_->failure())
        state += QStringLiteral(" — повтор остановлен: %1")
                     .arg(QString::fromStdString(*replay_->failure()));
    state_->setText(state);
}
