#pragma once

#include "drill/AnswerDiff.h"

#include <QDialog>

namespace lexmint {

class EntryForms;
class SoundService;

/// Shows the expected headword after a wrong answer, and under it the answer as typed with
/// its differences marked; offers to edit the entry or to count the answer as right after
/// all. Modal; sounds the alert when it is created and places itself over the test window,
/// its left edge just left of the test window's and vertically centred on it.
class MistakeDialog : public QDialog {
    Q_OBJECT

public:
    /// The result of exec() when the learner chose to count the answer as right.
    static constexpr int CountAsCorrect = QDialog::Accepted + 1;

    MistakeDialog(const QString& correctHeadword, const QList<AnswerPiece>& typed, qint64 entryId,
                  EntryForms& entryForms, SoundService& sound, QWidget* testWindow);

    /// The typed answer as rich text: characters typed wrongly on a red ground, extra ones
    /// also struck through, characters left out inserted underlined on a green ground, and
    /// blanks that are part of a difference shown as visible marks.
    static QString markedAnswer(const QList<AnswerPiece>& typed);

private:
    void editEntry();
    void placeOver(const QWidget& testWindow);

    qint64 m_entryId;
    EntryForms& m_entryForms;
};

} // namespace lexmint
