#include "entries/QuickFind.h"

#include "entries/VocabularyHost.h"
#include "platform/widgets/Twips.h"
#include "store/Criteria.h"
#include "store/DataSource.h"
#include "store/VocabInfo.h"
#include "store/VocabularySources.h"
#include "platform/HelpContexts.h"
#include "platform/widgets/ContextHelp.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lexmint {

using namespace Qt::StringLiterals;

namespace {
// Where the window stands relative to the main window's top left corner, in twips.
constexpr int OffsetX = 50;
constexpr int OffsetY = 250;
constexpr int WordWidth = 3600;
constexpr int Margin = 120;
} // namespace

QuickFindDialog::QuickFindDialog(VocabularyHost& host, KeyboardFocus& keyboards, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::MSWindowsFixedSizeDialogHint),
      m_host(host),
      m_word(new QLineEdit(this)),
      m_keyboard(keyboards, m_word, [&host] { return host.currentVocabulary().keybHead; }),
      m_startPosition(host.sources().vocabulary().absolutePosition())
{
    setObjectName(u"frmQSearch"_s);
    ContextHelp::setContext(this, helpcontext::QuickFind);
    setWindowTitle(tr("Quick Find"));
    setModal(true);

    m_word->setObjectName(u"txtWord"_s);
    m_word->setMinimumWidth(twipsToPixelsX(WordWidth, this));
    connect(m_word, &QLineEdit::textChanged, this, &QuickFindDialog::findHeadword);
    connect(m_word, &QLineEdit::returnPressed, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twipsToPixelsX(Margin, this), twipsToPixelsY(Margin, this),
                               twipsToPixelsX(Margin, this), twipsToPixelsY(Margin, this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_word);

    // Positions of top-level windows include their frames, so the offset is from the main
    // window's outer edges. Moving the window also keeps Qt from centring it over the parent.
    if (parent)
        move(parent->window()->pos()
             + QPoint(twipsToPixelsX(OffsetX, this), twipsToPixelsY(OffsetY, this)));

    // Every keystroke asks where the found row stands; that is prepared once, before typing.
    host.sources().vocabulary().preparePositions();
}

void QuickFindDialog::findHeadword(const QString& text)
{
    // The box's text is a prefix in which the user's `*` and `?` keep their wildcard meaning;
    // an empty text matches every headword and so goes to the first entry.
    const QString criteria = u"Headword LIKE \""_s + quoteForCriteria(text) + u"*\""_s;
    if (m_host.sources().vocabulary().findFirst(criteria))
        m_host.showVocabularyCurrent();
}

void QuickFindDialog::returnToStart()
{
    if (m_startPosition >= 0 && m_host.sources().vocabulary().setAbsolutePosition(m_startPosition))
        m_host.showVocabularyCurrent();
}

void QuickFindDialog::keyPressEvent(QKeyEvent* event)
{
    // Only Esc goes back; closing through the frame also rejects, but leaves the sheet alone.
    if (event->matches(QKeySequence::Cancel)) {
        returnToStart();
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace lexmint
