#include "options/OptionsDialog.h"

#include "shell/PathTitles.h"
#include "shell/SettingsStore.h"
#include "shell/StartupPlan.h"
#include "entries/EntryForm.h"
#include "options/VocOptions.h"
#include "platform/FileDialogService.h"
#include "platform/HelpService.h"
#include "platform/widgets/Twips.h"
#include "store/VocabInfo.h"
#include "platform/HelpContexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lexmint {

namespace {

using namespace Qt::StringLiterals;

constexpr int OpenNothing = int(StartupPlan::OpenMode::Nothing);
constexpr int OpenLast = int(StartupPlan::OpenMode::LastOpen);
constexpr int OpenThis = int(StartupPlan::OpenMode::Fixed);

template <typename Widget>
Widget* named(Widget* widget, const char* name, const HelpService& help, int topic)
{
    widget->setObjectName(QLatin1StringView(name));
    widget->setWhatsThis(help.popupText(topic));
    return widget;
}

QGroupBox* frame(const char* name, const QString& caption, QSize minimum)
{
    auto* box = new QGroupBox(caption);
    box->setObjectName(QLatin1StringView(name));
    box->setMinimumSize(minimum);
    return box;
}

/// Checks the button with the given id; an id that no button has checks none.
void check(QButtonGroup* group, int id)
{
    if (QAbstractButton* button = group->button(id))
        button->setChecked(true);
}

/// The id of the checked button, or `otherwise` when none is checked.
int checkedOr(const QButtonGroup* group, int otherwise)
{
    return group->checkedId() < 0 ? otherwise : group->checkedId();
}

} // namespace

OptionsDialog::OptionsDialog(Context context, QWidget* parent)
    : TabbedDialog({6144, 4680}, {5892, 4000}, context.help, parent), m_context(std::move(context))
{
    setObjectName(u"frmOptions"_s);
    setWindowTitle(tr("Options"));
    makeStartupPage();
    makeNewVocabularyPage();
    makeEntryFormPage();
    load();
}

void OptionsDialog::makeStartupPage()
{
    const auto x = [this](int twips) { return twipsToPixelsX(twips, this); };
    const auto y = [this](int twips) { return twipsToPixelsY(twips, this); };
    const HelpService& help = m_context.help;

    QWidget* page = addPage(tr("Startup"), u"startup"_s, tr("Customize Startup Options"),
                            helpcontext::OptionsStartup);

    QGroupBox* vocabulary = frame("Frame1", tr("Vocabulary"), {x(5532), y(1848)});
    auto* none = named(new QRadioButton(tr("&None")), "optSDBlank", help, 1006);
    auto* last = named(new QRadioButton(tr("&Last Open")), "optSDLast", help, 1007);
    m_thisVocabulary = named(new QRadioButton(tr("This &Vocabulary:")), "optSDThis", help, 1008);
    m_startupPath = named(new QLineEdit, "txtStartupDB", help, 1012);
    m_startupPath->setMinimumSize(x(3636), y(324));
    m_startupPath->installEventFilter(this);
    auto* useCurrent =
        named(new QPushButton(tr("&Use Current Vocabulary")), "cmdMakeCurrentDefault", help, 1010);
    useCurrent->setMinimumSize(x(2356), y(375));
    auto* browse = named(new QPushButton(tr("&Browse...")), "cmdBrowse", help, 1011);
    browse->setMinimumSize(x(1145), y(375));
    connect(useCurrent, &QPushButton::clicked, this, &OptionsDialog::useCurrentVocabulary);
    connect(browse, &QPushButton::clicked, this, &OptionsDialog::browse);

    // Any of the buttons may be unchecked: a stored value that matches none checks none.
    m_startupOpen = new QButtonGroup(this);
    m_startupOpen->addButton(none, OpenNothing);
    m_startupOpen->addButton(last, OpenLast);
    m_startupOpen->addButton(m_thisVocabulary, OpenThis);

    auto* pathButtons = new QHBoxLayout;
    pathButtons->addWidget(useCurrent);
    pathButtons->addStretch();
    pathButtons->addWidget(browse);
    auto* vocabularyLayout = new QGridLayout(vocabulary);
    vocabularyLayout->setContentsMargins(x(132), y(60), x(180), y(120));
    vocabularyLayout->setHorizontalSpacing(x(60));
    vocabularyLayout->addWidget(none, 0, 0);
    vocabularyLayout->addWidget(last, 1, 0);
    vocabularyLayout->addWidget(m_thisVocabulary, 2, 0);
    vocabularyLayout->addWidget(m_startupPath, 2, 1);
    vocabularyLayout->addLayout(pathButtons, 3, 1);
    vocabularyLayout->setColumnStretch(1, 1);
    vocabularyLayout->setRowStretch(4, 1);

    QGroupBox* startWith = frame("Frame3", tr("Start With"), {x(5532), y(1272)});
    m_startupForm = new QButtonGroup(this);
    auto* startWithLayout = new QVBoxLayout(startWith);
    startWithLayout->setContentsMargins(x(132), y(60), x(132), y(60));
    const struct {
        const char* name;
        QString caption;
        int topic;
        StartupPlan::Form form;
    } forms[] = {{"optSFData", tr("&Data Sheet"), 1020, StartupPlan::Form::DataSheet},
                 {"optSFAdd", tr("&Entry Form"), 1021, StartupPlan::Form::EntryForm},
                 {"optSFTest", tr("&Test Form"), 1022, StartupPlan::Form::Test}};
    for (const auto& form : forms) {
        auto* button = named(new QRadioButton(form.caption), form.name, help, form.topic);
        m_startupForm->addButton(button, int(form.form));
        startWithLayout->addWidget(button);
    }
    startWithLayout->addStretch();

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(x(48), y(148), 0, 0);
    layout->setSpacing(y(176));
    layout->addWidget(vocabulary);
    layout->addWidget(startWith);
    layout->addStretch();
}

