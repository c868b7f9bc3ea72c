#pragma once

#include "interchange/ImportPlan.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace lexmint {

/// Shows what importing a word list will store before anything is written: the rows as
/// entries, with the format, encoding, separator and column mapping found in the file and
/// controls to change each, and the rule for headwords the vocabulary already holds. Every
/// change reads the file again; the accepted dialog's plan() is what to import.
class ImportDialog final : public QDialog {
    Q_OBJECT
public:
    ImportDialog(const QString& fileName, QByteArray bytes, int headwordSize,
                 QWidget* parent = nullptr);

    const ImportPlan& plan() const { return m_plan; }
    DuplicateRule duplicateRule() const { return m_settings.duplicates; }

private:
    QWidget* makeReadingControls();
    QWidget* makeMappingControls();
    QWidget* makeDuplicateControls();
    void connectControls();
    /// Reads the file with the current settings and shows the result.
    void replan();
    void showPlan();
    void showMapping();
    void showPreview();
    void showSummary();
    void formatChosen();
    void definitionsChosen();

    QString m_fileName;
    QByteArray m_bytes;
    int m_headwordSize;
    ImportSettings m_settings;
    ImportPlan m_plan;

    QComboBox* m_format = nullptr;
    QComboBox* m_encoding = nullptr;
    QComboBox* m_separator = nullptr;
    QCheckBox* m_header = nullptr;
    QCheckBox* m_html = nullptr;
    QComboBox* m_headword = nullptr;
    QListWidget* m_definitions = nullptr;
    QComboBox* m_split = nullptr;
    QButtonGroup* m_duplicates = nullptr;
    QTableWidget* m_preview = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_import = nullptr;
};

} // namespace lexmint
