#include "statements/sankey.h"

#include <algorithm>
#include <cstdlib>

namespace statements {

namespace {

const QString Electrically = QStringLiteral("energy transferred electrically");
const QString ToSurroundings = QStringLiteral("thermal energy to the surroundings");

// Input energies in joules: whole hundreds, so every efficiency in per cent
// gives whole joules.
const int Inputs[] = {100, 200, 300, 400, 500, 600, 800, 1000, 1200, 1500, 2000};

int draw(const std::function<double()>& random, int count) { return std::clamp(int(random() * count), 0, count - 1); }

// Wrong values a pupil might reach: the sum or difference of the other two,
// one of the values shown, or a near miss.
std::vector<int> wrongValues(const SankeyQuestion& q)
{
    const int right = q.valueOf(q.missing);
    const int step = std::max(5, q.input / 10);
    std::vector<int> wrong;
    switch (q.missing) {
    case Branch::Input:
        wrong = {q.useful, q.wasted, std::abs(q.wasted - q.useful)};
        break;
    case Branch::Useful:
        wrong = {q.wasted, q.input, q.input + q.wasted};
        break;
    case Branch::Wasted:
        wrong = {q.useful, q.input, q.input + q.useful};
        break;
    }
    for (int k = 1; k <= 3; ++k)
        wrong.insert(wrong.end(), {right + k * step, right - k * step});
    std::erase_if(wrong, [right](int v) { return v <= 0 || v == right; });
    std::sort(wrong.begin(), wrong.end());
    wrong.erase(std::unique(wrong.begin(), wrong.end()), wrong.end());
    return wrong;
}

QString decimal(int percent)
{
    // 20 % is 0.2, 5 % is 0.05, 100 % is 1.
    QString text = QString::number(percent / 100.0, 'f', 2);
    while (text.contains(QLatin1Char('.')) && (text.endsWith(QLatin1Char('0')) || text.endsWith(QLatin1Char('.'))))
        text.chop(1);
    return text;
}

} // namespace

const std::vector<Device>& devices()
{
    static const std::vector<Device> table{
        // device                input                                   useful                                  wasted                                  efficiency %
        {"filament lamp",        Electrically,                           "light",                                ToSurroundings,                          5, 10},
        {"LED lamp",             Electrically,                           "light",                                ToSurroundings,                          40, 50},
        {"electric kettle",      Electrically,                           "thermal energy of the water",          ToSurroundings,                          85, 95},
        {"electric motor",       Electrically,                           "kinetic energy",                       "thermal energy and sound",              60, 85},
        {"car engine",           "chemical energy of the fuel",          "kinetic energy of the car",            ToSurroundings,                          20, 30},
        {"hairdryer",            Electrically,                           "thermal and kinetic energy of the air", "sound and thermal energy of the casing", 85, 95},
        {"solar cell",           "energy transferred by light",          "energy transferred electrically",      ToSurroundings,                          15, 20},
        {"gas-fired power station", "chemical energy of the gas",        "energy transferred electrically",      ToSurroundings,                          35, 50},
        {"phone charging",       Electrically,                           "chemical energy of the battery",       ToSurroundings,                          70, 85},
    };
    return table;
}

SankeyQuestion makeSankey(int device, const std::function<double()>& random)
{
    const Device& d = devices().at(std::size_t(device));
    SankeyQuestion q;
    q.device = device;
    q.input = Inputs[draw(random, int(std::size(Inputs)))];
    const int percent = d.lowest + 5 * draw(random, (d.highest - d.lowest) / 5 + 1);
    q.useful = q.input * percent / 100;
    q.wasted = q.input - q.useful;
    q.missing = Branch(draw(random, 3));

    std::vector<int> wrong = wrongValues(q);
    // Three of them, drawn without repeats.
    for (int k = 0; k < 3; ++k)
        std::swap(wrong[std::size_t(k)], wrong[std::size_t(k + draw(random, int(wrong.size()) - k))]);
    q.answer = draw(random, 4);
    for (int k = 0, w = 0; k < 4; ++k)
        q.choices[std::size_t(k)] = k == q.answer ? q.valueOf(q.missing) : wrong[std::size_t(w++)];
    return q;
}

QString missingWorking(const SankeyQuestion& q)
{
    switch (q.missing) {
    case Branch::Input:
        return QStringLiteral("input = %1 J + %2 J = %3 J").arg(q.useful).arg(q.wasted).arg(q.input);
    case Branch::Useful:
        return QStringLiteral("useful = %1 J \u2212 %2 J = %3 J").arg(q.input).arg(q.wasted).arg(q.useful);
    case Branch::Wasted:
        break;
    }
    return QStringLiteral("wasted = %1 J \u2212 %2 J = %3 J").arg(q.input).arg(q.useful).arg(q.wasted);
}

QString efficiencyWorking(const SankeyQuestion& q)
{
    // The hidden value first: the pupil found it before the efficiency.
    return missingWorking(q)
        + QStringLiteral("\nefficiency = useful output energy transfer \u00F7 total input energy transfer\n"
                         "= %1 J \u00F7 %2 J = %3 (%4%)")
              .arg(q.useful)
              .arg(q.input)
              .arg(decimal(q.efficiencyPercent()))
              .arg(q.efficiencyPercent());
}

} // namespace statements
