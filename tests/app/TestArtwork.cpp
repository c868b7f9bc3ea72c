#include "app/ToolbarIcons.h"

#include <QApplication>
#include <QImage>
#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

namespace {

/// True when the pixmap has some visible pixels: a picture that failed to load is transparent.
bool hasVisiblePixels(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    QImage transparent(image.size(), image.format());
    transparent.fill(Qt::transparent);
    return !image.isNull() && image != transparent;
}

} // namespace

class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void picturesComeFromTheProgramsOwnArtwork();
};

void TestArtwork::initTestCase()
{
    // No icon theme at all, so that every toolbar icon comes from the program's own artwork.
    QIcon::setThemeSearchPaths({});
    QIcon::setFallbackSearchPaths({});
    QIcon::setThemeName(u"lexmint-no-theme"_s);
}

void TestArtwork::picturesComeFromTheProgramsOwnArtwork()
{
    for (const char* key :
         {"new", "open", "props", "add", "edit", "find", "test", "progress", "options", "help"})
        QVERIFY2(hasVisiblePixels(toolbarIcon(QString::fromLatin1(key)).pixmap(24)), key);
    QVERIFY(hasVisiblePixels(programPicture(nullptr)));
    QVERIFY(hasVisiblePixels(applicationIcon().pixmap(48)));
}

QTEST_MAIN(TestArtwork)

#include "TestArtwork.moc"
