#include "testing/MistakeDialog.h"

#include "entries/EntryForms.h"
#include "platform/SoundService.h"
#include "platform/widgets/Twips.h"
#include "platform/HelpContexts.h"
#include "platform/widgets/ContextHelp.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace lexmint {

using namespace Qt::StringLiterals;

namespace {

// Blanks are invisible on a coloured ground; where they are the difference they are shown.
QString visibleBlanks(const QString& text)
{
    QString shown = text.toHtmlEscaped();
    shown.replace(u' ', u'\u2423');
    shown.replace(u'\t', u'\u2192');
    return shown;
}

} // namespace

QString MistakeDialog::markedAnswer(const QList<AnswerPiece>& typed)
{
    static const QString Wrong =
        u"<span style=\"background-color:#ffb3b3; color:#8b0000\">%1</span>"_s;
    static const QString Extra = u"<span style=\"background-color:#ffb3b3; color:#8b0000; "
                                 "text-decoration:line-through\">%1</span>"_s;
    static const QString Missing =
        u"<span style=\"background-color:#b9f0b9; color:#005000; text-decoration:underline\">"
        "%1</span>"_s;
    QString html;
    for (const AnswerPiece& piece : typed) {
        switch (piece.kind) {
        case AnswerPiece::Kind::Same: html += piece.typed.toHtmlEscaped(); break;
        case AnswerPiece::Kind::Changed: html += Wrong.arg(visibleBlanks(piece.typed)); break;
        case AnswerPiece::Kind::Extra: html += Extra.arg(visibleBlanks(piece.typed)); break;
        case AnswerPiece::Kind::Missing: html += Missing.arg(visibleBlanks(piece.expected)); break;
        }
    }
    // Runs of blanks keep their width, as typed.
    return u"<span style=\"white-space:pre\">%1</span>"_s.arg(html);
}

MistakeDialog::MistakeDialog(const QString& correctHeadword, const QList<AnswerPiece>& typed,
                             qint64 entryId, EntryForms& entryForms, SoundService& sound,
                             QWidget* testWindow)
    : QDialog(testWindow,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::MSWindowsFixedSizeDialogHint),
      m_entryId(entryId),
      m_entryForms(entryForms)
{
    setObjectName(u"frmMistake"_s);
    ContextHelp::setContext(this, helpcontext::MistakeDialog);
    setWindowTitle(tr("Mistaken Answer"));
    setModal(true);

    const auto x = [this](int twips) { return twipsToPixelsX(twips, this); };
    const auto y = [this](int twips) { return twipsToPixelsY(twips, this); };
    setFixedSize(x(4644), y(1980));

    auto* caption = new QLabel(tr("The correct answer is:"), this);
    caption->setObjectName(u"Label1"_s);
    caption->setGeometry(x(120), y(120), x(4404), qMax(y(195), fontMetrics().height()));

    auto* correct = new QLineEdit(correctHeadword, this);
    correct->setObjectName(u"txtCorrect"_s);
    correct->setReadOnly(true);
    correct->setCursorPosition(0);
    correct->setGeometry(x(120), y(372), x(4404), qMax(y(312), correct->sizeHint().height()));

    auto* typedCaption = new QLabel(tr("Your answer:"), this);
    typedCaption->setObjectName(u"Label2"_s);
    typedCaption->setGeometry(x(120), y(744), x(4404), qMax(y(195), fontMetrics().height()));

    auto* answer = new QLabel(markedAnswer(typed), this);
    answer->setObjectName(u"lblTyped"_s);
    answer->setTextFormat(Qt::RichText);
    answer->setFrameShape(QFrame::StyledPanel);
    answer->setToolTip(tr("Characters typed wrongly are marked red, extra ones are also struck "
                          "through, and characters left out are shown underlined in green."));
    answer->setGeometry(x(120), y(996), x(4404), qMax(y(312), correct->sizeHint().height()));
    answer->setAccessibleName(tr("Your answer"));

    auto* countAsCorrect = new QPushButton(tr("&Count as Correct"), this);
    countAsCorrect->setObjectName(u"cmdCountAsCorrect"_s);
    countAsCorrect->setGeometry(x(120), y(1476), x(1992), y(372));
    connect(countAsCorrect, &QPushButton::clicked, this, [this] { done(CountAsCorrect); });

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(u"cmdOK"_s);
    ok->setDefault(true);
    ok->setGeometry(x(2244), y(1476), x(1092), y(372));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* edit = new QPushButton(tr("&Edit..."), this);
    edit->setObjectName(u"cmdEdit"_s);
    edit->setGeometry(x(3432), y(1476), x(1092), y(372));
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
    m_entryForms.show(m_entryId, EntryForms::Mode::FromTest, this);
    if (self)
        accept();
}

} // namespace lexmint
