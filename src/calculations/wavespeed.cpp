#include "calculations/wavespeed.h"
#include "calculations/drill.h"
#include "calculations/draw.h"

#include <QStringList>
#include <optional>

namespace calculations {

namespace {

enum Find { Speed, Frequency, Wavelength };

// A quantity as the question writes it, and its value in the base unit.
struct Measure {
    double shown;
    QString unit;
    double scale = 1;      // from `unit` to m/s, Hz or m
    bool standard = false; // written in standard form
    double base() const { return roundFigures(shown * scale, 9); }
};

bool wantsStandardForm(double value) { return value >= 1e5 || value < 1e-3; }

QString written(const Measure& m)
{
    return m.standard ? standardForm(m.shown) + NoBreakSpace + m.unit : withUnit(m.shown, m.unit);
}

QString inBase(double value, const QString& unit)
{
    return wantsStandardForm(value) ? standardForm(value) + NoBreakSpace + unit : withUnit(value, unit);
}

const QString Names[] = {QStringLiteral("wave speed"), QStringLiteral("frequency"), QStringLiteral("wavelength")};
const QString BaseUnits[] = {QStringLiteral("m/s"), QStringLiteral("Hz"), QStringLiteral("m")};

// The same value with the prefix a teacher would add: 198 kHz, 536 nm.
std::optional<Value> friendlier(Find find, double value)
{
    struct Prefix {
        Find find;
        double low, high, scale;
        const char* unit;
    };
    static const Prefix prefixes[] = {
        {Frequency, 1e5, 1e6, 1e-3, "kHz"},  {Frequency, 1e6, 1e9, 1e-6, "MHz"},
        {Frequency, 1e9, 1e12, 1e-9, "GHz"}, {Wavelength, 1e-9, 1e-6, 1e9, "nm"},
        {Wavelength, 1e-3, 0.1, 100, "cm"},
    };
    for (const Prefix& p : prefixes)
        if (p.find == find && value >= p.low && value < p.high)
            return Value{Names[find], roundFigures(value * p.scale, 9), QString::fromUtf8(p.unit)};
    return std::nullopt;
}

struct Given {
    Find quantity;
    Measure measure;
};

enum Kind { Transverse, Longitudinal };

// The question, working and answer for finding `find` from the two givens,
// written in the order of `text` (%1 and %2); sound is drawn as a longitudinal wave.
Question solve(Find find, const QString& text, const Given& first, const Given& second, const QString& ask,
               Kind kind = Transverse)
{
    double base[3] = {};
    for (const Given* g : {&first, &second})
        base[g->quantity] = g->measure.base();
    const double exact = find == Speed ? base[Frequency] * base[Wavelength]
                       : find == Frequency ? base[Speed] / base[Wavelength]
                                           : base[Speed] / base[Frequency];
    const Shown result = shownResult(exact, wantsStandardForm(exact));

    Question q;
    q.text = text.arg(written(first.measure), written(second.measure)) + QLatin1Char(' ') + ask;
    for (const Given* g : {&first, &second})
        q.given.push_back({Names[g->quantity], g->measure.shown, g->measure.unit});
    q.answer = {{Names[find], result.value, BaseUnits[find]}};
    QString resultText = result.text + NoBreakSpace + BaseUnits[find];
    if (const auto friendly = friendlier(find, result.value)) {
        q.answer.push_back(*friendly);
        resultText += QStringLiteral(" = ") + withUnit(friendly->number, friendly->unit);
    }
    q.rounding = result.rounding;

    QStringList conversions;
    for (const Given* g : {&first, &second})
        if (g->measure.scale != 1)
            conversions << written(g->measure) + QStringLiteral(" = ") + inBase(g->measure.base(), BaseUnits[g->quantity]);
    // A number in standard form is bracketed with its unit where it is multiplied or divided.
    const auto shown = [&](Find f) {
        const QString text = inBase(base[f], BaseUnits[f]);
        return wantsStandardForm(base[f]) ? QLatin1Char('(') + text + QLatin1Char(')') : text;
    };
    const QString substituted = find == Speed ? shown(Frequency) + QStringLiteral(" \u00D7 ") + shown(Wavelength)
                              : find == Frequency ? shown(Speed) + QStringLiteral(" \u00F7 ") + shown(Wavelength)
                                                  : shown(Speed) + QStringLiteral(" \u00F7 ") + shown(Frequency);
    q.working = {QStringLiteral("wave speed = frequency \u00D7 wavelength"),
                 (conversions.isEmpty() ? QString() : conversions.join(QStringLiteral(";  ")) + QLatin1Char('\n'))
                     + Names[find] + QStringLiteral(" = ") + substituted,
                 Names[find] + QStringLiteral(" = ") + resultText + roundingNote(result.rounding)};
    QString marked = QStringLiteral("?");
    for (const Given* g : {&first, &second})
        if (g->quantity == Wavelength)
            marked = written(g->measure);
    q.diagram = Wave{marked, kind == Longitudinal};
    return q;
}

Measure hertz(double value) { return {value, "Hz"}; }
Measure kilohertz(double value) { return {value, "kHz", 1e3}; }
Measure megahertz(double value) { return {value, "MHz", 1e6}; }
Measure gigahertz(double value) { return {value, "GHz", 1e9}; }
Measure metres(double value) { return {value, "m"}; }
Measure centimetres(double value) { return {value, "cm", 1e-2}; }
Measure nanometres(double value) { return {value, "nm", 1e-9}; }
Measure metresPerSecond(double value) { return {value, "m/s"}; }
const Measure SoundInAir = metresPerSecond(340);
const Measure SoundInSeaWater = metresPerSecond(1500);
const Measure LightSpeed{3e8, "m/s", 1, true};

Question soundInAir(const Random& random)
{
    static const double fork[] = {256, 288, 320, 384, 440, 480, 512};
    static const double note[] = {170, 200, 340, 425, 500, 680, 850};
    static const double whistle[] = {1.7, 2, 2.5, 3.4, 4};
    static const double wavelengths[] = {0.2, 0.25, 0.4, 0.5, 0.68, 0.85, 1.36, 1.7, 2, 3.4};
    const QString ask = QStringLiteral("Calculate the wavelength of the sound.");
    switch (pick(random, 4)) {
    case 0:
        return solve(Wavelength, "A tuning fork makes a sound of frequency %1. Sound travels at %2 in air.",
                     {Frequency, hertz(oneOf(random, fork))}, {Speed, SoundInAir}, ask, Longitudinal);
    case 1:
        return solve(Wavelength, "A loudspeaker plays a note of frequency %1. Sound travels at %2 in air.",
                     {Frequency, hertz(oneOf(random, note))}, {Speed, SoundInAir}, ask, Longitudinal);
    case 2:
        return solve(Wavelength, "A referee's whistle makes a sound of frequency %1. Sound travels at %2 in air.",
                     {Frequency, kilohertz(oneOf(random, whistle))}, {Speed, SoundInAir}, ask, Longitudinal);
    default:
        return solve(Frequency, "A sound wave in air has a wavelength of %1. Sound travels at %2 in air.",
                     {Wavelength, metres(oneOf(random, wavelengths))}, {Speed, SoundInAir},
                     QStringLiteral("Calculate the frequency of the sound."), Longitudinal);
    }
}

Question sonar(const Random& random)
{
    static const double frequencies[] = {10, 12, 15, 20, 25, 30, 40, 50}; // kHz
    const double kHz = oneOf(random, frequencies);
    // Above 20 kHz, beyond human hearing, sound is ultrasound.
    if (kHz > 20)
        return solve(Wavelength, "A ship's sonar sends out ultrasound of frequency %1. Ultrasound travels at %2 in sea water.",
                     {Frequency, kilohertz(kHz)}, {Speed, SoundInSeaWater},
                     QStringLiteral("Calculate the wavelength of the ultrasound."), Longitudinal);
    return solve(Wavelength, "A ship's sonar sends out sound of frequency %1. Sound travels at %2 in sea water.",
                 {Frequency, kilohertz(kHz)}, {Speed, SoundInSeaWater}, QStringLiteral("Calculate the wavelength of the sound."),
                 Longitudinal);
}

Question rippleTank(const Random& random)
{
    const double f = stepIn(random, 8, 12, 1);   // a ripple tank's waves travel at about 0.1 to 0.4 m/s
    const double cm = stepIn(random, 1.5, 3, 0.5);
    const double v = roundFigures(f * cm / 100, 9);
    switch (pick(random, 3)) {
    case 0:
        return solve(Speed, "Water waves in a ripple tank have a frequency of %1 and a wavelength of %2.",
                     {Frequency, hertz(f)}, {Wavelength, centimetres(cm)}, QStringLiteral("Calculate the speed of the waves."));
    case 1:
        return solve(Frequency, "Water waves in a ripple tank travel at %1 and have a wavelength of %2.",
                     {Speed, metresPerSecond(v)}, {Wavelength, centimetres(cm)}, QStringLiteral("Calculate their frequency."));
    default:
        return solve(Wavelength, "Water waves in a ripple tank travel at %1 and have a frequency of %2.",
                     {Speed, metresPerSecond(v)}, {Frequency, hertz(f)}, QStringLiteral("Calculate their wavelength."));
    }
}

Question seaWaves(const Random& random)
{
    // Deep-water waves: the longer the wave, the lower its frequency. The
    // wavelengths give speeds a teacher would write: 15.5 m/s, not 13.125.
    struct Swell {
        double frequency, shortest, longest, step;
    };
    static const Swell swells[] = {{0.1, 150, 160, 5}, {0.125, 96, 104, 8}, {0.2, 38, 42, 1}, {0.25, 24, 28, 4}, {0.5, 6, 7, 1}};
    const Swell& s = swells[pick(random, int(std::size(swells)))];
    const double lambda = stepIn(random, s.shortest, s.longest, s.step);
    if (pick(random, 2) == 0)
        return solve(Speed, "Waves on the sea have a frequency of %1 and a wavelength of %2.", {Frequency, hertz(s.frequency)},
                     {Wavelength, metres(lambda)}, QStringLiteral("Calculate the speed of the waves."));
    return solve(Frequency, "Waves on the sea travel at %1 and have a wavelength of %2.",
                 {Speed, metresPerSecond(roundFigures(s.frequency * lambda, 9))}, {Wavelength, metres(lambda)},
                 QStringLiteral("Calculate their frequency."));
}

Question strings(const Random& random)
{
    static const double guitarWavelengths[] = {1.2, 1.24, 1.28, 1.3};
    static const double guitarNotes[] = {110, 147, 196, 220, 247, 330};
    switch (pick(random, 3)) {
    case 0:
        return solve(Frequency, "A wave travels along a guitar string at %1. Its wavelength is %2.",
                     {Speed, metresPerSecond(stepIn(random, 150, 400, 10))}, {Wavelength, metres(oneOf(random, guitarWavelengths))},
                     QStringLiteral("Calculate the frequency of the wave."));
    case 1:
        return solve(Speed, "A guitar string vibrates at %1, making waves of wavelength %2 on the string.",
                     {Frequency, hertz(oneOf(random, guitarNotes))}, {Wavelength, metres(oneOf(random, guitarWavelengths))},
                     QStringLiteral("Calculate the speed of the waves on the string."));
    default:
        return solve(Speed, "A pupil shakes one end of a long rope. The waves on the rope have a frequency of %1 and a wavelength of %2.",
                     {Frequency, hertz(stepIn(random, 1, 4, 0.5))}, {Wavelength, metres(stepIn(random, 0.5, 2, 0.25))},
                     QStringLiteral("Calculate the speed of the waves."));
    }
}

Question radio(const Random& random)
{
    static const double mediumWave[] = {693, 909, 1089, 1215, 1458};
    static const double phones[] = {800, 900, 1800};
    static const double wavelengths[] = {1500, 1000, 300, 200, 3, 2.5, 1.5};
    const QString ask = QStringLiteral("Calculate the wavelength of the radio waves.");
    const QString speed = QStringLiteral(" Radio waves travel at %2.");
    switch (pick(random, 6)) {
    case 0:
        return solve(Wavelength, "An FM radio station broadcasts on a frequency of %1." + speed,
                     {Frequency, megahertz(stepIn(random, 88, 108, 0.1))}, {Speed, LightSpeed}, ask);
    case 1:
        return solve(Wavelength, "A long-wave radio station broadcasts on a frequency of %1." + speed,
                     {Frequency, kilohertz(198)}, {Speed, LightSpeed}, ask);
    case 2:
        return solve(Wavelength, "A medium-wave radio station broadcasts on a frequency of %1." + speed,
                     {Frequency, kilohertz(oneOf(random, mediumWave))}, {Speed, LightSpeed}, ask);
    case 3:
        return solve(Wavelength, "A mobile phone network uses microwaves of frequency %1. Microwaves travel at %2.",
                     {Frequency, megahertz(oneOf(random, phones))}, {Speed, LightSpeed},
                     QStringLiteral("Calculate the wavelength of the microwaves."));
    case 4:
        return solve(Wavelength, "A Wi-Fi router sends out microwaves of frequency %1. Microwaves travel at %2.",
                     {Frequency, gigahertz(pick(random, 2) == 0 ? 2.4 : 5)}, {Speed, LightSpeed},
                     QStringLiteral("Calculate the wavelength of the microwaves."));
    default:
        return solve(Frequency, "A radio wave has a wavelength of %1." + speed, {Wavelength, metres(oneOf(random, wavelengths))},
                     {Speed, LightSpeed}, QStringLiteral("Calculate the frequency of the radio wave."));
    }
}

Question light(const Random& random)
{
    struct Colour {
        const char* name;
        double shortest, longest; // nm
    };
    static const Colour colours[] = {{"Red", 630, 700},   {"Orange", 590, 620}, {"Yellow", 570, 580},
                                     {"Green", 500, 560}, {"Blue", 450, 490},   {"Violet", 400, 440}};
    const Colour& c = colours[pick(random, int(std::size(colours)))];
    const double nm = stepIn(random, c.shortest, c.longest, 10);
    const QString name = QString::fromUtf8(c.name);
    if (pick(random, 2) == 0)
        return solve(Frequency, name + " light has a wavelength of %1. Light travels at %2.", {Wavelength, nanometres(nm)},
                     {Speed, LightSpeed}, QStringLiteral("Calculate its frequency."));
    const double frequency = roundFigures(3e8 / (nm * 1e-9), 3);
    return solve(Wavelength, name + " light has a frequency of %1. Light travels at %2.",
                 {Frequency, {frequency, "Hz", 1, true}}, {Speed, LightSpeed}, QStringLiteral("Calculate its wavelength."));
}

} // namespace

Question waveQuestion(const Random& random, int)
{
    // Sound and the mechanical waves as often as radio and light together.
    using Situation = Question (*)(const Random&);
    static const Situation situations[] = {soundInAir, soundInAir, sonar, rippleTank, rippleTank, seaWaves,
                                           strings,    strings,    radio, radio,      light,      light};
    return situations[pick(random, int(std::size(situations)))](random);
}

activity::Topic waveTopic()
{
    static const DrillData drill{.screen = "wavespeed", .title = "Calculation of Wave Speed", .generate = waveQuestion, .levels = {}};
    return drillTopic({
                       .guide = {"Pupils calculate the wave speed, frequency or wavelength of different waves.",
                                 "When the answer button is clicked, the program shows how the answer is calculated.",
                                 "Individual white boards can be used to display each answer."}},
                      drill);
}

} // namespace calculations
