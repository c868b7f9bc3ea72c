#pragma once

#include "interchange/ExportSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;

namespace lexmint {

/// What to export into a word list of a chosen kind: the whole vocabulary or one test mode,
/// and for CSV files the separator and whether a byte order mark comes first.
class ExportDialog final : public QDialog {
    Q_OBJECT
public:
    /// `testModes` as the Test menu offers them, "All" first.
    ExportDialog(FileKind kind, const QStringList& testModes, QWidget* parent = nullptr);

    QString testMode() const;
    /// The kind with the chosen separator and byte order mark.
    ExportSettings settings() const;

private:
    FileKind m_kind;
    QComboBox* m_mode = nullptr;
    QComboBox* m_separator = nullptr;
    QCheckBox* m_byteOrderMark = nullptr;
};

} // namespace lexmint
