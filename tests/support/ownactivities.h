#pragma once
// A teacher's labelling activity as the tests make one: a plain green picture
// with two labels, "magnet" and "coil".
#include "labelling/ownactivity.h"

#include <QBuffer>
#include <QImage>

inline labelling::OwnActivity twoLabelActivity(const QString& title)
{
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    labelling::OwnActivity a;
    a.title = title;
    QBuffer buffer(&a.picture);
    image.save(&buffer, "PNG");
    a.pictureType = "png";
    a.labels = {{"magnet", {10, 150, 120, 30}, {60, 50}}, {"coil", {160, 150, 120, 30}, {200, 60}}};
    return a;
}
