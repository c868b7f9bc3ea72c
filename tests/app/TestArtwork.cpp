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
    void toolbarIconsFallBackToOwnArtwork_data();
    void toolbarIconsFallBackToOwnArtwork();
    void programPictureAndIcon();
};

void TestArtwork::initTestCase()
{
    // No icon theme at all, so that every toolbar icon comes from the program's own artwork.
    QIcon::setThemeSearchPaths({});
    QIcon::setFallbackSearchPaths({});
    QIcon::setThemeName(u"lexmint-no-theme"_s);
}

void TestArtwork::toolbarIconsFallBackToOwnArtwork_data()
{
    QTest::addColumn<QString>("key");
    for (const char* key :
         {"new", "open", "props", "add", "edit", "find", "test", "progress", "options", "help"})
        QTest::newRow(key) << QString::fromLatin1(key);
}

void TestArtwork::toolbarIconsFallBackToOwnArtwork()
{
    QFETCH(QString, key);
    const QPixmap pixmap = toolbarIcon(key).pixmap(24);
    QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(24, 24));
    QVERIFY(hasVisiblePixels(pixmap));
}

void TestArtwork::programPictureAndIcon()
{
    const QPixmap picture = programPicture(nullptr);
    QCOMPARE(picture.deviceIndependentSize(), QSizeF(ProgramPictureSize));
    QVERIFY(hasVisiblePixels(picture));
    QVERIFY(hasVisiblePixels(applicationIcon().pixmap(48)));
}

QTEST_MAIN(TestArtwork)

#include "TestArtwork.moc"
