#include "sessions_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr int tick_ms = 20;
constexpr int slider_unit_ms = 100;

QString clock_text(zun::Millis ms)
{
    const long long seconds = ms / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString last_stage_text(const zun::SessionSummary &summary)
{
    return summary.last_stage ? QString::number(*summary.last_stage) : QStringLiteral("—");
}

} // namespace

const std::vector<double> &SessionsWindow::speeds()
{
    static const std::vector<double> factors{0.25, 0.5, 1, 2, 4, 8, 16};
    return factors;
}

SessionsWindow::SessionsWindow(SessionControl &control, QWidget *parent)
    : QWidget(parent, Qt::Window), sessions_list(new QTableWidget(0, 4, this)),
      play_button(new QPushButton(QStringLiteral("воспроизвести"), this)),
      error_label(new QLabel(this)), pause_button(new QPushButton(this)),
      speed_box(new QComboBox(this)), time_slider(new QSlider(Qt::Horizontal, this)),
      time_label(new QLabel(this)),
      continue_button(new QPushButton(QStringLiteral("продолжить отсюда"), this)),
      state_label(new QLabel(this)),
      back_1_button(new QPushButton(QStringLiteral("назад на 1 минуту"), this)),
      back_5_button(new QPushButton(QStringLiteral("назад на 5 минут"), this)), control_(control)
{
    setObjectName(QStringLiteral("Form_Sessions"));
    setWindowTitle(QStringLiteral("сеансы"));
    resize(620, 480);

    sessions_list->setHorizontalHeaderLabels(
        {QStringLiteral("дата"), QStringLiteral("длительность"), QStringLiteral("обучаемый"),
         QStringLiteral("последний шаг")});
    sessions_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    sessions_list->setSelectionMode(QAbstractItemView::SingleSelection);
    sessions_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sessions_list->verticalHeader()->hide();
    sessions_list->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    error_label->setWordWrap(true);
    error_label->setStyleSheet(QStringLiteral("color: #b00000"));
    for (const double factor : speeds())
        speed_box->addItem(factor == 0.25  ? QStringLiteral("×¼")
                           : factor == 0.5 ? QStringLiteral("×½")
                                           : QStringLiteral("×%1").arg(factor));
    speed_box->setCurrentIndex(2);
    state_label->setWordWrap(true);
    back_1_button->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    back_5_button->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_5));

    auto *replay = new QGroupBox(QStringLiteral("воспроизведение"), this);
    auto *controls = new QHBoxLayout;
    controls->addWidget(pause_button);
    controls->addWidget(speed_box);
    controls->addWidget(time_slider, 1);
    controls->addWidget(time_label);
    auto *replay_layout = new QVBoxLayout(replay);
    replay_layout->addLayout(controls);
    replay_layout->addWidget(continue_button);
    auto *live = new QGroupBox(QStringLiteral("текущий сеанс"), this);
    auto *live_layout = new QHBoxLayout(live);
    live_layout->addWidget(back_1_button);
    live_layout->addWidget(back_5_button);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(sessions_list, 1);
    layout->addWidget(play_button);
    layout->addWidget(error_label);
    layout->addWidget(replay);
    layout->addWidget(state_label);
    layout->addWidget(live);

    connect(play_button, &QPushButton::clicked, this, &SessionsWindow::open_selected);
    connect(sessions_list, &QTableWidget::cellDoubleClicked, this, &SessionsWindow::open_selected);
    connect(pause_button, &QPushButton::clicked, this, [this] { set_paused(!paused_); });
    connect(time_slider, &QSlider::sliderReleased, this, &SessionsWindow::seek_to_slider);
    connect(time_slider, &QSlider::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderMove)
            seek_to_slider();
    });
    connect(continue_button, &QPushButton::clicked, this, [this] {
        set_paused(true);
        control_.continue_from_here();
        fill_list();
        follow_control();
    });
    connect(back_1_button, &QPushButton::clicked, this, [this] {
        control_.go_back(60'000);
        fill_list();
    });
    connect(back_5_button, &QPushButton::clicked, this, [this] {
        control_.go_back(300'000);
        fill_list();
    });
    timer_.setInterval(tick_ms);
    connect(&timer_, &QTimer::timeout, this, &SessionsWindow::tick);
    follow_control();
}

void SessionsWindow::fill_list()
{
    listed_ = control_.sessions();
    sessions_list->setRowCount(static_cast<int>(listed_.size()));
    for (int row = 0; row < static_cast<int>(listed_.size()); ++row) {
        const zun::SessionSummary &summary = listed_[static_cast<std::size_t>(row)];
        const QStringList cells{
            QString::fromStdString(summary.header.started), clock_text(summary.length_ms),
            QString::fromStdString(summary.header.trainee), last_stage_text(summary)};
        for (int column = 0; column < cells.size(); ++column)
            sessions_list->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    sessions_list->resizeColumnsToContents();
}

void SessionsWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fill_list();
    follow_control();
}

// Closing the window ends a replay that was not continued.
void SessionsWindow::closeEvent(QCloseEvent *event)
{
    set_paused(true);
    if (control_.replaying())
        control_.close_replay();
    error_label->clear();
    follow_control();
    QWidget::closeEvent(event);
}

void SessionsWindow::open_selected()
{
    const int row = sessions_list->currentRow();
    if (row < 0 || row >= static_cast<int>(listed_.size()))
        return;
    play_file(listed_[static_cast<std::size_t>(row)].path);
}

void SessionsWindow::play_file(const std::filesystem::path &file)
{
    set_paused(true);
    const std::string error = control_.open_replay(file);
    error_label->setText(QString::fromStdString(error));
    fill_list(); // the live session just ended has its length now
    follow_control();
    if (error.empty())
        set_paused(false);
}

void SessionsWindow::set_paused(bool paused)
{
    paused_ = paused || !control_.replaying();
    owed_ = 0;
    if (paused_) {
        timer_.stop();
    } else {
        wall_.start();
        timer_.start();
    }
    pause_button->setText(paused_ ? QStringLiteral("пуск") : QStringLiteral("пауза"));
}

void SessionsWindow::seek_to_slider()
{
    if (!control_.replaying())
        return;
    control_.replay_seek(static_cast<zun::Millis>(time_slider->sliderPosition()) * slider_unit_ms);
    follow_control();
}

void SessionsWindow::tick()
{
    play_for(static_cast<double>(wall_.restart()));
}

void SessionsWindow::play_for(double wall_ms)
{
    if (!control_.replaying())
        return;
    owed_ += wall_ms * speeds()[static_cast<std::size_t>(speed_box->currentIndex())];
    const auto whole = static_cast<zun::Millis>(std::floor(owed_));
    owed_ -= static_cast<double>(whole);
    const zun::Millis goal = std::min(control_.replay_position() + whole, control_.replay_length());
    control_.replay_play_to(goal);
    if (goal >= control_.replay_length())
        set_paused(true);
    follow_control();
}

// Shows what the program is doing: a replay (the trainee's input is not taken) or live training.
void SessionsWindow::follow_control()
{
    const bool replaying = control_.replaying();
    for (QWidget *replay_control :
         std::initializer_list<QWidget *>{pause_button, speed_box, time_slider, continue_button})
        replay_control->setEnabled(replaying);
    back_1_button->setEnabled(!replaying);
    back_5_button->setEnabled(!replaying);
    const zun::Millis length = replaying ? control_.replay_length() : 0;
    const zun::Millis position = replaying ? control_.replay_position() : 0;
    time_slider->setMaximum(static_cast<int>(length / slider_unit_ms));
    if (!time_slider->isSliderDown())
        time_slider->setValue(static_cast<int>(position / slider_unit_ms));
    time_label->setText(clock_text(position) + QStringLiteral(" / ") + clock_text(length));
    state_label->setText(replaying ? QStringLiteral("Идёт воспроизведение сеанса: ввод обучаемого "
                                                    "не принимается. Закройте окно, чтобы "
                                                    "начать новый сеанс.")
                                   : QStringLiteral("Идёт обучение: сеанс записывается."));
    if (paused_)
        pause_button->setText(QStringLiteral("пуск"));
}
