#pragma once

#include <QDialog>

class QComboBox;
class QRadioButton;

namespace lexmint {

class HelpService;

/// The welcome shown on the first run: the user starts with a new vocabulary or with one of the
/// sample vocabularies in the program folder. The dialog opens nothing itself; the caller opens
/// chosenPath(), or creates a new vocabulary when it is empty.
class FirstRunDialog : public QDialog {
    Q_OBJECT

public:
    /// programDir: the install folder ending in a separator, or empty without an install record
    /// (the sample's bare file name is chosen then).
    FirstRunDialog(QString programDir, HelpService& help, QWidget* parent = nullptr);

    /// The sample vocabulary chosen with OK; empty for a new vocabulary, and when the dialog was
    /// closed without OK.
    QString chosenPath() const { return m_chosenPath; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose();

    QString m_programDir;
    QString m_chosenPath;
    QRadioButton* m_blank;
    QRadioButton* m_sample;
    QComboBox* m_samples;
};

} // namespace lexmint
