#pragma once
// Background Radiation: a pie chart of where the radiation dose of a person
// in the UK comes from, on average. The sectors are one table, read by the
// screen for its leader lines and by the picture generator for the chart.

#include "activity/topic.h"
#include "labelling/activitydata.h"

#include <QColor>
#include <QPointF>
#include <vector>

namespace labelling {

struct Sector {
    QString source;  // the answer that names it
    double percent;  // of the average yearly dose
    QColor colour;
};

struct PieChart {
    QPointF centre;  // twips of the screen
    float radius;
    std::vector<Sector> sectors; // clockwise from the top, in this order

    // Where sector i begins, and how far it reaches, in degrees clockwise from the top.
    double startAngle(int i) const;
    double sweep(int i) const { return sectors.at(std::size_t(i)).percent * 3.6; }
    // A point `fraction` of the radius out along `degrees` clockwise from the top.
    QPointF at(double degrees, double fraction) const;
};

const PieChart& backgroundChart();
const ActivityData& backgroundActivity();
LabellingTopic backgroundTopic();

} // namespace labelling
