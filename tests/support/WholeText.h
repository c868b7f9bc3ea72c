#pragma once

class QComboBox;
class QLabel;

namespace lexmint::test {

/// Whether a label has room for its whole text at its present size.
bool showsWholeText(const QLabel& label);
/// Whether a combo box has room for the whole text of its current item.
bool showsWholeText(const QComboBox& box);

} // namespace lexmint::test
