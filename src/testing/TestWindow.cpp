#include "testing/TestWindow.h"

#include "shell/SettingsStore.h"
#include "entries/EntryForms.h"
#include "entries/VocabularyHost.h"
#include "platform/HelpService.h"
#include "platform/widgets/EnterKey.h"
#include "platform/widgets/Twips.h"
#include "store/VocabInfo.h"
#include "store/VocabularyFile.h"
#include "store/VocabularySources.h"
#include "testing/MistakeDialog.h"
#include "testing/ResultDialog.h"
#include "platform/HelpContexts.h"
#include "platform/widgets/ContextHelp.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace lexmint {

using namespace Qt::StringLiterals;

namespace {

// The window's design size in twips, with and without the details panel.
constexpr int DesignWidth = 6384;
constexpr int DesignHeight = 4512;
constexpr int DetailsHeight = 895;
constexpr int ButtonColumnWidth = 1695;

// Help topics of the controls.
enum HelpTopic {
    GuessTopic = 1100,
    DefinitionsTopic = 1101,
    RestartTopic = 1102,
    OkTopic = 1103,
    SkipTopic = 1104,
    ProgressTopic = 1105,
    ModeTopic = 1106,
    EditTopic = 1107,
    DetailsTopic = 1108,
    FinishTopic = 1109,
};

AnswerJudge judgeOf(const VocabInfo& vocabulary)
{
    return AnswerJudge(
        vocabulary.flags & vocabflags::CaseSensitive ? AnswerJudge::LetterCase::Significant
                                                     : AnswerJudge::LetterCase::Ignored,
        vocabulary.flags & vocabflags::AccentsOptional ? AnswerJudge::Accents::MayBeLeftOut
                                                       : AnswerJudge::Accents::Required);
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(name);
    return result;
}

QLabel* label(const QString& name, const QString& text, QWidget* parent)
{
    auto* result = new QLabel(text, parent);
    result->setObjectName(name);
    return result;
}

/// A label that shows a value: sunken, wide enough for `widest`, and otherwise as wide as its
/// column whatever it holds, so that changing values never change the window's layout.
QLabel* valueLabel(const QString& name, const QString& widest, QWidget* parent)
{
    QLabel* result = label(name, QString(), parent);
    result->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    result->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    const QFontMetrics metrics = result->fontMetrics();
    result->setMinimumWidth(metrics.horizontalAdvance(widest)
                            + 2 * (result->frameWidth() + metrics.averageCharWidth()));
    return result;
}

QString noMoreEntries()
{
    return QCoreApplication::translate("lexmint::TestWindow", "No more entries");
}

/// "3 of 12" for the row at 0-based position 2 of 12.
QString progressText(qint64 position, qint64 count)
{
    return QCoreApplication::translate("lexmint::TestWindow", "%1 of %2")
        .arg(position + 1)
        .arg(count);
}

// Dates are stored as ISO text; other programs may have added a time of day.
QString dateText(const QVariant& value)
{
    QDate date = value.toDate();
    if (!date.isValid())
        date = QDateTime::fromString(value.toString(), Qt::ISODate).date();
    return date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : value.toString();
}

} // namespace