void OptionsDialog::makeNewVocabularyPage()
{
    QWidget* page = addPage(tr("New Vocabulary"), u"newdbprops"_s,
                            tr("Set default properties for newly created vocabularies"),
                            helpcontext::OptionsNewVocabulary);
    m_options = new VocOptions(m_context.keyboards, m_context.help, page);
    m_options->setObjectName(u"VocOpts"_s);
    m_options->setMinimumSize(twipsToPixelsX(5532, this), twipsToPixelsY(1890, this));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(twipsToPixelsX(45, this), twipsToPixelsY(145, this), 0, 0);
    layout->addWidget(m_options, 0, Qt::AlignLeft | Qt::AlignTop);
}

void OptionsDialog::makeEntryFormPage()
{
    const auto x = [this](int twips) { return twipsToPixelsX(twips, this); };
    const auto y = [this](int twips) { return twipsToPixelsY(twips, this); };
    const HelpService& help = m_context.help;

    QWidget* page = addPage(tr("Entry Form"), u"entryform"_s, tr("Customize Entry Form Behavior"),
                            helpcontext::OptionsEntryForm);
    QGroupBox* behaviour = frame("Frame5", tr("Entry Form Behavior"), {x(5532), y(1140)});
    m_keysMove = named(new QCheckBox(tr("&Cursor keys and Enter move between form fields")),
                       "chkEFMove", help, 1045);
    m_doubleEnter =
        named(new QCheckBox(tr("&Pressing Enter twice in the definition field submits the entry")),
              "chkEF2Enter", help, 1046);
    auto* boxes = new QVBoxLayout(behaviour);
    boxes->setContentsMargins(x(144), y(60), x(144), y(60));
    boxes->addWidget(m_keysMove);
    boxes->addWidget(m_doubleEnter);
    boxes->addStretch();

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(x(45), y(145), 0, 0);
    layout->addWidget(behaviour);
    layout->addStretch();
}

void OptionsDialog::load()
{
    // The stored values, not this run's: the command line may have changed the start-up form
    // for this run only.
    const SettingsStore& settings = m_context.settings;
    const qint16 startupOpen = settings.number16(SettingsKey::StartUpOpen);
    check(m_startupOpen, startupOpen);
    if (startupOpen == OpenThis)
        m_startupPath->setText(settings.text(SettingsKey::StartupDB));
    check(m_startupForm, settings.number16(SettingsKey::StartupForm));

    const qint16 entryForm = settings.number16(SettingsKey::EntryForm);
    m_keysMove->setChecked(entryForm & entryformbits::KeysMove);
    m_doubleEnter->setChecked(entryForm & entryformbits::DoubleEnterSubmits);

    const VocabInfo& defaults = m_context.newVocabularyDefaults;
    m_options->setFlags(defaults.flags);
    m_options->setKeybHead(defaults.keybHead);
    m_options->setKeybDef(defaults.keybDef);
}

void OptionsDialog::accept()
{
    SettingsStore& settings = m_context.settings;
    Applied applied{};

    // Without a choice the start-up vocabulary is the one in the text box.
    applied.startUpOpen = qint16(checkedOr(m_startupOpen, OpenThis));
    settings.setNumber(SettingsKey::StartUpOpen, applied.startUpOpen);
    if (applied.startUpOpen == OpenThis) {
        // Kept absolute, so that it names the same file whatever folder the program starts in.
        applied.startupPath = absolutePath(m_startupPath->text());
        settings.setText(SettingsKey::StartupDB, applied.startupPath);
    }
    settings.setNumber(SettingsKey::StartupForm,
                       checkedOr(m_startupForm, int(StartupPlan::Form::Test)));

    applied.entryForm = qint16((m_doubleEnter->isChecked() ? entryformbits::DoubleEnterSubmits : 0)
                               | (m_keysMove->isChecked() ? entryformbits::KeysMove : 0));
    settings.setNumber(SettingsKey::EntryForm, applied.entryForm);

    VocabInfo& defaults = m_context.newVocabularyDefaults;
    defaults.flags = m_options->flags();
    settings.setNumber(SettingsKey::UserFlags, defaults.flags);
    defaults.keybHead = m_options->keybHead();
    defaults.keybDef = m_options->keybDef();
    settings.setNumber(SettingsKey::UserKeybH, defaults.keybHead);
    settings.setNumber(SettingsKey::UserKeybD, defaults.keybDef);

    if (m_context.applied)
        m_context.applied(applied);
    TabbedDialog::accept();
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_startupPath && event->type() == QEvent::FocusIn)
        m_thisVocabulary->setChecked(true);
    return TabbedDialog::eventFilter(watched, event);
}

void OptionsDialog::useCurrentVocabulary()
{
    const QString& path = m_context.currentVocabulary.path;
    m_startupPath->setText(path);
    if (!path.isEmpty())
        m_thisVocabulary->setChecked(true);
}

void OptionsDialog::browse()
{
    FileDialogRequest request;
    request.title = tr("Select Startup Database");
    request.filters = QStringList{vocabularyFilter(), olderVocabularyFilter()};
    request.defaultSuffix = u"lxm"_s;
    request.window = this;
    const std::optional<QString> chosen = m_context.files.openFile(request);
    if (!chosen)
        return;
    m_startupPath->setText(*chosen);
    if (!chosen->isEmpty())
        m_thisVocabulary->setChecked(true);
}

} // namespace lexmint
