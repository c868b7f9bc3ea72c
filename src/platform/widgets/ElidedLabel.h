#pragma once

#include <QLabel>

namespace lexmint {

/// A one-line label for text that may not fit, such as a file path: it asks its layout for no
/// particular width, takes the room it is given and, where the text is wider, shows it cut
/// with "…" where `mode` says (at the left to keep a path's file name in view, at the right to
/// keep a name's beginning). text() stays the whole text, and the tool tip shows it while it is
/// cut.
class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    explicit ElidedLabel(Qt::TextElideMode mode, QWidget* parent = nullptr);

    /// The text as it is drawn at the label's present width.
    QString shownText() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textArea() const;

    Qt::TextElideMode m_mode;
};

} // namespace lexmint
