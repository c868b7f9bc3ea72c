#pragma once

#include "drill/TestRun.h"
#include "keyboards/widgets/TypingContext.h"
#include "platform/widgets/WindowMessages.h"

#include <QDialog>
#include <QTimer>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lexmint {

class Clock;
class EntryForms;
class HelpService;
class KeyboardFocus;
class MessageService;
class SettingsStore;
class SoundService;
class VocabularyHost;

/// The test window ("frmTest"): shows the definitions of one entry after another of a test
/// mode, takes the typed headword, judges it and records the answer in the entry's statistics.
/// A wrong answer shows the right one; the end of a run, or leaving a run that has answers,
/// sums the run up in the result dialog, once per run.
///
/// While the answer box has the focus, the vocabulary's headword layout is active and the
/// status bar names it; the user's own layout comes back when the box loses the focus.
class TestWindow final : public QDialog {
    Q_OBJECT

public:
    /// Loads the window over `host`'s open vocabulary and starts a run of `testMode`.
    /// `modes` are the test modes of the main window's Test menu, "All" first; the mode list
    /// offers them all. The window is placed over `parent`'s window, and shows the details
    /// panel when it was open when the window was last closed.
    TestWindow(VocabularyHost& host, EntryForms& entryForms, MessageService& messages,
               KeyboardFocus& keyboards, const Clock& clock, SettingsStore& settings,
               HelpService& help, SoundService& sound, const QStringList& modes,
               const QString& testMode, QWidget* parent = nullptr);
    ~TestWindow() override;

    /// Closing remembers whether the details panel was open.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls(const QStringList& modes, HelpService& help);
    QWidget* makeButtonColumn(const QStringList& modes);
    QWidget* makeDetailsPanel();
    void placeOver(const QWidget* mainWindow);
    void startMode(const QString& mode);
    void showCurrentEntry();
    void showRightSign(const QString& typed, const QString& headword);
    void showResults();
    void showResultsOfRunningRun();
    void setRunFocus();
    void moveOn();
    void answer();
    void editEntry();
    void finish();
    void modeChosen(int index);
    void restartAnyTime();
    void setDetailsShown(bool shown);
    bool guessEvent(QEvent* event);

    VocabularyHost& m_host;
    EntryForms& m_entryForms;
    WindowMessages m_messages;
    SettingsStore& m_settings;
    SoundService& m_sound;
    TestRun m_run;

    QLineEdit* m_guess;
    TypingContext m_keyboard;
    QPlainTextEdit* m_definitions = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_restart = nullptr;
    QPushButton* m_skip = nullptr;
    QPushButton* m_finish = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_detailsButton = nullptr;
    QLabel* m_progress = nullptr;
    QLabel* m_rightSignLabel = nullptr;
    QComboBox* m_modes = nullptr;
    QWidget* m_details = nullptr;
    QLabel* m_lastWhat = nullptr;
    QLabel* m_lastTestedOn = nullptr;
    QLabel* m_lastOK = nullptr;
    QLabel* m_tested = nullptr;
    QLabel* m_percentage = nullptr;
    QSize m_collapsedSize;
    bool m_detailsShown = false;
    /// Runs while the progress area says that the last answer was right.
    QTimer m_rightSign;

    /// An input method is composing text in the answer box.
    bool m_composing = false;
    /// A composition has just been confirmed; the key that confirmed it may still arrive.
    bool m_compositionEnded = false;
};

} // namespace lexmint
