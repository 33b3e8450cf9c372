#pragma once
// The small diagram beside a question, drawn from the question's own numbers:
// a beam with its pivot, the forces on it and their distances from the pivot,
// a wave with one wavelength marked, or an energy transfer diagram. A screen
// reader hears what it shows (see describe.h).

#include "calculations/question.h"
#include "forms/control.h"

namespace calculations {

class DiagramView : public forms::Control {
    Q_OBJECT
public:
    DiagramView(QWidget* parent, const QString& name, int index = -1);

    const Diagram& diagram() const { return diagram_; }
    void setDiagram(const Diagram& diagram);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Diagram diagram_;
};

// Where a beam's pivot and forces fall across a diagram `width` pixels wide.
struct BeamLayout {
    double pivotX;
    std::vector<double> forceX;
};
BeamLayout layBeam(const Beam& beam, double width);

} // namespace calculations
