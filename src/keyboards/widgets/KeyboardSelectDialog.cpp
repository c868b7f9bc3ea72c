#include "keyboards/widgets/KeyboardSelectDialog.h"

#include "keyboards/KeyboardChoices.h"
#include "platform/widgets/Twips.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lexmint {

namespace {

using namespace Qt::StringLiterals;

constexpr int ClientWidth = 4680;
constexpr int ClientHeight = 2736;

QLabel* label(const char* name, const QString& text, QWidget* parent)
{
    auto* result = new QLabel(text, parent);
    result->setObjectName(QLatin1StringView(name));
    return result;
}

QComboBox* layoutList(const char* name, const KeyboardChoices& choices, int row, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1StringView(name));
    list->setEditable(false);
    list->addItems(choices.names);
    list->setCurrentIndex(row);
    return list;
}

/// Neither button answers Enter, so that a key meant for the lists does not close the dialog.
QPushButton* button(const char* name, const QString& text, QWidget* parent)
{
    auto* result = new QPushButton(text, parent);
    result->setObjectName(QLatin1StringView(name));
    result->setAutoDefault(false);
    result->setMinimumSize(twipsToPixelsX(1092, parent), twipsToPixelsY(372, parent));
    return result;
}

} // namespace

KeyboardSelectDialog::KeyboardSelectDialog(const KeyboardBackend& keyboards, KeyboardLayoutId head,
                                           KeyboardLayoutId def, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(u"frmKeybSel"_s);
    setWindowTitle(tr("Select Keyboard"));
    setModal(true);

    const auto x = [this](int twips) { return twipsToPixelsX(twips, this); };
    const auto y = [this](int twips) { return twipsToPixelsY(twips, this); };

    const KeyboardChoices choices = installedKeyboardChoices(keyboards, head, def);
    m_layouts = choices.layouts;

    auto* prompt =
        label("Label2",
              tr("Please select keyboards that you want to use in the following contexts:"), this);
    prompt->setWordWrap(true);

    auto* frame = new QGroupBox(tr("Keyboard choice"), this);
    frame->setObjectName(u"Frame1"_s);
    m_head = layoutList("cmbHeadKeyboard", choices, choices.headRow, frame);
    m_def = layoutList("cmbDefKeyboard", choices, choices.defRow, frame);
    auto* rows = new QGridLayout(frame);
    rows->setColumnStretch(1, 1);
    rows->addWidget(label("Label1", tr("Headwords"), frame), 0, 0);
    rows->addWidget(m_head, 0, 1);
    rows->addWidget(label("Label3", tr("Definitions"), frame), 1, 0);
    rows->addWidget(m_def, 1, 1);

    auto* ok = button("cmdOK", tr("OK"), this);
    auto* cancel = button("cmdCancel", tr("Cancel"), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(x(120), y(120), x(120), y(120));
    layout->addWidget(prompt);
    layout->addWidget(frame);
    layout->addStretch();
    layout->addLayout(buttons);

    // One size: the design size, or what the fonts and the layout names need when that is more.
    const int width = std::max(x(ClientWidth), minimumSizeHint().width());
    setFixedSize(width, std::max(y(ClientHeight), layout->totalHeightForWidth(width)));
    m_head->setFocus();
}

KeyboardLayoutId KeyboardSelectDialog::chosenHead() const
{
    return layoutAt(m_head);
}

KeyboardLayoutId KeyboardSelectDialog::chosenDef() const
{
    return layoutAt(m_def);
}

KeyboardLayoutId KeyboardSelectDialog::layoutAt(const QComboBox* list) const
{
    return m_layouts.value(list->currentIndex(), KeybCurrent);
}

} // namespace lexmint
