#include "keyboards/widgets/FieldLanguageHint.h"

#include <QInputMethodQueryEvent>
#include <QLineEdit>
#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

namespace {

QVariant answer(QWidget* field, Qt::InputMethodQuery query)
{
    // As an input method asks: for several things at once.
    QInputMethodQueryEvent event(Qt::ImPreferredLanguage | Qt::ImEnabled | Qt::ImSurroundingText);
    QCoreApplication::sendEvent(field, &event);
    return event.value(query);
}

} // namespace

class TestFieldLanguageHint : public QObject {
    Q_OBJECT
private slots:
    void language_data();
    void language();
};

void TestFieldLanguageHint::language_data()
{
    QTest::addColumn<qint32>("layout");
    QTest::addColumn<QVariant>("language");

    QTest::newRow("Czech, another layout") << 0x62E60405 << QVariant(u"cs-CZ"_s);
    QTest::newRow("British English") << 0x0809 << QVariant(u"en-GB"_s);
    QTest::newRow("typed by a variant") << 0x100C << QVariant(u"fr-CH"_s); // French (Switzerland)
    // Nothing to tell: the field keeps its own answer, which is none.
    QTest::newRow("no particular layout") << KeybCurrent << QVariant();
}

void TestFieldLanguageHint::language()
{
    QFETCH(qint32, layout);
    QLineEdit field(u"slovo"_s);
    qint32 chosen = KeybCurrent;
    FieldLanguageHint::install(&field, [&chosen] { return chosen; });
    chosen = layout; // the vocabulary's choice, asked anew on each query

    QTEST(answer(&field, Qt::ImPreferredLanguage), "language");
    // The field's own answers stay.
    QCOMPARE(answer(&field, Qt::ImSurroundingText), QVariant(u"slovo"_s));
}

QTEST_MAIN(TestFieldLanguageHint)
#include "TestFieldLanguageHint.moc"
