#pragma once
// The seams through which the program reaches the world outside its windows:
// the display size, the desktop shell, the random source and the end of the
// program. Tests replace them; the program uses Platform::system().

#include <QSizeF>
#include <QString>
#include <QVariant>
#include <functional>
#include <random>

class QWidget;

namespace forms {

// One uniform generator for the whole run, seeded once from a high-resolution
// clock, so draws made within the same second still differ.
class UniformRandom {
public:
    UniformRandom();
    explicit UniformRandom(std::uint64_t seed) : engine_(seed) {}
    double operator()(); // uniform in [0, 1)

private:
    std::mt19937_64 engine_;
};

struct Platform {
    // Size of the whole display in pixels.
    std::function<QSizeF()> displayPixels;
    // Ask the desktop shell to open a document or a web address; never waits.
    // A document is named as the screens name it, relative to the working folder.
    // False when the shell reports that it cannot (no browser or viewer).
    std::function<bool(const QString& target, QWidget* owner)> shellOpen;
    // Uniform in [0, 1).
    std::function<double()> random;
    // The display's refresh rate in hertz; 0 or less when it is not known.
    std::function<double()> refreshRate;
    // End the program at once.
    std::function<void()> quit;
    // Choices kept between runs: read one (invalid when never kept), keep one
    // (false when it could not be kept).
    std::function<QVariant(const QString& key)> setting;
    std::function<bool(const QString& key, const QVariant& value)> remember;

    static Platform system();
};

} // namespace forms
