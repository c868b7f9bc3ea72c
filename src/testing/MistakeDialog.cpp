#include "testing/MistakeDialog.h"

#include "entries/EntryForms.h"
#include "platform/SoundService.h"
#include "platform/widgets/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace lexmint {

using namespace Qt::StringLiterals;

MistakeDialog::MistakeDialog(const QString& correctHeadword, qint64 entryId,
                             EntryForms& entryForms, SoundService& sound, QWidget* testWindow)
    : QDialog(testWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                              | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_entryId(entryId),
      m_entryForms(entryForms)
{
    setObjectName(u"frmMistake"_s);
    setWindowTitle(u"Mistaken Answer"_s);
    setModal(true);

    const auto x = [this](int twips) { return twipsToPixelsX(twips, this); };
    const auto y = [this](int twips) { return twipsToPixelsY(twips, this); };
    setFixedSize(x(4644), y(1380));

    auto* caption = new QLabel(u"The correct answer is:"_s, this);
    caption->setObjectName(u"Label1"_s);
    caption->setGeometry(x(120), y(120), x(4404), qMax(y(195), fontMetrics().height()));

    auto* correct = new QLineEdit(correctHeadword, this);
    correct->setObjectName(u"txtCorrect"_s);
    correct->setReadOnly(true);
    correct->setCursorPosition(0);
    correct->setGeometry(x(120), y(372), x(4404), qMax(y(312), correct->sizeHint().height()));

    auto* ok = new QPushButton(u"OK"_s, this);
    ok->setObjectName(u"cmdOK"_s);
    ok->setDefault(true);
    ok->setGeometry(x(2244), y(876), x(1092), y(372));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* edit = new QPushButton(u"&Edit..."_s, this);
    edit->setObjectName(u"cmdEdit"_s);
    edit->setGeometry(x(3432), y(876), x(1092), y(372));
    connect(edit, &QPushButton::clicked, this, &MistakeDialog::editEntry);

    ok->setFocus();

    if (testWindow)
        placeOver(*testWindow);
    sound.playAlert();
}

void MistakeDialog::placeOver(const QWidget& testWindow)
{
    // Qt learns this dialog's frame only once it is shown; it has the same kind of frame as
    // the test window, so that one's thickness stands in for it.
    const QRect testFrame = testWindow.frameGeometry();
    const int outerHeight = height() + testFrame.height() - testWindow.height();
    move(testFrame.left() - twipsToPixelsX(15, this),
         testFrame.top() + (testFrame.height() - outerHeight) / 2);
}

void MistakeDialog::editEntry()
{
    // The entry form runs modally over this dialog; it reports itself when the entry is
    // already open in another form.
    const QPointer<MistakeDialog> self(this);
    m_entryForms.show(m_entryId, EntryForms::Mode::FromTest);
    if (self)
        accept();
}

} // namespace lexmint
