#include "drill/AnswerJudge.h"

#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

using LetterCase = AnswerJudge::LetterCase;
using Accents = AnswerJudge::Accents;

class TestAnswerJudge : public QObject {
    Q_OBJECT
private slots:
    void judges_data();
    void judges();
};

void TestAnswerJudge::judges_data()
{
    QTest::addColumn<QString>("headword");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<LetterCase>("letterCase");
    QTest::addColumn<Accents>("accents");
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<bool>("right");

    const LetterCase ignored = LetterCase::Ignored;
    const LetterCase significant = LetterCase::Significant;
    const Accents required = Accents::Required;
    const Accents optional = Accents::MayBeLeftOut;
    const QLocale::Language english = QLocale::English;
    QTest::newRow("other case, ignored")
        << u"House"_s << u"house"_s << ignored << required << english << true;
    QTest::newRow("other case, significant")
        << u"House"_s << u"house"_s << significant << required << english << false;
    // Folding that turns one letter into two.
    QTest::newRow("sharp s against SS")
        << u"Straße"_s << u"STRASSE"_s << ignored << required << english << true;
    // The stored headword has a combining acute accent, the typed one a precomposed letter.
    QTest::newRow("precomposed against combining")
        << u"cafe\u0301"_s << u"café"_s << significant << required << english << true;
    QTest::newRow("Turkish: I is the capital of ı")
        << u"ışık"_s << u"IŞIK"_s << ignored << required << QLocale::Turkish << true;
    QTest::newRow("Turkish: ı and i stay different letters")
        << u"ışık"_s << u"işik"_s << ignored << required << QLocale::Turkish << false;
    QTest::newRow("elsewhere ı is not i")
        << u"ışık"_s << u"IŞIK"_s << ignored << required << QLocale::German << false;

    QTest::newRow("accent left out where it may be")
        << u"Café"_s << u"CAFE"_s << ignored << optional << english << true;
    QTest::newRow("accent left out where it is required")
        << u"Café"_s << u"CAFE"_s << ignored << required << english << false;
    QTest::newRow("é typed for è")
        << u"crème"_s << u"créme"_s << ignored << optional << english << false;
    QTest::newRow("accent added") << u"cafe"_s << u"café"_s << ignored << optional << english
                                  << false;
}

void TestAnswerJudge::judges()
{
    QFETCH(QString, headword);
    QFETCH(QString, answer);
    QFETCH(LetterCase, letterCase);
    QFETCH(Accents, accents);
    QFETCH(QLocale::Language, language);
    QFETCH(bool, right);

    QCOMPARE(AnswerJudge(letterCase, accents, QLocale(language)).isRight(answer, headword), right);
}

QTEST_GUILESS_MAIN(TestAnswerJudge)
#include "TestAnswerJudge.moc"
