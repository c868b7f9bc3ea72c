#include "options/VocOptions.h"

#include "keyboards/widgets/KeyboardSelectDialog.h"
#include "platform/HelpService.h"
#include "platform/widgets/Twips.h"
#include "store/VocabInfo.h"
#include "platform/HelpContexts.h"
#include "platform/widgets/ContextHelp.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHash>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace lexmint {

namespace {

using namespace Qt::StringLiterals;

constexpr int CaseSensitiveTopic = 1035;
constexpr int WarnDoublesTopic = 1036;
constexpr int AccentsOptionalTopic = 1037;
constexpr int KeyboardsTopic = 1031;

const QString CaseSensitiveName = u"CaseSensitive"_s;
const QString AccentsOptionalName = u"AccentsOptional"_s;
const QString WarnDoublesName = u"WarnDoubles"_s;
const QString KeybHeadName = u"KeybHead"_s;
const QString KeybDefName = u"KeybDef"_s;

/// A three-state box whose click only ticks or clears it; the indeterminate state comes only
/// from the program. A click on an indeterminate box ticks it.
class ClickTogglesCheckBox final : public QCheckBox {
public:
    ClickTogglesCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent)
    {
        setTristate(true);
    }

protected:
    void nextCheckState() override
    {
        setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
};

// The state numbers of the panel's properties: 0 clear, 1 ticked, 2 indeterminate. Qt numbers
// the last two the other way round.

/// 0 clears the box, 2 makes it indeterminate, any other number ticks it.
Qt::CheckState checkStateOf(int state)
{
    switch (state) {
    case 0: return Qt::Unchecked;
    case 2: return Qt::PartiallyChecked;
    default: return Qt::Checked;
    }
}

int stateNumberOf(const QCheckBox* box)
{
    const Qt::CheckState state = box->checkState();
    return state == Qt::PartiallyChecked ? 2 : state == Qt::Checked ? 1 : 0;
}

} // namespace

VocOptions::VocOptions(const KeyboardBackend& keyboards, const HelpService& help, QWidget* parent)
    : QWidget(parent), m_keyboards(keyboards)
{
    const auto x = [this](int twips) { return twipsToPixelsX(twips, this); };
    const auto y = [this](int twips) { return twipsToPixelsY(twips, this); };

    auto* frame = new QGroupBox(tr("Preferences"), this);
    frame->setObjectName(u"Frame1"_s);
    frame->setMinimumHeight(y(1140));

    const auto checkBox = [&](const QString& name, const QString& text, int topic) {
        auto* box = new ClickTogglesCheckBox(text, frame);
        box->setObjectName(name);
        box->setCheckState(Qt::PartiallyChecked);
        box->setMinimumSize(x(3015), y(315));
        box->setWhatsThis(help.popupText(topic));
        return box;
    };
    m_caseSensitive =
        checkBox(u"chkCaseSensitive"_s, tr("Headwords are &case sensitive"), CaseSensitiveTopic);
    m_accentsOptional =
        checkBox(u"chkAccentsOptional"_s, tr("&Accents may be left out"), AccentsOptionalTopic);
    m_warnDoubles =
        checkBox(u"chkWarnDoubles"_s, tr("&Warn when a headword is not unique"), WarnDoublesTopic);

    auto* boxes = new QVBoxLayout(frame);
    boxes->setContentsMargins(x(150), y(60), x(150), y(60));
    boxes->setSpacing(y(60));
    boxes->addWidget(m_caseSensitive);
    boxes->addWidget(m_accentsOptional);
    boxes->addWidget(m_warnDoubles);
    boxes->addStretch();

    auto* keyboardsButton = new QPushButton(tr("Keyboards..."), this);
    keyboardsButton->setObjectName(u"cmdKeyboards"_s);
    keyboardsButton->setMinimumSize(x(1440), y(390));
    keyboardsButton->setWhatsThis(help.popupText(KeyboardsTopic));
    connect(keyboardsButton, &QPushButton::clicked, this, &VocOptions::chooseKeyboards);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(y(135));
    layout->addWidget(frame);
    layout->addWidget(keyboardsButton, 0, Qt::AlignLeft);
    layout->addStretch();
}

