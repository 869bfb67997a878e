#include "class_rows.h"

#include "training/lesson_log.h"

#include <string_view>

namespace {

QString text_of(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString lesson_word(bool exam)
{
    return text_of(zun::lesson_text(exam ? zun::LessonKind::Exam : zun::LessonKind::Training));
}

// The session's lesson, and the one the instructor set when the station has not taken it yet.
QString lesson_text(const ClassRow &row)
{
    const std::optional<bool> set_exam =
        row.station.lesson ? std::optional(*row.station.lesson == ClassLesson::Exam) : std::nullopt;
    if (!row.progress)
        return set_exam ? lesson_word(*set_exam) : QString();
    const QString running = lesson_word(row.progress->exam);
    if (!set_exam || *set_exam == row.progress->exam)
        return running;
    return QStringLiteral("%1 (назначено: %2)").arg(running, lesson_word(*set_exam));
}

QString faults_text(const std::vector<ActiveFault> &faults)
{
    QStringList texts;
    for (const ActiveFault &fault : faults)
        texts << QStringLiteral("%1: %2").arg(QString::fromStdString(fault.mechanism),
                                              text_of(zun::fault_text(fault.kind)));
    return texts.join(QStringLiteral("; "));
}

QString command_text(const ClassRow &row, const std::optional<SentCommand> &last_command)
{
    if (!last_command || !row.last_answer)
        return {};
    const QString answer = row.last_answer->value_or(QStringLiteral("ждёт подтверждения"));
    return QStringLiteral("%1: %2").arg(last_command->line, answer);
}

} // namespace

QString minutes_and_seconds(zun::Millis time)
{
    const qint64 seconds = time / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QStringList class_column_titles()
{
    return {QStringLiteral("Станция"),       QStringLiteral("ПК"),
            QStringLiteral("Обучаемый"),     QStringLiteral("Занятие"),
            QStringLiteral("Упражнение"),    QStringLiteral("Шаг"),
            QStringLiteral("В шаге"),        QStringLiteral("Баллы"),
            QStringLiteral("Отказы"),        QStringLiteral("Вне порядка"),
            QStringLiteral("Неисправности"), QStringLiteral("Связь"),
            QStringLiteral("Команда")};
}

QStringList class_row_texts(const ClassRow &row, const std::optional<SentCommand> &last_command)
{
    const std::optional<SessionProgress> &progress = row.progress;
    const QString trainee = progress && !progress->trainee.empty()
                                ? QString::fromStdString(progress->trainee)
                                : row.station.trainee;
    QStringList texts{row.station.login, row.station.pc, trainee, lesson_text(row)};
    if (progress) {
        const QString stage = QString::number(progress->stage);
        texts << QString::fromStdString(progress->exercise)
              << (row.replay_failure ? QStringLiteral("%1 (повтор остановлен)").arg(stage) : stage)
              << minutes_and_seconds(progress->in_stage)
              << (progress->score ? QString::number(*progress->score) : QStringLiteral("—"))
              << QString::number(progress->refusals) << QString::number(progress->out_of_sequence)
              << faults_text(progress->faults);
    } else {
        for (int column = int(ClassColumn::Exercise); column <= int(ClassColumn::Faults); ++column)
            texts << QString();
    }
    texts << (row.on_line ? QStringLiteral("на связи") : QStringLiteral("нет связи"))
          << command_text(row, last_command);
    return texts;
}

QString class_station_details(const ClassStation &station)
{
    const QString format = QStringLiteral("dd.MM.yyyy HH:mm:ss");
    return QStringLiteral("Учётная запись: %1\nВерсия: %2\nЗапущена: %3\nНа связи была: %4")
        .arg(station.account, station.program_version,
             station.started.toLocalTime().toString(format),
             station.last_seen.toLocalTime().toString(format));
}
