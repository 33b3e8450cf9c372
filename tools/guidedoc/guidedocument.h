#pragma once
// The Teachers' Guide as a word-processor document: an RTF file, which every
// common word processor opens, written from the texts the guide pages show.

#include <QByteArray>
#include <QString>

namespace guidedoc {

// Text for the body of an RTF document: backslashes and braces escaped,
// line breaks as RTF line breaks, everything beyond ASCII as \uN? escapes.
QByteArray rtfText(const QString& text);

// The whole document: title, introduction and contact details, then one
// section per activity menu with its table.
QByteArray guideDocument();

} // namespace guidedoc
