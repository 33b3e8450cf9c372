#include "labelling/editor/extraspanel.h"
#include "activity/commands.h"
#include "activity/looks.h"
#include "activity/textlength.h"
#include "forms/accessible.h"
#include "forms/design.h"

#include <QPainter>

namespace labelling {

namespace {

constexpr float Left = 120, LeftWidth = 5400, Right = 5760, RowCaptionWidth = 1860, RightWidth = 5640;
constexpr float FieldHeight = 450, RowHeight = 420, RowField = 390;
constexpr double FieldPoints = 12;
constexpr int CaptionCharacters = 14;

const forms::LabelLook HeadingLook{QStringLiteral("Arial"), 12, false, QColor(255, 255, 255), forms::Black, false, false,
                                   forms::Label::Align::Left};
const forms::LabelLook CaptionLook{QStringLiteral("Arial"), 12, true, forms::Yellow, forms::Black, false, false,
                                   forms::Label::Align::Left};

forms::Label& caption(QWidget* panel, const QString& name, const QString& text, const forms::TwipRect& at,
                      const forms::LabelLook& look = CaptionLook)
{
    return forms::design(*new forms::Label(panel, name), text, at, look);
}

forms::Label& doneCommand(QWidget* panel, const forms::TwipRect& at)
{
    forms::Label& done = forms::design(*new forms::Label(panel, QStringLiteral("extrasDone")), QObject::tr("Done"), at,
                                       activity::CommandLook);
    forms::setAccessibleRole(done, QAccessible::Button);
    done.setFocusPolicy(Qt::StrongFocus);
    return done;
}

} // namespace

ExtrasPanel::ExtrasPanel(QWidget* parent, LabelDraft& draft, const forms::TwipRect& at)
    : Control(parent, QStringLiteral("extras")),
      description(field(QStringLiteral("description"), {Left, 900, LeftWidth, FieldHeight}, tr("Description of the picture"),
                        LabelDraft::Text::Description, 0)),
      done(doneCommand(this, {Left, 4620, 2400, 495})), draft_(draft)
{
    place(at.left, at.top, at.width, at.height);
    caption(this, QStringLiteral("extrasHeading"),
            tr("All optional. Wrong answers are dealt with the right ones; the descriptions are what a screen reader says."),
            {Left, 60, at.width - 2 * Left, 420}, HeadingLook);
    caption(this, QStringLiteral("descriptionCaption"), tr("What the picture shows"), {Left, 540, LeftWidth, 360});
    caption(this, QStringLiteral("distractorsCaption"), tr("Wrong answers (up to %1)").arg(MostDistractors), {Left, 1470, LeftWidth, 360});
    for (int k = 0; k < MostDistractors; ++k)
        distractors.push_back(&field(QStringLiteral("distractor%1").arg(k + 1), {Left, 1830 + k * 510.0f, LeftWidth, FieldHeight},
                                     tr("Wrong answer %1").arg(k + 1), LabelDraft::Text::Distractor, k));
    caption(this, QStringLiteral("pointsToCaption"), tr("What each box points to"), {Right, 540, RightWidth, 360});
    for (int k = 0; k < MostOwnLabels; ++k) {
        const float top = 900 + k * RowHeight;
        forms::design(pointsToCaptions.create(this, k), {}, {Right, top + 30, RowCaptionWidth - 60, RowField - 30},
                      {QStringLiteral("Arial"), 11, true, forms::Yellow, forms::Black, false, false, forms::Label::Align::Left});
        pointsTo.push_back(&field(QStringLiteral("pointsTo%1").arg(k + 1), {Right + RowCaptionWidth, top, RightWidth - RowCaptionWidth, RowField},
                                  tr("What box %1 points to").arg(k + 1), LabelDraft::Text::PointsTo, k));
    }
    connect(&draft_, &LabelDraft::changed, this, &ExtrasPanel::showDraft);
    hide();
}

activity::TextField& ExtrasPanel::field(const QString& name, const forms::TwipRect& at, const QString& spoken,
                                        LabelDraft::Text text, int index)
{
    auto& field = *new activity::TextField(this, name, at, FieldPoints, spoken, LabelDraft::longest(text));
    field.widget.setFrame(true);
    connect(&field.widget, &QLineEdit::textEdited, this, [this, text, index](const QString& typed) { draft_.setText(text, index, typed); });
    return field;
}

std::vector<QWidget*> ExtrasPanel::tabOrder() const
{
    std::vector<QWidget*> order{&description.widget};
    for (activity::TextField* f : distractors)
        order.push_back(&f->widget);
    for (activity::TextField* f : pointsTo)
        order.push_back(&f->widget);
    order.push_back(&done);
    return order;
}

void ExtrasPanel::showDraft()
{
    description.showText(draft_.text(LabelDraft::Text::Description));
    for (int k = 0; k < MostDistractors; ++k)
        distractors[std::size_t(k)]->showText(draft_.text(LabelDraft::Text::Distractor, k));
    for (int k = 0; k < MostOwnLabels; ++k) {
        const bool used = k < draft_.count();
        pointsToCaptions(k).setVisible(used);
        pointsTo[std::size_t(k)]->setVisible(used);
        if (!used)
            continue;
        // Enough of the answer to tell the rows apart.
        const QString whole = draft_.label(k).answer.trimmed();
        const QString answer = activity::characterCount(whole) > CaptionCharacters
                                   ? activity::firstCharacters(whole, CaptionCharacters - 1) + QChar(0x2026) : whole;
        pointsToCaptions(k).setCaption(answer.isEmpty() ? QString::number(k + 1) : QStringLiteral("%1: %2").arg(k + 1).arg(answer));
        pointsTo[std::size_t(k)]->showText(draft_.text(LabelDraft::Text::PointsTo, k));
    }
}

void ExtrasPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), forms::Black);
    painter.setPen(QPen(forms::Yellow, 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

} // namespace labelling
