#include "testing/ResultDialog.h"

#include "platform/SoundService.h"
#include "platform/widgets/ElidedLabel.h"
#include "platform/widgets/Twips.h"
#include "platform/HelpContexts.h"
#include "platform/widgets/ContextHelp.h"
#include "store/VocabularyFile.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include <algorithm>

namespace lexmint {

namespace {

using namespace Qt::StringLiterals;

constexpr int ClientWidth = 3228;
constexpr int ClientHeight = 3564;
constexpr int Margin = 120;
/// Where the mode's name starts, right of its caption.
constexpr int ModeLeft = 1440;
/// The title bar and borders of a fixed dialog. The chart is placed for this frame rather
/// than for the one the window manager draws, which Qt learns only after the window is
/// shown, so that the chart keeps its place on every desktop.
constexpr int FrameHeight = 360;

const QColor Green(0, 255, 0);
const QColor Red(255, 0, 0);

QLabel* label(const char* name, const QString& text, QWidget* parent)
{
    auto* result = new QLabel(text, parent);
    result->setObjectName(QLatin1StringView(name));
    return result;
}

QLabel* value(const char* name, const QString& text, QWidget* parent)
{
    QLabel* result = label(name, text, parent);
    result->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return result;
}

/// A bordered square in the colour of its sector, as the chart's legend.
QLabel* legendSquare(const char* name, const QColor& colour, QWidget* parent)
{
    QLabel* square = label(name, QString(), parent);
    square->setFrameStyle(QFrame::Box | QFrame::Plain);
    square->setAutoFillBackground(true);
    QPalette palette = square->palette();
    palette.setColor(QPalette::Window, colour);
    square->setPalette(palette);
    return square;
}

QString percentText(int percent)
{
    return QString::number(percent) + u'%';
}

/// The dialog's inner width in twips: as designed, or wider where the mode's name needs more
/// room (with a character to spare for rounding), up to three times as wide; a longer name is
/// shown cut.
int clientWidthFor(const QString& testMode, const QWidget* dialog)
{
    const QFontMetrics metrics = dialog->fontMetrics();
    const int nameWidth =
        pixelsToTwipsX(metrics.horizontalAdvance(testMode) + metrics.averageCharWidth(), dialog);
    return std::clamp(ModeLeft + nameWidth + Margin, ClientWidth, 3 * ClientWidth);
}

} // namespace

ResultDialog::ResultDialog(const QString& testMode, int testedCount, int correctCount,
                           SoundService& sound, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::MSWindowsFixedSizeDialogHint),
      m_clientWidth(clientWidthFor(testMode, this)),
      m_chart(testedCount, correctCount, m_clientWidth, ClientHeight + FrameHeight)
{
    setObjectName(u"frmResult"_s);
    ContextHelp::setContext(this, helpcontext::ResultDialog);
    setWindowTitle(tr("Test Result"));
    setModal(true);

    const auto x = [this](int twips) { return twipsToPixelsX(twips, this); };
    const auto y = [this](int twips) { return twipsToPixelsY(twips, this); };
    const int width = m_clientWidth;
    setFixedSize(x(width), y(ClientHeight));

    // Rows of a caption on the left and its figure, right-aligned, up to the right margin.
    const int rowHeight = qMax(y(195), fontMetrics().height());
    const auto row = [&](QLabel* caption, QLabel* figure, int captionLeft, int figureLeft,
                         int top) {
        caption->setGeometry(x(captionLeft), y(top), x(figureLeft - captionLeft), rowHeight);
        figure->setGeometry(x(figureLeft), y(top), x(width - Margin - figureLeft), rowHeight);
    };
    auto* mode = new ElidedLabel(Qt::ElideRight, this);
    mode->setObjectName(u"lblMode"_s);
    mode->setText(vocabularyfile::testModeCaption(testMode));
    mode->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row(label("Label7", tr("Testing Mode"), this), mode, Margin, ModeLeft, 120);

    legendSquare("Label1", Green, this)->setGeometry(x(120), y(410), x(216), y(216));
    row(label("Label2", tr("Correct Answers"), this),
        value("lblCorrect", QString::number(correctCount), this), 456, 2268, 420);

    legendSquare("Label3", Red, this)->setGeometry(x(120), y(750), x(216), y(216));
    row(label("Label4", tr("Incorrect Answers"), this),
        value("lblIncorrect", QString::number(qint64(testedCount) - correctCount), this), 456, 2268,
        760);

    auto* separator = new QFrame(this);
    separator->setObjectName(u"Frame1"_s);
    separator->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    separator->setGeometry(x(24), y(ResultChart::SeparatorTop), x(width - 48), y(30));

    row(label("Label5", tr("Total Tested"), this),
        value("lblTested", QString::number(testedCount), this), 120, 2268, 1128);

    // The percentages over the sectors, centred on the middle of each.
    const auto percentLabel = [&](const char* name, int percent, QPoint centre, bool shown) {
        QLabel* text = label(name, percentText(percent), this);
        text->setAlignment(Qt::AlignCenter);
        text->adjustSize();
        text->move(x(centre.x()) - text->width() / 2, y(centre.y()) - text->height() / 2);
        text->setVisible(shown);
    };
    percentLabel("lblCorrectPerc", m_chart.correctPercent(), m_chart.correctLabelCentre(),
                 m_chart.showsCorrectLabel());
    percentLabel("lblIncorrectPerc", m_chart.incorrectPercent(), m_chart.incorrectLabelCentre(),
                 m_chart.showsIncorrectLabel());

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(u"cmdOK"_s);
    ok->setDefault(true);
    constexpr int OkWidth = 1092;
    ok->setGeometry(x(width / 2 - OkWidth / 2), y(3120), x(OkWidth), y(372));
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    sound.playAlert();
}

void ResultDialog::paintEvent(QPaintEvent* /*event*/)
{
    const auto toPixels = [this](QPoint twips) {
        return QPointF(twipsToPixelsX(twips.x(), this), twipsToPixelsY(twips.y(), this));
    };
    const QPointF radius(twipsToPixelsX(ResultChart::Radius, this),
                         twipsToPixelsY(ResultChart::Radius, this));
    const auto circle = [&](QPoint centreTwips) {
        const QPointF centre = toPixels(centreTwips);
        return QRectF(centre - radius, centre + radius);
    };
    const QRectF chart = circle(m_chart.centre());

    QPainter painter(this);
    const QColor shadow = palette().color(QPalette::Dark);
    painter.setPen(QPen(shadow, 0));
    painter.setBrush(shadow);
    painter.drawEllipse(
        circle(m_chart.centre() + QPoint(ResultChart::ShadowOffset, ResultChart::ShadowOffset)));

    painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
    if (!m_chart.hasAnswers()) {
        painter.setBrush(palette().color(QPalette::Window));
        painter.drawEllipse(chart);
        return;
    }
    const int percent = m_chart.correctPercent();
    painter.setBrush(percent == 0 ? Red : Green);
    painter.drawEllipse(chart);
    if (percent == 0 || percent == 100)
        return;

    // The red slice runs counterclockwise from the end of the green sector round to 3 o'clock.
    const double greenDegrees = m_chart.correctArc() * 180;
    QPainterPath slice(chart.center());
    slice.arcTo(chart, greenDegrees, 360 - greenDegrees);
    slice.closeSubpath();
    painter.setBrush(Red);
    painter.drawPath(slice);
}

} // namespace lexmint
