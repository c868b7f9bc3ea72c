#pragma once

#include "options/TabbedDialog.h"

#include <functional>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace lexmint {

class FileDialogService;
class KeyboardBackend;
class SettingsStore;
class VocOptions;
struct VocabInfo;

/// The program-wide options ("frmOptions"): what happens at start-up, the options that new
/// vocabularies get, and how the entry form's keys behave. Loaded from the settings when the
/// dialog is made; OK writes them to the settings and hands them to the running program, so
/// that they apply without a restart.
class OptionsDialog final : public TabbedDialog {
    Q_OBJECT

public:
    /// The values written on OK that the running program keeps a copy of, besides the
    /// new-vocabulary defaults.
    struct Applied {
        qint16 startUpOpen;
        QString startupPath; ///< what was written as the start-up vocabulary, if anything
        qint16 entryForm;
    };

    struct Context {
        SettingsStore& settings;
        VocabInfo& newVocabularyDefaults;
        const VocabInfo& currentVocabulary;
        FileDialogService& files;
        HelpService& help;
        const KeyboardBackend& keyboards;
        /// Called after OK has written the settings.
        std::function<void(const Applied&)> applied;
    };

    explicit OptionsDialog(Context context, QWidget* parent = nullptr);

    /// Writes every value to the settings and to the running program, then closes.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeStartupPage();
    void makeNewVocabularyPage();
    void makeEntryFormPage();
    void load();
    void useCurrentVocabulary();
    void browse();

    Context m_context;
    QButtonGroup* m_startupOpen = nullptr;
    QRadioButton* m_thisVocabulary = nullptr;
    QLineEdit* m_startupPath = nullptr;
    QButtonGroup* m_startupForm = nullptr;
    VocOptions* m_options = nullptr;
    QCheckBox* m_keysMove = nullptr;
    QCheckBox* m_doubleEnter = nullptr;
};

} // namespace lexmint
