#include "drill/AnswerJudge.h"

#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

using LetterCase = AnswerJudge::LetterCase;

class TestAnswerJudge : public QObject {
    Q_OBJECT
private slots:
    void judges_data();
    void accents_data();
    void accents();
    void judges();
};

void TestAnswerJudge::judges_data()
{
    QTest::addColumn<QString>("headword");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<LetterCase>("letterCase");
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<bool>("right");

    const auto both = [](const char* name, const QString& headword, const QString& answer,
                         bool rightIgnoringCase, bool rightWithCase) {
        QTest::addRow("%s, case ignored", name)
            << headword << answer << LetterCase::Ignored << QLocale::English << rightIgnoringCase;
        QTest::addRow("%s, case significant", name)
            << headword << answer << LetterCase::Significant << QLocale::English << rightWithCase;
    };
    // Blanks, empty answers and other scripts are judged through the test window's tests.
    both("other case", u"House"_s, u"house"_s, true, false);
    both("inner blanks differ", u"say hi"_s, u"say  hi"_s, false, false);
    both("Greek, final sigma", u"λόγος"_s, u"ΛΌΓΟΣ"_s, true, false);
    // Folding that turns one letter into two.
    both("sharp s against SS", u"Straße"_s, u"STRASSE"_s, true, false);
    // The stored headword has a combining acute accent, the typed one a precomposed letter.
    both("precomposed against combining", u"cafe\u0301"_s, u"café"_s, true, true);

    QTest::newRow("Turkish: I is the capital of ı")
        << u"ışık"_s << u"IŞIK"_s << LetterCase::Ignored << QLocale::Turkish << true;
    QTest::newRow("Turkish: İ is the capital of i")
        << u"istanbul"_s << u"İSTANBUL"_s << LetterCase::Ignored << QLocale::Turkish << true;
    QTest::newRow("Turkish: ı and i stay different letters")
        << u"ışık"_s << u"işik"_s << LetterCase::Ignored << QLocale::Turkish << false;
    QTest::newRow("elsewhere ı is not i")
        << u"ışık"_s << u"IŞIK"_s << LetterCase::Ignored << QLocale::German << false;
}

void TestAnswerJudge::judges()
{
    QFETCH(QString, headword);
    QFETCH(QString, answer);
    QFETCH(LetterCase, letterCase);
    QFETCH(QLocale::Language, language);
    QFETCH(bool, right);

    QCOMPARE(AnswerJudge(letterCase, AnswerJudge::Accents::Required, QLocale(language))
                 .isRight(answer, headword),
             right);
}

void TestAnswerJudge::accents_data()
{
    QTest::addColumn<QString>("headword");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<LetterCase>("letterCase");
    QTest::addColumn<bool>("right"); // when accents may be left out; never when required

    const LetterCase ignored = LetterCase::Ignored;
    QTest::newRow("accent left out") << u"café"_s << u"cafe"_s << ignored << true;
    QTest::newRow("left out, other case") << u"Café"_s << u"CAFE"_s << ignored << true;
    QTest::newRow("left out, case significant")
        << u"Café"_s << u"cafe"_s << LetterCase::Significant << false;
    QTest::newRow("one of two left out") << u"élève"_s << u"elève"_s << ignored << true;
    QTest::newRow("é typed for è") << u"crème"_s << u"créme"_s << ignored << false;
    QTest::newRow("accent added") << u"cafe"_s << u"café"_s << ignored << false;
    QTest::newRow("letter missing as well") << u"café"_s << u"caf"_s << ignored << false;
}

void TestAnswerJudge::accents()
{
    QFETCH(QString, headword);
    QFETCH(QString, answer);
    QFETCH(LetterCase, letterCase);
    QFETCH(bool, right);

    QCOMPARE(AnswerJudge(letterCase, AnswerJudge::Accents::MayBeLeftOut).isRight(answer, headword),
             right);
    QVERIFY(!AnswerJudge(letterCase, AnswerJudge::Accents::Required).isRight(answer, headword));
}

QTEST_GUILESS_MAIN(TestAnswerJudge)
#include "TestAnswerJudge.moc"
