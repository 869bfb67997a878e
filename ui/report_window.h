#pragma once

#include "training/report.h"

#include <QWidget>

#include <optional>

class QLabel;
class QPlainTextEdit;
class QTableWidget;
class TimelinePlot;

// The report of the session, titled with the trainee, the date and the lesson: its steps as a
// table with each step's points, the summary and the score with its rule, the remarks in words,
// and the course of the session as a plot. It can copy the report as text, with the lesson's lines,
// and save it as HTML or PDF.
class ReportWindow : public QWidget {
public:
    explicit ReportWindow(QWidget *parent = nullptr);

    // What the report reads (the record, the lesson log, the model) is read again at each call;
    // it must outlive the window or be replaced first.
    void show_report(const zun::Report &report, qint64 now_ms, const QString &title);

    QTableWidget &table() const { return *table_; }
    QString summary() const;
    // The remarks in words, a line each.
    QString remarks() const;
    // The report as text, as the headless runner prints it.
    QString text() const;
    // Writes the report as HTML or, for a name ending in .pdf, as PDF; false with `error` set when
    // it cannot be written.
    bool save(const QString &path, QString &error) const;

private:
    void copy_text() const;
    void ask_and_save();

    std::optional<zun::Report> report_;
    QString title_;
    QLabel *summary_;
    QTableWidget *table_;
    QPlainTextEdit *remarks_;
    TimelinePlot *plot_;
};
