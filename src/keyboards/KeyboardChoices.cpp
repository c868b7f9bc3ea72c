#include "keyboards/KeyboardChoices.h"

#include "keyboards/KeyboardBackend.h"
#include "keyboards/KeyboardCatalogue.h"

#include <QHash>

#include <algorithm>

namespace lexmint {

using namespace Qt::StringLiterals;

KeyboardChoices installedKeyboardChoices(const KeyboardBackend& backend, KeyboardLayoutId head,
                                         KeyboardLayoutId def)
{
    KeyboardChoices choices;
    choices.layouts.append(KeybCurrent);
    choices.layouts.append(backend.installedLayouts());

    QHash<QString, int> sharing;
    for (const KeyboardLayoutId layout : std::as_const(choices.layouts)) {
        choices.names.append(keyboardName(layout));
        ++sharing[choices.names.constLast()];
    }

    // The catalogue names languages only, so layouts of one language would read alike.
    for (qsizetype row = 1; row < choices.layouts.size(); ++row) {
        QString& name = choices.names[row];
        if (sharing.value(name) < 2)
            continue;
        const QString description = backend.layoutDescription(choices.layouts[row]);
        if (!description.isEmpty())
            name += u" \u2014 "_s + description;
    }

    // Row 0 is KeybCurrent, so that choice and a layout no longer installed both land there.
    const auto rowOf = [&](KeyboardLayoutId layout) {
        return int(std::max<qsizetype>(choices.layouts.indexOf(layout), 0));
    };
    choices.headRow = rowOf(head);
    choices.defRow = rowOf(def);
    return choices;
}

} // namespace lexmint
