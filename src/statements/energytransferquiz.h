#pragma once
// The energy transfer quiz: a diagram made afresh for each question, one of
// its energies hidden for the pupils to find among four choices; the answer
// shows the value and the device's efficiency worked out.

#include "forms/label.h"
#include "forms/screen.h"
#include "statements/quizdata.h"
#include "statements/quizparts.h"
#include "statements/sankey.h"
#include "statements/sankeyview.h"

namespace statements {

class EnergyTransferQuiz : public forms::Screen {
    Q_OBJECT
public:
    EnergyTransferQuiz(forms::Screens& screens, const QuizData& data, const QString& title);

    void load() override;
    void moveOverBackground(const forms::MouseArgs&) override;

    forms::Label& instruction;
    SankeyView& diagram;
    QuizParts parts;

private:
    void show(int device);
};

} // namespace statements
