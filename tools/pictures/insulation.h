#pragma once
// The three diagrams of the Insulation screens, one file each.
#include "labelling/activitydata.h"

#include <QImage>

namespace pictures {

// The table of the Insulation screen of this name.
const labelling::ActivityData& insulationScreen(const QString& name);

QImage houseDiagram(int resolution);
QImage flaskDiagram(int resolution);
QImage leslieDiagram(int resolution);

} // namespace pictures
