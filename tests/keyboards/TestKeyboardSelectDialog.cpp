#include "keyboards/widgets/KeyboardSelectDialog.h"
#include "support/FakeKeyboardBackend.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;
using lexmint::test::FakeKeyboardBackend;

namespace {

constexpr qint32 UsEnglish = 0x04090409;

} // namespace

class TestKeyboardSelectDialog : public QObject {
    Q_OBJECT
private slots:
    void enterChoosesNeitherAndEscCancels();
};

void TestKeyboardSelectDialog::enterChoosesNeitherAndEscCancels()
{
    FakeKeyboardBackend backend({UsEnglish}, UsEnglish);
    KeyboardSelectDialog dialog(backend, KeybCurrent, KeybCurrent);
    QCOMPARE(dialog.objectName(), u"frmKeybSel"_s);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    for (const QString& name : {u"cmdOK"_s, u"cmdCancel"_s}) {
        auto* button = dialog.findChild<QPushButton*>(name);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QVERIFY2(dialog.isVisible(), qPrintable(name));
    }
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

int main(int argc, char* argv[])
{
    QApplication::setAttribute(Qt::AA_Use96Dpi);
    QApplication app(argc, argv);
    TestKeyboardSelectDialog test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestKeyboardSelectDialog.moc"
