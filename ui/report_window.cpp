#include "report_window.h"

#include "training/score.h"
#include "training/stage_record.h"
#include "ui/report_folder.h"
#include "ui/timeline_plot.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QStringList columns{"шаг",           "начало, с", "конец, с",  "выполнен", "операций",
                          "отказов",       "не по порядку", "подсказок", "баллы",    "снято"};

QString seconds(std::optional<std::int64_t> ms)
{
    return ms ? QString::number(double(*ms) / 1000.0, 'f', 1) : QStringLiteral("—");
}

QString from_view(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// "12.5" of 16.7 points, or a dash for a step the score does not count.
QString points_text(const std::vector<zun::StepPoints> &points, std::size_t row,
                    double zun::StepPoints::*part)
{
    if (row >= points.size() || points[row].worth == 0)
        return QStringLiteral("—");
    return QString::number(points[row].*part, 'f', 1);
}

double taken_off(const zun::StepPoints &points)
{
    return points.out_of_sequence + points.refused + points.hints + points.overtime;
}

// "Занятие: экзамен. Неисправностей: 2. " (the malfunctions only when the instructor gave any).
QString lesson_summary(const zun::LessonLog &lesson)
{
    const std::string_view kind =
        zun::lesson_text(lesson.exam() ? zun::LessonKind::Exam : zun::LessonKind::Training);
    QString text = QStringLiteral("Занятие: %1. ")
                       .arg(QString::fromUtf8(kind.data(), qsizetype(kind.size())));
    if (!lesson.faults().empty())
        text += QStringLiteral("Неисправностей: %1. ").arg(lesson.faults().size());
    return text;
}

QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

ReportWindow::ReportWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), summary_(new QLabel), table_(new QTableWidget),
      remarks_(new QPlainTextEdit), plot_(new TimelinePlot)
{
    setWindowTitle("отчёт");
    resize(760, 640);
    table_->setColumnCount(int(columns.size()));
    table_->setHorizontalHeaderLabels(columns);
    table_->verticalHeader()->hide();
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    remarks_->setReadOnly(true);
    remarks_->setMaximumHeight(90);

    auto *rule = new QLabel(QString::fromUtf8(zun::score_rule.data(),
                                              qsizetype(zun::score_rule.size())));
    rule->setWordWrap(true);
    rule->setStyleSheet("color: #505050");
    auto *legend = new QLabel(
        QStringLiteral("<span style='color:%1'>●</span> операция &nbsp; "
                       "<span style='color:%2'>●</span> «пройти стадию» &nbsp; "
                       "<span style='color:%3'>●</span> отказ &nbsp; "
                       "<span style='color:%4'>●</span> не по порядку")
            .arg(TimelinePlot::operation_colour.name(), TimelinePlot::pass_colour.name(),
                 TimelinePlot::refused_colour.name(),
                 TimelinePlot::out_of_sequence_colour.name()));
    auto *copy = new QPushButton("копировать");
    auto *save = new QPushButton("сохранить");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(save);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(rule);
    layout->addWidget(plot_, 2);
    layout->addWidget(legend);
    layout->addWidget(table_, 3);
    layout->addWidget(remarks_);
    layout->addLayout(buttons);

    connect(copy, &QPushButton::clicked, this, [this] { copy_text(); });
    connect(save, &QPushButton::clicked, this, [this] { ask_and_save(); });
}

void ReportWindow::show_report(const zun::Report &report, qint64 now_ms, const QString &title)
{
    report_.emplace(report);
    title_ = title;
    setWindowTitle(QStringLiteral("отчёт: %1").arg(title));
    const zun::StageRecord &record = report.record;
    const std::optional<int> score = report.score;
    const std::vector<zun::StageEntry> entries = record.entries();
    table_->setRowCount(int(entries.size()));
    int by_trainee = 0;
    for (int row = 0; row < int(entries.size()); ++row) {
        const zun::StageEntry &entry = entries[std::size_t(row)];
        by_trainee += entry.by == zun::Completion::Trainee ? 1 : 0;
        const auto index = std::size_t(row);
        const QString off = index < report.points.size() && report.points[index].worth > 0
                                ? QString::number(taken_off(report.points[index]), 'f', 1)
                                : QStringLiteral("—");
        const QStringList values{QString::number(entry.stage),
                                 seconds(entry.began),
                                 seconds(entry.ended),
                                 from_view(zun::completion_in_words(entry.by)),
                                 QString::number(entry.operations),
                                 QString::number(entry.refused),
                                 QString::number(entry.out_of_sequence),
                                 QString::number(entry.hints),
                                 points_text(report.points, index, &zun::StepPoints::earned),
                                 off};
        for (int column = 0; column < values.size(); ++column)
            table_->setItem(row, column, cell(values[column]));
    }
    table_->resizeColumnsToContents();
    summary_->setText(QStringLiteral("<b>%1</b><br>%2Шагов выполнено самостоятельно: %3. "
                                     "Отказов: %4. Оценка: <b>%5</b>")
                          .arg(title.toHtmlEscaped(), lesson_summary(report.lesson))
                          .arg(by_trainee)
                          .arg(std::ranges::count_if(record.remarks(),
                                                     [](const zun::StageRemark &remark) {
                                                         return remark.what ==
                                                                zun::StageRemark::What::Refused;
                                                     }))
                          .arg(score ? QString::number(*score) : QStringLiteral("нет (демонстрация)")));
    QStringList remark_lines;
    for (const zun::StageRemark &remark : record.remarks())
        remark_lines << QString::fromStdString(zun::remark_line(remark, report.model));
    remarks_->setPlainText(remark_lines.isEmpty() ? QStringLiteral("Замечаний нет.")
                                             : QStringLiteral("Замечания:\n") +
                                                   remark_lines.join('\n'));
    plot_->show_record(&record, now_ms);
}

QString ReportWindow::remarks() const
{
    return remarks_->toPlainText();
}

QString ReportWindow::summary() const
{
    return summary_->text();
}

QString ReportWindow::text() const
{
    if (!report_)
        return {};
    return QString::fromStdString(zun::report_lines(*report_));
}

bool ReportWindow::save(const QString &path, QString &error) const
{
    if (!report_) {
        error = "нет отчёта";
        return false;
    }
    const QString html = QString::fromStdString(zun::report_html(*report_, title_.toStdString()));
    if (path.endsWith(".pdf", Qt::CaseInsensitive)) {
        QPdfWriter pdf(path);
        pdf.setTitle(title_);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        QTextDocument document;
        document.setHtml(html);
        document.print(&pdf);
        if (!QFile::exists(path) || QFile(path).size() == 0) {
            error = QStringLiteral("не удалось записать %1").arg(path);
            return false;
        }
        return true;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(html.toUtf8()) < 0 || !file.flush()) {
        error = QStringLiteral("не удалось записать %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

void ReportWindow::copy_text() const
{
    QApplication::clipboard()->setText(text());
}

void ReportWindow::ask_and_save()
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("zun-trainer"),
                       QStringLiteral("reports"));
    const QString path = QFileDialog::getSaveFileName(
        this, "сохранить отчёт", QDir(report_save_folder(settings)).filePath(title_ + ".pdf"),
        "PDF (*.pdf);;HTML (*.html)");
    if (path.isEmpty())
        return;
    QString error;
    if (save(path, error))
        remember_report_folder(settings, path);
    else
        QMessageBox::warning(this, "отчёт", error);
}
