#include "exercise_editor.h"

#include "sessions/input_lines.h"
#include "training/lesson_log.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <variant>

namespace {

enum Column { When, Mechanism, Malfunction, Setting, column_count };
constexpr int all_malfunctions = zun::fault_kind_count; // the last choice of the kind's list

QString text_of(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QComboBox *choices(const QStringList &captions, const QVariantList &values, const QVariant &chosen)
{
    auto *box = new QComboBox;
    for (qsizetype i = 0; i < captions.size(); ++i)
        box->addItem(captions[i], values[i]);
    box->setCurrentIndex(std::max(0, box->findData(chosen)));
    return box;
}

const QComboBox &combo(const QTableWidget &table, int row, Column column)
{
    return *static_cast<const QComboBox *>(table.cellWidget(row, column));
}

} // namespace

ExerciseEditor::ExerciseEditor(zun::Exercise exercise, Mechanisms mechanisms, QWidget *parent)
    : QDialog(parent), exercise_(std::move(exercise)), mechanisms_(std::move(mechanisms)),
      table_(new QTableWidget(0, column_count)), problem_(new QLabel)
{
    setWindowTitle(QStringLiteral("Неисправности упражнения «%1»")
                       .arg(QString::fromStdString(exercise_.name)));
    table_->setHorizontalHeaderLabels({QStringLiteral("Когда"), QStringLiteral("Механизм"),
                                       QStringLiteral("Неисправность"),
                                       QStringLiteral("Действие")});
    QHeaderView &header = *table_->horizontalHeader();
    header.setSectionResizeMode(When, QHeaderView::Interactive);
    header.resizeSection(When, 120);
    header.setSectionResizeMode(Mechanism, QHeaderView::Stretch);
    header.setSectionResizeMode(Malfunction, QHeaderView::Stretch);
    header.setSectionResizeMode(Setting, QHeaderView::ResizeToContents);
    table_->verticalHeader()->hide();
    for (const zun::ScriptedEvent &event : exercise_.events)
        add_row(event);

    auto *hint = new QLabel(QStringLiteral(
        "Когда: «at 90 s» — через 90 с от начала, «step 30» — когда начинается шаг 30, "
        "«runs 1 fwd» — когда механизм 1 впервые движется вперёд (rws — назад)."));
    hint->setWordWrap(true);
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #a00000"));
    problem_->hide();

    auto *add = new QPushButton(QStringLiteral("Добавить"));
    auto *remove = new QPushButton(QStringLiteral("Удалить"));
    connect(add, &QPushButton::clicked, this, [this] {
        add_row({zun::AtTime{}, zun::input::Fault{mechanisms_.empty() ? 0 : mechanisms_[0].first,
                                                  zun::FaultKind::Drive, true}});
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (table_->currentRow() >= 0)
            table_->removeRow(table_->currentRow());
    });
    auto *rows = new QHBoxLayout;
    rows->addWidget(add);
    rows->addWidget(remove);
    rows->addStretch();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Save)->setText(QStringLiteral("Сохранить"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ExerciseEditor::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ExerciseEditor::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(table_);
    layout->addLayout(rows);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
    resize(720, 360);
}

void ExerciseEditor::add_row(const zun::ScriptedEvent &event)
{
    const int row = table_->rowCount();
    table_->insertRow(row);
    table_->setItem(row, When, new QTableWidgetItem(text_of(zun::trigger_text(event.trigger))));
    const auto *fault = std::get_if<zun::input::Fault>(&event.action);
    QStringList mechanism_names;
    QVariantList mechanism_numbers;
    for (const auto &[number, name] : mechanisms_) {
        mechanism_names << name;
        mechanism_numbers << number;
    }
    table_->setCellWidget(row, Mechanism,
                          choices(mechanism_names, mechanism_numbers, fault ? fault->mech : -1));
    QStringList kinds;
    QVariantList kind_numbers;
    for (int kind = 0; kind < zun::fault_kind_count; ++kind) {
        kinds << text_of(zun::fault_text(static_cast<zun::FaultKind>(kind)));
        kind_numbers << kind;
    }
    kinds << QStringLiteral("все неисправности");
    kind_numbers << all_malfunctions;
    table_->setCellWidget(
        row, Malfunction,
        choices(kinds, kind_numbers, fault ? static_cast<int>(fault->kind) : all_malfunctions));
    table_->setCellWidget(row, Setting,
                          choices({QStringLiteral("включить"), QStringLiteral("снять")},
                                  {true, false}, fault ? fault->on : false));
}

ExerciseEditor::Rows ExerciseEditor::read_rows() const
{
    zun::Exercise exercise = exercise_;
    exercise.events.clear();
    for (int row = 0; row < table_->rowCount(); ++row) {
        const QTableWidgetItem *when = table_->item(row, When);
        const QString text = when ? when->text().trimmed() : QString();
        zun::Trigger trigger;
        try {
            trigger = zun::parse_trigger(text.toStdString());
        } catch (const zun::script::BadLine &) {
            return {std::nullopt,
                    QStringLiteral("Строка %1: «%2» — ожидается at T s, step N или runs J fwd|rws.")
                        .arg(row + 1)
                        .arg(text)};
        }
        const int kind = combo(*table_, row, Malfunction).currentData().toInt();
        const bool on = combo(*table_, row, Setting).currentData().toBool();
        if (kind == all_malfunctions && on)
            return {
                std::nullopt,
                QStringLiteral("Строка %1: все неисправности можно только снять.").arg(row + 1)};
        exercise.events.push_back(
            {trigger, kind == all_malfunctions
                          ? zun::Input{zun::input::ClearFaults{}}
                          : zun::Input{zun::input::Fault{
                                combo(*table_, row, Mechanism).currentData().toInt(),
                                static_cast<zun::FaultKind>(kind), on}}});
    }
    return {std::move(exercise), {}};
}

void ExerciseEditor::accept()
{
    const QString why = read_rows().problem;
    problem_->setText(why);
    problem_->setVisible(!why.isEmpty());
    if (why.isEmpty())
        QDialog::accept();
}
