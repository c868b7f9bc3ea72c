#include "app/StartPage.h"

#include "platform/AppIdentity.h"
#include "shell/SampleVocabularies.h"

#include <QAction>
#include <QCommandLinkButton>
#include <QFileInfo>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

namespace lexmint {

using namespace Qt::StringLiterals;

namespace {

QCommandLinkButton* commandButton(QAction* action, const QString& text, QWidget* parent)
{
    auto* button = new QCommandLinkButton(text, parent);
    button->setObjectName(u"start_"_s + action->objectName());
    button->setDescription(action->shortcut().toString(QKeySequence::NativeText));
    QObject::connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
    return button;
}

} // namespace

StartPage::StartPage(QAction* newVocabulary, QAction* open, const QList<QAction*>& recent,
                     const QString& programDir, QWidget* parent)
    : QScrollArea(parent)
{
    setObjectName(u"StartPage"_s);
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    auto* page = new QWidget;
    page->setBackgroundRole(QPalette::Base);
    setWidget(page);

    auto* column = new QVBoxLayout;
    auto* title = new QLabel(applicationTitle(), page);
    QFont large = title->font();
    large.setPointSizeF(large.pointSizeF() * 1.8);
    large.setBold(true);
    title->setFont(large);
    column->addWidget(title);
    column->addWidget(new QLabel(tr("Build your own vocabulary and drill it."), page));

    QVBoxLayout* start = section(tr("Start"), column).items;
    start->addWidget(commandButton(newVocabulary, tr("New Vocabulary..."), page));
    start->addWidget(commandButton(open, tr("Open Vocabulary..."), page));

    // The recent-list items keep their own text and visibility; each button follows its item,
    // and the heading is shown while any of them is. The heading counts the buttons shown, so
    // that a change to one item costs the same however long the list is.
    const auto [recentHeading, recentColumn] = section(tr("Recent Vocabularies"), column);
    const auto shown = std::make_shared<qsizetype>(0);
    for (QAction* item : recent) {
        auto* button = new QToolButton(page);
        button->setObjectName(u"start_"_s + item->objectName());
        button->setDefaultAction(item);
        button->setAutoRaise(true);
        button->hide();
        recentColumn->addWidget(button);
        const auto follow = [heading = recentHeading, shown, item, button] {
            if (button->isHidden() != item->isVisible())
                return;
            button->setVisible(item->isVisible());
            *shown += item->isVisible() ? 1 : -1;
            heading->setVisible(*shown > 0);
        };
        connect(item, &QAction::changed, this, follow);
        follow();
    }
    recentHeading->setVisible(*shown > 0);

    QVBoxLayout* samples = section(tr("Samples"), column).items;
    for (const SampleVocabulary& sample : sampleVocabularies()) {
        const QString path = programDir + sample.file;
        if (!QFileInfo(path).isFile())
            continue;
        auto* button = new QCommandLinkButton(sample.displayTitle(), page);
        button->setObjectName(u"start_"_s + sample.file);
        button->setDescription(tr("Opens a copy of your own"));
        connect(button, &QAbstractButton::clicked, this, [this, path] { emit sampleChosen(path); });
        samples->addWidget(button);
    }
    column->addStretch();

    // The column stays readable on a wide window.
    auto* centred = new QHBoxLayout(page);
    centred->addStretch(1);
    centred->addLayout(column, 3);
    centred->addStretch(1);
}

StartPage::Section StartPage::section(const QString& title, QVBoxLayout* column)
{
    auto* heading = new QLabel(title, widget());
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    column->addSpacing(fontMetrics().height());
    column->addWidget(heading);
    auto* items = new QVBoxLayout;
    items->setSpacing(0);
    column->addLayout(items);
    return {heading, items};
}

} // namespace lexmint
