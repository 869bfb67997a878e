#include "class_window.h"

#include "instructor/class_room.h"
#include "instructor/class_rows.h"
#include "instructor/mirror_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <functional>
#include <utility>

ClassWindow::ClassWindow(ClassRoom &room, std::vector<MechanismChoice> mechanisms, QWidget *parent)
    : QWidget(parent), room_(room), mechanisms_(std::move(mechanisms)),
      table_(new QTableWidget(0, class_column_count)),
      to_all_(new QCheckBox(QStringLiteral("Всем"))), status_(new QLabel)
{
    setWindowTitle(QStringLiteral("Класс"));
    table_->setObjectName(QStringLiteral("Table_Class"));
    table_->setHorizontalHeaderLabels(class_column_titles());
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    to_all_->setObjectName(QStringLiteral("CheckBox_All"));
    status_->setObjectName(QStringLiteral("Label_Status"));

    struct Button {
        const char *name;
        QString caption;
        std::function<void()> action;
    };
    // The station's runner has no freeze of its own: the station decides what the line means.
    const Button buttons[] = {
        {"Button_Freeze", QStringLiteral("Заморозить"), [this] { send(QStringLiteral("freeze")); }},
        {"Button_Run", QStringLiteral("Пустить"), [this] { send(QStringLiteral("run")); }},
        {"Button_Exam", QStringLiteral("Экзамен"), [this] { set_lesson(ClassLesson::Exam); }},
        {"Button_Training", QStringLiteral("Обучение"),
         [this] { set_lesson(ClassLesson::Training); }},
        {"Button_Fault", QStringLiteral("Неисправность…"), [this] { ask_fault(); }},
        {"Button_Message", QStringLiteral("Сообщение…"), [this] { ask_message(); }},
        {"Button_Mirror", QStringLiteral("Наблюдать"), [this] { open_mirror(); }},
    };
    auto *button_row = new QHBoxLayout;
    for (const Button &button : buttons) {
        auto *push = new QPushButton(button.caption);
        push->setObjectName(QString::fromLatin1(button.name));
        connect(push, &QPushButton::clicked, this, button.action);
        button_row->addWidget(push);
    }
    button_row->addStretch();
    button_row->addWidget(to_all_);

    auto *column = new QVBoxLayout(this);
    column->addWidget(table_);
    column->addLayout(button_row);
    column->addWidget(status_);

    connect(&room_, &ClassRoom::changed, this, &ClassWindow::show_rows);
    connect(&refresh_timer_, &QTimer::timeout, &room_, &ClassRoom::refresh);
    refresh_timer_.start(refresh_period);
    resize(1100, 400);
}

void ClassWindow::show_rows()
{
    const std::vector<ClassRow> &rows = room_.rows();
    const std::optional<QString> chosen =
        table_->currentRow() >= 0 && table_->item(table_->currentRow(), 0)
            ? std::optional(table_->item(table_->currentRow(), 0)->text())
            : std::nullopt;
    table_->setRowCount(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row) {
        const QStringList texts = class_row_texts(rows[std::size_t(row)], room_.last_command());
        for (int column = 0; column < texts.size(); ++column) {
            QTableWidgetItem *item = table_->item(row, column);
            if (!item)
                table_->setItem(row, column, item = new QTableWidgetItem);
            item->setText(texts[column]);
        }
        table_->item(row, int(ClassColumn::Station))
            ->setToolTip(class_station_details(rows[std::size_t(row)].station));
        if (chosen && texts.front() == *chosen && table_->currentRow() != row)
            table_->selectRow(row);
    }
    status_->setText(room_.away_reason().isEmpty()
                         ? QString()
                         : QStringLiteral("Сервер не отвечает: %1").arg(room_.away_reason()));
}

std::optional<std::optional<QString>> ClassWindow::addressed()
{
    if (to_all_->isChecked())
        return std::optional<QString>{};
    const int row = table_->currentRow();
    if (row >= 0 && table_->item(row, 0))
        return std::optional(table_->item(row, 0)->text());
    status_->setText(QStringLiteral("Выберите станцию в таблице или отметьте «Всем»"));
    return std::nullopt;
}

bool ClassWindow::send(const QString &line)
{
    const std::optional<std::optional<QString>> to = addressed();
    if (!to)
        return false;
    room_.send(line, *to);
    return true;
}

void ClassWindow::set_lesson(ClassLesson lesson)
{
    if (const std::optional<std::optional<QString>> to = addressed())
        room_.set_lesson(lesson, *to);
}

void ClassWindow::ask_fault()
{
    FaultDialog dialog(mechanisms_, this);
    if (dialog.exec() == QDialog::Accepted)
        send(dialog.command_line());
}

// The station shows the text to its trainee; the runner's script has no such line.
void ClassWindow::ask_message()
{
    bool accepted = false;
    const QString text = QInputDialog::getText(this, QStringLiteral("Сообщение"),
                                               QStringLiteral("Текст для обучаемого:"),
                                               QLineEdit::Normal, QString(), &accepted)
                             .simplified();
    if (accepted && !text.isEmpty())
        send(QStringLiteral("message %1").arg(text));
}

MirrorWindow *ClassWindow::open_mirror()
{
    const int row = table_->currentRow();
    if (row < 0 || !table_->item(row, 0)) {
        status_->setText(QStringLiteral("Выберите станцию в таблице"));
        return nullptr;
    }
    const QString station = table_->item(row, 0)->text();
    QPointer<MirrorWindow> &mirror = mirrors_[station];
    if (!mirror)
        mirror = new MirrorWindow(room_, station, this);
    mirror->show();
    mirror->raise();
    mirror->activateWindow();
    return mirror;
}
