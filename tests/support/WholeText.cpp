#include "support/WholeText.h"

#include <QComboBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace lexmint::test {

bool showsWholeText(const QLabel& label)
{
    return label.fontMetrics().horizontalAdvance(label.text()) <= label.contentsRect().width();
}

bool showsWholeText(const QComboBox& box)
{
    QStyleOptionComboBox option;
    option.initFrom(&box);
    const QRect field = box.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, &box);
    return box.fontMetrics().horizontalAdvance(box.currentText()) <= field.width();
}

} // namespace lexmint::test
