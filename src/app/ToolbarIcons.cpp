#include "app/ToolbarIcons.h"

#include <QGuiApplication>
#include <QLatin1StringView>
#include <QPainter>
#include <QSvgRenderer>
#include <QWidget>

#include <array>

// The artwork is compiled into the static library lexmint_resources. Naming its initialiser here
// makes the linker keep it; Q_INIT_RESOURCE has to stand outside any namespace.
static void registerArtwork()
{
    Q_INIT_RESOURCE(resources);
}

namespace lexmint {

namespace {

using namespace Qt::StringLiterals;

void ensureArtwork()
{
    [[maybe_unused]] static const bool registered = [] {
        registerArtwork();
        return true;
    }();
}

struct ToolbarIconSource {
    QLatin1StringView key;
    std::array<QLatin1StringView, 2> themeNames; ///< best first; unused places stay empty
    QLatin1StringView artwork;                   ///< file in :/lexmint/toolbar/, without ".svg"
};

// Action icons of the freedesktop naming scheme first, then application icons that serve too.
constexpr std::array<ToolbarIconSource, 10> ToolbarIconSources{{
    {"new"_L1, {"document-new"_L1}, "new"_L1},
    {"open"_L1, {"document-open"_L1}, "open"_L1},
    {"props"_L1, {"document-properties"_L1}, "properties"_L1},
    {"add"_L1, {"list-add"_L1}, "add"_L1},
    {"edit"_L1, {"document-edit"_L1, "accessories-text-editor"_L1}, "edit"_L1},
    {"find"_L1, {"edit-find"_L1}, "find"_L1},
    {"test"_L1, {"media-playback-start"_L1}, "test"_L1},
    {"progress"_L1, {"office-chart-bar"_L1, "x-office-spreadsheet"_L1}, "progress"_L1},
    {"options"_L1, {"configure"_L1, "preferences-system"_L1}, "options"_L1},
    {"help"_L1, {"help-contents"_L1, "help-browser"_L1}, "help"_L1},
}};

} // namespace

QIcon toolbarIcon(const QString& key)
{
    for (const ToolbarIconSource& source : ToolbarIconSources) {
        if (source.key != key)
            continue;
        for (const QLatin1StringView themeName : source.themeNames) {
            if (!themeName.isEmpty() && QIcon::hasThemeIcon(themeName))
                return QIcon::fromTheme(themeName);
        }
        ensureArtwork();
        return QIcon(u":/lexmint/toolbar/"_s + source.artwork + u".svg"_s);
    }
    return {};
}

QIcon applicationIcon()
{
    ensureArtwork();
    return QIcon(u":/lexmint/lexmint.svg"_s);
}

QPixmap programPicture(const QWidget* forScreen)
{
    ensureArtwork();
    const qreal ratio = forScreen ? forScreen->devicePixelRatio() : qGuiApp->devicePixelRatio();
    QPixmap picture(ProgramPictureSize * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QSvgRenderer renderer(u":/lexmint/picture.svg"_s);
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(ProgramPictureSize)));
    return picture;
}

} // namespace lexmint
