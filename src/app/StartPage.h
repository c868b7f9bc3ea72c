#pragma once

#include <QList>
#include <QScrollArea>

class QAction;
class QLabel;
class QVBoxLayout;

namespace lexmint {

/// What the main window shows while no vocabulary is open: its commands for making or opening
/// one, the recent vocabularies and the installed samples, each a click away.
class StartPage : public QScrollArea {
    Q_OBJECT
public:
    /// `newVocabulary` and `open` are the main window's commands, `recent` its recent-list
    /// items (shown while they are); samples are looked for in `programDir`.
    StartPage(QAction* newVocabulary, QAction* open, const QList<QAction*>& recent,
              const QString& programDir, QWidget* parent = nullptr);

signals:
    /// The user chose the installed sample at this path.
    void sampleChosen(const QString& path);

private:
    /// A heading and the column of items under it.
    struct Section {
        QLabel* heading;
        QVBoxLayout* items;
    };
    Section section(const QString& title, QVBoxLayout* column);
};

} // namespace lexmint
