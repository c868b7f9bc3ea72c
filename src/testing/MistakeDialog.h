#pragma once

#include <QDialog>

namespace lexmint {

class EntryForms;
class SoundService;

/// Shows the expected headword after a wrong answer and offers to edit the entry. Modal;
/// sounds the alert when it is created and places itself over the test window, its left
/// edge just left of the test window's and vertically centred on it.
class MistakeDialog : public QDialog {
    Q_OBJECT

public:
    MistakeDialog(const QString& correctHeadword, qint64 entryId, EntryForms& entryForms,
                  SoundService& sound, QWidget* testWindow);

private:
    void editEntry();
    void placeOver(const QWidget& testWindow);

    qint64 m_entryId;
    EntryForms& m_entryForms;
};

} // namespace lexmint
