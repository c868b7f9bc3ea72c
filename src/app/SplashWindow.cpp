#include "app/SplashWindow.h"

#include "app/ToolbarIcons.h"
#include "platform/AppIdentity.h"
#include "platform/widgets/Twips.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace lexmint {

namespace {

using namespace Qt::StringLiterals;

const QColor Mint(0x3e, 0xb4, 0x89);
const QColor DeepMint(0x1f, 0x6f, 0x50);
const QColor Slate(0x51, 0x79, 0x6a);

QLabel* textLabel(const QString& text, const QColor& colour, qreal fontScale, bool bold,
                  QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * fontScale);
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QFrame(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(u"frmSplash"_s);
    setWindowTitle(applicationTitle());

    // A mint border (the plain frame is drawn in the text colour) around a white card.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Mint);
    setPalette(palette);
    setAutoFillBackground(true);

    auto* picture = new QLabel(this);
    picture->setObjectName(u"Picture1"_s);
    picture->setPixmap(programPicture(this));
    picture->setFixedSize(ProgramPictureSize);

    auto* text = new QVBoxLayout;
    text->addStretch();
    text->addWidget(textLabel(applicationTitle(), DeepMint, 2.4, true, this));
    text->addWidget(textLabel(
        QCoreApplication::translate("lexmint::SplashWindow", "Your own vocabulary, word by word"),
        Slate, 1.1, false, this));
    text->addStretch();

    auto* layout = new QHBoxLayout(this);
    const int marginX = twipsToPixelsX(240, this);
    const int marginY = twipsToPixelsY(240, this);
    layout->setContentsMargins(marginX, marginY, 2 * marginX, marginY);
    layout->setSpacing(marginX);
    layout->addWidget(picture);
    layout->addLayout(text);

    adjustSize();
    move(screen()->availableGeometry().center() - rect().center());
}

} // namespace lexmint
