#include "fault_dialog.h"

#include "runner/sim_runner.h"
#include "sessions/input_lines.h"
#include "sim/console_layout.h"
#include "training/lesson_log.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>

#include <sstream>

std::vector<MechanismChoice> mechanism_choices()
{
    std::ostringstream unused;
    const SimRunner line(unused);
    std::vector<MechanismChoice> choices;
    for (const int mech : zun::console::keyed_mechanisms())
        choices.push_back({mech, QStringLiteral("%1. %2").arg(mech).arg(
                                     QString::fromStdString(line.sim().mechanism_name(mech)))});
    return choices;
}

FaultDialog::FaultDialog(const std::vector<MechanismChoice> &mechanisms, QWidget *parent)
    : QDialog(parent), mechanism_(new QComboBox), kind_(new QComboBox), switching_(new QComboBox)
{
    setWindowTitle(QStringLiteral("Неисправность"));
    for (const MechanismChoice &choice : mechanisms)
        mechanism_->addItem(choice.name, choice.mech);
    for (int kind = 0; kind < zun::fault_kind_count; ++kind) {
        const std::string_view text = zun::fault_text(static_cast<zun::FaultKind>(kind));
        kind_->addItem(QString::fromUtf8(text.data(), qsizetype(text.size())), kind);
    }
    switching_->addItem(QStringLiteral("задать"), true);
    switching_->addItem(QStringLiteral("снять"), false);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("Механизм"), mechanism_);
    form->addRow(QStringLiteral("Неисправность"), kind_);
    form->addRow(QStringLiteral("Действие"), switching_);
    form->addRow(buttons);
}

QString FaultDialog::command_line() const
{
    const zun::input::Fault fault{mechanism_->currentData().toInt(),
                                  static_cast<zun::FaultKind>(kind_->currentData().toInt()),
                                  switching_->currentData().toBool()};
    return QString::fromStdString(zun::script::line_of(fault));
}
