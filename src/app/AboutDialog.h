#pragma once

#include "platform/widgets/WindowMessages.h"

#include <QDialog>
#include <QLatin1StringView>

class QLabel;

namespace lexmint {

class BrowserService;

/// The product's home page, opened from the about box.
inline constexpr QLatin1StringView HomePageAddress{"https://www.orvanel-software.example/lexmint"};

/// The about box: the program's picture, its version, and a link to the home page that the
/// picture opens too. The link turns red while the mouse is over it and blue again when the
/// mouse moves over the free background; the picture and the other labels leave it alone.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    AboutDialog(BrowserService& browser, MessageService& messages, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void openHomePage(bool fromLink);
    void setLinkColour(const QColor& colour);

    BrowserService& m_browser;
    WindowMessages m_messages;
    QLabel* m_picture;
    QLabel* m_webPage;
};

} // namespace lexmint