int VocOptions::caseSensitive() const
{
    return stateNumberOf(m_caseSensitive);
}

int VocOptions::accentsOptional() const
{
    return stateNumberOf(m_accentsOptional);
}

int VocOptions::warnDoubles() const
{
    return stateNumberOf(m_warnDoubles);
}

void VocOptions::setCaseSensitive(int state)
{
    m_caseSensitive->setCheckState(checkStateOf(state));
    emit propertyChanged(CaseSensitiveName);
}

void VocOptions::setAccentsOptional(int state)
{
    m_accentsOptional->setCheckState(checkStateOf(state));
    emit propertyChanged(AccentsOptionalName);
}

void VocOptions::setWarnDoubles(int state)
{
    m_warnDoubles->setCheckState(checkStateOf(state));
    emit propertyChanged(WarnDoublesName);
}

void VocOptions::setKeybHead(KeyboardLayoutId layout)
{
    m_keybHead = layout;
    emit propertyChanged(KeybHeadName);
}

void VocOptions::setKeybDef(KeyboardLayoutId layout)
{
    m_keybDef = layout;
    emit propertyChanged(KeybDefName);
}

qint32 VocOptions::flags() const
{
    qint32 packed = 0;
    if (caseSensitive() == 1)
        packed |= vocabflags::CaseSensitive;
    if (warnDoubles() == 1)
        packed |= vocabflags::WarnDoubles;
    if (accentsOptional() == 1)
        packed |= vocabflags::AccentsOptional;
    return packed;
}

void VocOptions::setFlags(qint32 flags)
{
    setCaseSensitive((flags & vocabflags::CaseSensitive) ? 1 : 0);
    setWarnDoubles((flags & vocabflags::WarnDoubles) ? 1 : 0);
    setAccentsOptional((flags & vocabflags::AccentsOptional) ? 1 : 0);
}

void VocOptions::restoreState(const QVariantMap& state)
{
    QHash<QString, QVariant> byName;
    for (auto it = state.cbegin(); it != state.cend(); ++it)
        byName.insert(it.key().toCaseFolded(), it.value());
    const auto value = [&](const QString& name, int fallback) {
        bool ok = false;
        const int read = byName.value(name.toCaseFolded()).toInt(&ok);
        return ok ? read : fallback;
    };
    setCaseSensitive(value(CaseSensitiveName, 1));
    setAccentsOptional(value(AccentsOptionalName, 0));
    setWarnDoubles(value(WarnDoublesName, 1));
    setKeybHead(value(KeybHeadName, 0));
    setKeybDef(value(KeybDefName, 0));
}

QVariantMap VocOptions::saveState() const
{
    return {{CaseSensitiveName, QVariant::fromValue(qint16(caseSensitive()))},
            {AccentsOptionalName, QVariant::fromValue(qint16(accentsOptional()))},
            {WarnDoublesName, QVariant::fromValue(qint16(warnDoubles()))},
            {KeybHeadName, QVariant::fromValue(m_keybHead)},
            {KeybDefName, QVariant::fromValue(m_keybDef)}};
}

void VocOptions::chooseKeyboards()
{
    // The dialog is this panel's child, so it goes with the panel should that go while the
    // dialog is open; the panel is then left alone.
    const QPointer<KeyboardSelectDialog> dialog =
        new KeyboardSelectDialog(m_keyboards, m_keybHead, m_keybDef, this);
    ContextHelp::setContext(dialog, helpcontext::KeyboardSelection);
    const int result = dialog->exec();
    if (!dialog)
        return;
    if (result == QDialog::Accepted) {
        setKeybHead(dialog->chosenHead());
        setKeybDef(dialog->chosenDef());
    }
    delete dialog;
}

} // namespace lexmint
