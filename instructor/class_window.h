#pragma once

#include "instructor/fault_dialog.h"
#include "store/station_link.h"

#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <map>
#include <optional>
#include <vector>

class ClassRoom;
class MirrorWindow;
class QCheckBox;
class QLabel;
class QTableWidget;

// The instructor's window "Класс": a row per station, and the buttons that send it commands,
// addressed to the chosen station or, with «Всем», to every one, and the chosen station's mirror.
// It shows the class as the room last read it, and asks the room to read the server again every
// second.
class ClassWindow final : public QWidget {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds refresh_period{1000};

    ClassWindow(ClassRoom &room, std::vector<MechanismChoice> mechanisms,
                QWidget *parent = nullptr);

    // Sends a command line to the stations the window addresses; false when it addresses none,
    // and the window says so. The status line says when the server is away.
    bool send(const QString &line);
    // Opens the chosen station's mirror, or brings it to the front when it is open; null, said in
    // the status line, when no station is chosen.
    MirrorWindow *open_mirror();

private:
    void show_rows();
    // The chosen station's login, or none for every station; nothing, said in the status line,
    // when the instructor chose neither.
    std::optional<std::optional<QString>> addressed();
    void set_lesson(ClassLesson lesson);
    void ask_fault();
    void ask_message();

    ClassRoom &room_;
    std::vector<MechanismChoice> mechanisms_;
    QTableWidget *table_ = nullptr;
    QCheckBox *to_all_ = nullptr;
    QLabel *status_ = nullptr;
    QTimer refresh_timer_;
    std::map<QString, QPointer<MirrorWindow>> mirrors_; // by the station's login; closed ones go
};
