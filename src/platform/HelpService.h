#pragma once

#include <QString>

namespace lexmint {

/// The program's help. Requests are made and forgotten: a missing help file or topic shows
/// nothing and the calling window stays usable.
class HelpService {
public:
    virtual ~HelpService() = default;
    /// Shows the help at its contents.
    virtual void showContents() = 0;
    /// Shows the topic with the given context number.
    virtual void showTopic(int context) = 0;
    /// The short text of a pop-up topic, for a control's What's This help; empty if none.
    virtual QString popupText(int context) const = 0;
};

} // namespace lexmint
