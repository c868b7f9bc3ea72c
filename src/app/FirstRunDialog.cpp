#include "app/FirstRunDialog.h"

#include "shell/SampleVocabularies.h"
#include "platform/HelpService.h"
#include "platform/widgets/Twips.h"
#include "platform/HelpContexts.h"
#include "platform/widgets/ContextHelp.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lexmint {

using namespace Qt::StringLiterals;

FirstRunDialog::FirstRunDialog(QString programDir, HelpService& help, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::MSWindowsFixedSizeDialogHint),
      m_programDir(std::move(programDir))
{
    setObjectName(u"frmFirstTime"_s);
    ContextHelp::setContext(this, helpcontext::Welcome);
    setWindowTitle(tr("Welcome to Lex Mint!"));
    setModal(true);

    const auto x = [this](int twips) { return twipsToPixelsX(twips, this); };
    const auto y = [this](int twips) { return twipsToPixelsY(twips, this); };

    auto* intro =
        new QLabel(tr("Now that you've launched Lex Mint for the first time, please choose "
                      "a vocabulary that you want to start with:"),
                   this);
    intro->setObjectName(u"Label1"_s);
    intro->setWordWrap(true);
    intro->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    intro->setFixedWidth(x(3540));
    intro->setMinimumHeight(y(684));

    auto* frame = new QGroupBox(tr("Start With"), this);
    frame->setObjectName(u"Frame1"_s);
    frame->setFixedWidth(x(3540));

    m_blank = new QRadioButton(tr("&New Vocabulary"), frame);
    m_blank->setObjectName(u"optBlank"_s);
    m_blank->setChecked(true);

    m_sample = new QRadioButton(tr("&Sample Vocabulary:"), frame);
    m_sample->setObjectName(u"optSample"_s);

    m_samples = new QComboBox(frame);
    m_samples->setObjectName(u"cmbSample"_s);
    m_samples->setEditable(false);
    for (const SampleVocabulary& sample : sampleVocabularies())
        m_samples->addItem(sample.displayTitle(), QString(sample.file));
    m_samples->setCurrentIndex(0);
    m_samples->setFixedWidth(x(2952));
    m_samples->installEventFilter(this);

    auto* choices = new QVBoxLayout(frame);
    choices->setContentsMargins(x(168), y(96), x(168), y(168));
    choices->setSpacing(y(72));
    choices->addWidget(m_blank);
    choices->addWidget(m_sample);
    auto* list = new QHBoxLayout;
    list->addSpacing(x(385 - 168));
    list->addWidget(m_samples);
    list->addStretch();
    choices->addLayout(list);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(u"cmdOK"_s);
    ok->setDefault(true);
    ok->setMinimumSize(x(1104), y(375));
    connect(ok, &QPushButton::clicked, this, &FirstRunDialog::choose);

    auto* helpButton = new QPushButton(tr("Help"), this);
    helpButton->setObjectName(u"cmdHelp"_s);
    helpButton->setMinimumSize(x(1104), y(375));
    connect(helpButton, &QPushButton::clicked, this, [&help] { help.showContents(); });

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(x(72));
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(helpButton);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(x(84), y(168), x(120), y(81));
    layout->setSpacing(y(156));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(intro);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    // The choice has the focus first: a list that took it would select the sample at once.
    m_blank->setFocus();
}

bool FirstRunDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_samples && event->type() == QEvent::FocusIn)
        m_sample->setChecked(true);
    return QDialog::eventFilter(watched, event);
}

void FirstRunDialog::choose()
{
    if (m_sample->isChecked())
        m_chosenPath = m_programDir + m_samples->currentData().toString();
    accept();
}

} // namespace lexmint