TestWindow::TestWindow(VocabularyHost& host, EntryForms& entryForms, MessageService& messages,
                       KeyboardFocus& keyboards, const Clock& clock, SettingsStore& settings,
                       HelpService& help, SoundService& sound, const QStringList& modes,
                       const QString& testMode, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::WindowContextHelpButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_host(host),
      m_entryForms(entryForms),
      m_messages(messages, this),
      m_settings(settings),
      m_sound(sound),
      m_run(host.sources().testWords(), judgeOf(host.currentVocabulary()), m_messages, clock),
      m_guess(new QLineEdit(this)),
      m_keyboard(keyboards, m_guess, [&host] { return host.currentVocabulary().keybHead; })
{
    setObjectName(u"frmTest"_s);
    ContextHelp::setContext(this, helpcontext::TestWindow);
    setWindowTitle(tr("Test"));
    setModal(true);
    buildControls(modes, help);
    m_rightSign.setSingleShot(true);
    m_rightSign.setInterval(1000);
    connect(&m_rightSign, &QTimer::timeout, m_rightSignLabel, &QWidget::hide);
    m_modes->setCurrentIndex(modes.indexOf(testMode));
    setDetailsShown(settings.isYes(SettingsKey::Details));
    if (parent)
        placeOver(parent->window());
    startMode(testMode);
    setRunFocus();
}

TestWindow::~TestWindow()
{
    // Destroying the box moves the focus away after this object's members are gone.
    m_guess->removeEventFilter(this);
}

void TestWindow::buildControls(const QStringList& modes, HelpService& help)
{
    m_guess->setObjectName(u"txtGuess"_s);
    m_guess->installEventFilter(this);
    m_definitions = new QPlainTextEdit(this);
    m_definitions->setObjectName(u"txtDef"_s);
    m_definitions->setReadOnly(true);
    m_definitions->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_definitions->setTabChangesFocus(true);

    auto* answerAndDefinitions = new QVBoxLayout;
    answerAndDefinitions->addWidget(m_guess);
    answerAndDefinitions->addWidget(m_definitions, 1);
    auto* upper = new QHBoxLayout;
    upper->addLayout(answerAndDefinitions, 1);
    upper->addWidget(makeButtonColumn(modes));

    m_details = makeDetailsPanel();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(upper, 1);
    layout->addWidget(m_details);

    const std::pair<QWidget*, int> topics[] = {{m_guess, GuessTopic},
                                               {m_definitions, DefinitionsTopic},
                                               {m_restart, RestartTopic},
                                               {m_ok, OkTopic},
                                               {m_skip, SkipTopic},
                                               {m_progress, ProgressTopic},
                                               {m_modes, ModeTopic},
                                               {m_edit, EditTopic},
                                               {m_detailsButton, DetailsTopic},
                                               {m_finish, FinishTopic}};
    for (const auto& [widget, topic] : topics)
        widget->setWhatsThis(help.popupText(topic));

    // The window keeps one size, whatever its texts: the design size, or what the fonts need
    // when that is more. It is as wide as the details panel needs also while that is hidden.
    const int widthWithDetails = minimumSizeHint().width();
    m_details->hide();
    m_collapsedSize = minimumSizeHint().expandedTo(
        QSize(std::max(twipsToPixelsX(DesignWidth, this), widthWithDetails),
              twipsToPixelsY(DesignHeight - DetailsHeight, this)));

    connect(m_ok, &QPushButton::clicked, this, &TestWindow::answer);
    connect(m_skip, &QPushButton::clicked, this, &TestWindow::moveOn);
    connect(m_edit, &QPushButton::clicked, this, &TestWindow::editEntry);
    connect(m_finish, &QPushButton::clicked, this, &TestWindow::finish);
    connect(m_restart, &QPushButton::clicked, this, [this] {
        startMode(m_run.mode());
        setRunFocus();
    });
    connect(m_detailsButton, &QPushButton::clicked, this,
            [this] { setDetailsShown(!m_detailsShown); });
    connect(m_modes, &QComboBox::activated, this, &TestWindow::modeChosen);
}

/// The buttons on the right, with the progress and the mode list among them.
QWidget* TestWindow::makeButtonColumn(const QStringList& modes)
{
    m_ok = button(u"cmdOK"_s, tr("OK"), this);
    m_ok->setDefault(true);
    m_restart = button(u"cmdRestart"_s, tr("&Restart"), this);
    m_restart->hide();
    m_skip = button(u"cmdSkip"_s, tr("&Skip"), this);
    m_finish = button(u"cmdFinish"_s, tr("&Finish"), this);

    auto* entryMode = new QGroupBox(tr("Entry / Mode"), this);
    entryMode->setObjectName(u"Frame1"_s);
    m_progress = label(u"lblProgress"_s, QString(), entryMode);
    m_progress->setAlignment(Qt::AlignCenter);
    // As wide as its widest text, whatever it shows now, so that the layout never changes.
    m_progress->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    const QFontMetrics metrics = m_progress->fontMetrics();
    const qint64 entries = m_host.currentVocabulary().entryCount;
    m_progress->setMinimumWidth(
        std::max(metrics.horizontalAdvance(noMoreEntries()),
                 metrics.horizontalAdvance(progressText(entries - 1, entries)))
        + metrics.averageCharWidth());
    m_progress->installEventFilter(this);
    m_rightSignLabel = label(u"lblRightSign"_s, tr("\u2714 Correct"), entryMode);
    m_rightSignLabel->setAlignment(Qt::AlignCenter);
    QPalette green = m_rightSignLabel->palette();
    green.setColor(QPalette::WindowText, QColor(0, 128, 0));
    m_rightSignLabel->setPalette(green);
    QSizePolicy keepsItsPlace = m_rightSignLabel->sizePolicy();
    keepsItsPlace.setRetainSizeWhenHidden(true);
    m_rightSignLabel->setSizePolicy(keepsItsPlace);
    m_rightSignLabel->hide();
    m_modes = new QComboBox(entryMode);
    m_modes->setObjectName(u"cmbMode"_s);
    for (const QString& mode : modes)
        m_modes->addItem(vocabularyfile::testModeCaption(mode), mode);
    m_modes->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // The list drops down as wide as the longest mode name, beyond the narrow column.
    m_modes->view()->setMinimumWidth(m_modes->view()->sizeHintForColumn(0)
                                     + twipsToPixelsX(300, this));
    auto* entryModeLayout = new QVBoxLayout(entryMode);
    entryModeLayout->addWidget(m_progress);
    entryModeLayout->addWidget(m_rightSignLabel);
    entryModeLayout->addWidget(m_modes);
    // Created after the mode list, so that Tab reaches them in the column's order.
    m_edit = button(u"cmdEdit"_s, tr("&Edit..."), this);
    m_detailsButton = button(u"cmdDetails"_s, tr("&Details >>"), this);

    auto* buttons = new QVBoxLayout;
    for (QWidget* widget : {static_cast<QWidget*>(m_ok), static_cast<QWidget*>(m_restart),
                            static_cast<QWidget*>(m_skip), static_cast<QWidget*>(m_finish)})
        buttons->addWidget(widget);
    buttons->addStretch();
    buttons->addWidget(entryMode);
    buttons->addWidget(m_edit);
    buttons->addWidget(m_detailsButton);
    auto* column = new QWidget(this);
    column->setLayout(buttons);
    buttons->setContentsMargins(0, 0, 0, 0);
    // As designed, or as wide as the progress and the longest mode name need, within limits.
    column->setFixedWidth(std::clamp(column->sizeHint().width(),
                                     twipsToPixelsX(ButtonColumnWidth, this),
                                     twipsToPixelsX(DesignWidth / 2, this)));
    return column;
}

/// The statistics of the current entry below the definitions, shown on request.
QWidget* TestWindow::makeDetailsPanel()
{
    auto* panel = new QWidget(this);
    auto* lastTest = new QGroupBox(tr("Last Test"), panel);
    lastTest->setObjectName(u"Frame2"_s);
    m_lastWhat = label(u"lblLastWhat"_s, tr("Last Tested On"), lastTest);
    m_lastTestedOn =
        valueLabel(u"lblLastTestedOn"_s,
                   QLocale().toString(QDate(2000, 12, 28), QLocale::ShortFormat), lastTest);
    m_lastOK = valueLabel(u"lblLastOK"_s, tr("Yes"), lastTest);
    auto* lastTestLayout = new QGridLayout(lastTest);
    lastTestLayout->addWidget(m_lastWhat, 0, 0);
    lastTestLayout->addWidget(m_lastTestedOn, 0, 1);
    lastTestLayout->addWidget(label(u"Label3"_s, tr("Answered Correctly"), lastTest), 1, 0);
    lastTestLayout->addWidget(m_lastOK, 1, 1);
    lastTestLayout->setColumnStretch(1, 1);
    auto* overall = new QGroupBox(tr("Overall"), panel);
    overall->setObjectName(u"Frame3"_s);
    m_tested = valueLabel(u"lblTested"_s, u"999 / 999"_s, overall);
    m_percentage = valueLabel(u"lblPercentage"_s, u"100%"_s, overall);
    auto* overallLayout = new QGridLayout(overall);
    overallLayout->addWidget(label(u"Label4"_s, tr("Correct / All Answers"), overall), 0, 0);
    overallLayout->addWidget(m_tested, 0, 1);
    overallLayout->addWidget(label(u"Label5"_s, tr("Correct Answers Ratio"), overall), 1, 0);
    overallLayout->addWidget(m_percentage, 1, 1);
    overallLayout->setColumnStretch(1, 1);
    auto* detailsLayout = new QHBoxLayout(panel);
    detailsLayout->setContentsMargins(0, 0, 0, 0);
    detailsLayout->addWidget(lastTest);
    detailsLayout->addWidget(overall);
    return panel;
}

void TestWindow::placeOver(const QWidget* mainWindow)
{
    // Positions and outer sizes include the window frames. Where the platform tells the frame
    // only once the window is shown, it is taken to be the main window's.
    create();
    const QRect main = mainWindow->frameGeometry();
    const QSize frame = frameGeometry().size() != size()
        ? frameGeometry().size() - size()
        : main.size() - mainWindow->geometry().size();
    const QSize outer = size() + frame;
    move(main.left() + (main.width() - outer.width()) / 2,
         main.top() + (main.height() - outer.height()) / 3);
}

void TestWindow::setDetailsShown(bool shown)
{
    m_detailsShown = shown;
    m_detailsButton->setText(shown ? tr("<< &Details") : tr("&Details >>"));
    m_details->setVisible(shown);
    // Only the height changes; the window keeps its top left corner.
    const int panel = std::max(m_details->sizeHint().height() + layout()->spacing(),
                               twipsToPixelsY(DetailsHeight, this));
    setFixedSize(m_collapsedSize + QSize(0, shown ? panel : 0));
}

void TestWindow::done(int result)
{
    m_settings.setYes(SettingsKey::Details, m_detailsShown);
    QDialog::done(result);
}

void TestWindow::startMode(const QString& mode)
{
    m_run.start(mode);
    showCurrentEntry();
}

void TestWindow::showCurrentEntry()
{
    const bool running = !m_run.hasEnded();
    m_ok->setVisible(running);
    m_restart->setVisible(!running);
    for (QWidget* widget : {static_cast<QWidget*>(m_skip), static_cast<QWidget*>(m_edit),
                            static_cast<QWidget*>(m_guess), static_cast<QWidget*>(m_definitions)})
        widget->setEnabled(running);
    if (!running) {
        m_progress->setText(noMoreEntries());
        m_definitions->clear();
        for (QLabel* value : {m_lastTestedOn, m_lastOK, m_tested, m_percentage})
            value->clear();
        return;
    }
    const TestEntry entry = m_run.current();
    m_progress->setText(progressText(m_run.position(), m_run.count()));
    m_definitions->setPlainText(
        vocabularyfile::getDefinitions(m_host.sources().definitions(), entry.id, m_messages));
    const bool neverTested = entry.lastOK == -1;
    m_lastWhat->setText(neverTested ? tr("Created On") : tr("Last Tested On"));
    m_lastTestedOn->setText(dateText(entry.lastTestedOn));
    m_lastOK->setText(neverTested ? QString() : entry.lastOK == 1 ? tr("Yes") : tr("No"));
    m_tested->setText(u"%1 / %2"_s.arg(entry.correct).arg(entry.tested));
    m_percentage->setText(entry.ratioText());
}

void TestWindow::showResults()
{
    if (m_run.testedCount() <= 0)
        return;
    ResultDialog result(m_run.mode(), m_run.testedCount(), m_run.correctCount(), m_sound, this);
    result.exec();
}

void TestWindow::showResultsOfRunningRun()
{
    // A run that has ended showed its results when it ended.
    if (!m_run.hasEnded())
        showResults();
}

void TestWindow::showRightSign(const QString& typed, const QString& headword)
{
    // A short sign beside the progress; the next entry is already shown, so a fast typist
    // never waits for it. An answer that was right without being the headword letter for
    // letter (accents left out, other case) also shows the headword's own spelling.
    const bool spelledAsStored = typed.normalized(QString::NormalizationForm_C)
        == headword.normalized(QString::NormalizationForm_C);
    m_rightSignLabel->setText(spelledAsStored ? tr("\u2714 Correct")
                                              : tr("\u2714 Correct: %1").arg(headword));
    m_rightSignLabel->show();
    m_rightSign.start();
}

void TestWindow::setRunFocus()
{
    if (m_run.hasEnded())
        m_finish->setFocus();
    else
        m_guess->setFocus();
}

void TestWindow::moveOn()
{
    m_run.next();
    if (m_run.hasEnded())
        showResults();
    showCurrentEntry();
    setRunFocus();
}

void TestWindow::answer()
{
    if (m_run.hasEnded())
        return;
    // The statistics are written first, so that an edit from the mistake dialog starts from
    // them.
    const QString typed = m_guess->text();
    const TestEntry entry = m_run.current();
    TestRun::Verdict verdict = m_run.answer(typed);
    if (verdict == TestRun::Verdict::Wrong) {
        MistakeDialog mistake(entry.headword, m_run.differences(typed), entry.id, m_entryForms,
                              m_sound, this);
        if (mistake.exec() == MistakeDialog::CountAsCorrect && m_run.countLastAnswerAsRight())
            verdict = TestRun::Verdict::Right;
    }
    m_guess->clear();
    moveOn();
    if (verdict == TestRun::Verdict::Right)
        showRightSign(typed, entry.headword);
}

void TestWindow::editEntry()
{
    // The edited entry is not answered in this run; the run goes on with the next one.
    m_entryForms.show(m_run.current().id, EntryForms::Mode::FromTest, this);
    moveOn();
}

void TestWindow::finish()
{
    showResultsOfRunningRun();
    accept();
}

void TestWindow::modeChosen(int index)
{
    const QString mode = m_modes->itemData(index).toString();
    if (mode == m_run.mode())
        return;
    showResultsOfRunningRun();
    startMode(mode);
    setRunFocus();
}

void TestWindow::restartAnyTime()
{
    showResultsOfRunningRun();
    startMode(m_run.mode());
    setRunFocus();
}

void TestWindow::keyPressEvent(QKeyEvent* event)
{
    // Esc ends the test as Finish does, with the results, never as a silent reject.
    if (event->matches(QKeySequence::Cancel)) {
        finish();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TestWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_guess && guessEvent(event))
        return true;
    if (watched == m_progress && event->type() == QEvent::MouseButtonDblClick)
        restartAnyTime();
    return QDialog::eventFilter(watched, event);
}

bool TestWindow::guessEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::InputMethod: {
        const bool wasComposing = m_composing;
        m_composing = !static_cast<QInputMethodEvent*>(event)->preeditString().isEmpty();
        if (wasComposing && !m_composing) {
            // Some input methods pass on the Enter that confirmed the text right after it;
            // that key belongs to the composition. A later Enter submits as usual.
            m_compositionEnded = true;
            QTimer::singleShot(0, this, [this] { m_compositionEnded = false; });
        }
        return false;
    }
    case QEvent::KeyPress:
        // Enter while an input method composes, or the one that just confirmed a composition,
        // must not also submit the answer.
        return isEnter(*static_cast<QKeyEvent*>(event)) && (m_composing || m_compositionEnded);
    default: return false;
    }
}

} // namespace lexmint
