#pragma once

#include "sim/inputs.h"

#include <QDialog>
#include <QString>

#include <vector>

class QComboBox;

// A mechanism a console key commands, with its name.
struct MechanismChoice {
    int mech = 0;
    QString name;
};

// The mechanisms a malfunction may be given, named as the line names them.
std::vector<MechanismChoice> mechanism_choices();

// Asks which malfunction to set or clear on which mechanism; its command line once accepted.
class FaultDialog final : public QDialog {
    Q_OBJECT

public:
    FaultDialog(const std::vector<MechanismChoice> &mechanisms, QWidget *parent);

    // "fault J KIND on|off", as the runner reads it.
    QString command_line() const;

private:
    QComboBox *mechanism_ = nullptr;
    QComboBox *kind_ = nullptr;
    QComboBox *switching_ = nullptr;
};
