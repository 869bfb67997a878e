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
    : QWidget(parent, Qt::Window), List_Sessions(new QTableWidget(0, 4, this)),
      Button_Play(new QPushButton(QStringLiteral("воспроизвести"), this)),
      Label_Error(new QLabel(this)), Button_Pause(new QPushButton(this)),
      ComboBox_Speed(new QComboBox(this)), Slider_Time(new QSlider(Qt::Horizontal, this)),
      Label_Time(new QLabel(this)),
      Button_Continue(new QPushButton(QStringLiteral("продолжить отсюда"), this)),
      Label_State(new QLabel(this)),
      Button_Back_1(new QPushButton(QStringLiteral("назад на 1 минуту"), this)),
      Button_Back_5(new QPushButton(QStringLiteral("назад на 5 минут"), this)), control_(control)
{
    setObjectName(QStringLiteral("Form_Sessions"));
    setWindowTitle(QStringLiteral("сеансы"));
    resize(620, 480);

    List_Sessions->setHorizontalHeaderLabels(
        {QStringLiteral("дата"), QStringLiteral("длительность"), QStringLiteral("обучаемый"),
         QStringLiteral("последний шаг")});
    List_Sessions->setSelectionBehavior(QAbstractItemView::SelectRows);
    List_Sessions->setSelectionMode(QAbstractItemView::SingleSelection);
    List_Sessions->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List_Sessions->verticalHeader()->hide();
    List_Sessions->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    Label_Error->setWordWrap(true);
    Label_Error->setStyleSheet(QStringLiteral("color: #b00000"));
    for (const double factor : speeds())
        ComboBox_Speed->addItem(factor == 0.25  ? QStringLiteral("×¼")
                                : factor == 0.5 ? QStringLiteral("×½")
                                                : QStringLiteral("×%1").arg(factor));
    ComboBox_Speed->setCurrentIndex(2);
    Label_State->setWordWrap(true);
    Button_Back_1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    Button_Back_5->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_5));

    auto *replay = new QGroupBox(QStringLiteral("воспроизведение"), this);
    auto *controls = new QHBoxLayout;
    controls->addWidget(Button_Pause);
    controls->addWidget(ComboBox_Speed);
    controls->addWidget(Slider_Time, 1);
    controls->addWidget(Label_Time);
    auto *replay_layout = new QVBoxLayout(replay);
    replay_layout->addLayout(controls);
    replay_layout->addWidget(Button_Continue);
    auto *live = new QGroupBox(QStringLiteral("текущий сеанс"), this);
    auto *live_layout = new QHBoxLayout(live);
    live_layout->addWidget(Button_Back_1);
    live_layout->addWidget(Button_Back_5);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(List_Sessions, 1);
    layout->addWidget(Button_Play);
    layout->addWidget(Label_Error);
    layout->addWidget(replay);
    layout->addWidget(Label_State);
    layout->addWidget(live);

    connect(Button_Play, &QPushButton::clicked, this, &SessionsWindow::open_selected);
    connect(List_Sessions, &QTableWidget::cellDoubleClicked, this, &SessionsWindow::open_selected);
    connect(Button_Pause, &QPushButton::clicked, this, [this] { set_paused(!paused_); });
    connect(Slider_Time, &QSlider::sliderReleased, this, &SessionsWindow::seek_to_slider);
    connect(Slider_Time, &QSlider::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderMove)
            seek_to_slider();
    });
    connect(Button_Continue, &QPushButton::clicked, this, [this] {
        set_paused(true);
        control_.continue_from_here();
        fill_list();
        follow_control();
    });
    connect(Button_Back_1, &QPushButton::clicked, this, [this] {
        control_.go_back(60'000);
        fill_list();
    });
    connect(Button_Back_5, &QPushButton::clicked, this, [this] {
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
    List_Sessions->setRowCount(static_cast<int>(listed_.size()));
    for (int row = 0; row < static_cast<int>(listed_.size()); ++row) {
        const zun::SessionSummary &summary = listed_[static_cast<std::size_t>(row)];
        const QStringList cells{
            QString::fromStdString(summary.header.started), clock_text(summary.length_ms),
            QString::fromStdString(summary.header.trainee), last_stage_text(summary)};
        for (int column = 0; column < cells.size(); ++column)
            List_Sessions->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    List_Sessions->resizeColumnsToContents();
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
    Label_Error->clear();
    follow_control();
    QWidget::closeEvent(event);
}

void SessionsWindow::open_selected()
{
    const int row = List_Sessions->currentRow();
    if (row < 0 || row >= static_cast<int>(listed_.size()))
        return;
    play_file(listed_[static_cast<std::size_t>(row)].path);
}

void SessionsWindow::play_file(const std::filesystem::path &file)
{
    set_paused(true);
    const std::string error = control_.open_replay(file);
    Label_Error->setText(QString::fromStdString(error));
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
    Button_Pause->setText(paused_ ? QStringLiteral("пуск") : QStringLiteral("пауза"));
}

void SessionsWindow::seek_to_slider()
{
    if (!control_.replaying())
        return;
    control_.replay_seek(static_cast<zun::Millis>(Slider_Time->sliderPosition()) * slider_unit_ms);
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
    owed_ += wall_ms * speeds()[static_cast<std::size_t>(ComboBox_Speed->currentIndex())];
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
    for (QWidget *replay_control : std::initializer_list<QWidget *>{Button_Pause, ComboBox_Speed,
                                                                    Slider_Time, Button_Continue})
        replay_control->setEnabled(replaying);
    Button_Back_1->setEnabled(!replaying);
    Button_Back_5->setEnabled(!replaying);
    const zun::Millis length = replaying ? control_.replay_length() : 0;
    const zun::Millis position = replaying ? control_.replay_position() : 0;
    Slider_Time->setMaximum(static_cast<int>(length / slider_unit_ms));
    if (!Slider_Time->isSliderDown())
        Slider_Time->setValue(static_cast<int>(position / slider_unit_ms));
    Label_Time->setText(clock_text(position) + QStringLiteral(" / ") + clock_text(length));
    Label_State->setText(replaying ? QStringLiteral("Идёт воспроизведение сеанса: ввод обучаемого "
                                                    "не принимается. Закройте окно, чтобы "
                                                    "начать новый сеанс.")
                                   : QStringLiteral("Идёт обучение: сеанс записывается."));
    if (paused_)
        Button_Pause->setText(QStringLiteral("пуск"));
}
