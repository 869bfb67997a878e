#pragma once

#include "instructor/session_mirror.h"
#include "runner/station_replay.h"

#include <QString>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <memory>

class ClassRoom;
class QLabel;
class QPushButton;
class QSlider;

// The instructor's control of a station's mirror: the station's session in the program's own
// windows, following the station as its lines arrive and going on to each session it begins.
// The slider shows any moment of the session so far, and «Воспроизвести» plays it on from there
// at the pace it was recorded; «Следить» goes back to following the station. A session that has
// ended stays in the mirror as a replay.
class MirrorWindow final : public QWidget {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds play_step{100};

    MirrorWindow(ClassRoom &room, QString station, QWidget *parent = nullptr);
    ~MirrorWindow() override;

    const SessionMirror *mirror() const { return mirror_.get(); }
    bool following() const { return following_; }
    // Shows the session at `time` and stops following the station.
    void show_at(zun::Millis time);
    // Follows the station again, from its latest line.
    void follow();

private:
    void room_changed();
    void mirror_session(std::shared_ptr<const StationReplay> replay);
    void play_on();
    void show_state();

    ClassRoom &room_;
    QString station_;
    std::shared_ptr<const StationReplay> replay_; // the session in the mirror
    std::unique_ptr<SessionMirror> mirror_;
    bool following_ = true;
    QLabel *heading_ = nullptr;
    QLabel *state_ = nullptr;
    QSlider *slider_ = nullptr;
    QPushButton *play_ = nullptr;
    QPushButton *follow_ = nullptr;
    QTimer play_timer_;
};
