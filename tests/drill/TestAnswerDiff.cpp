#include "drill/AnswerDiff.h"
#include "drill/AnswerJudge.h"

#include <QTest>

using namespace lexmint;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(QList<AnswerPiece>)

namespace {

using Kind = AnswerPiece::Kind;

AnswerPiece same(const QString& text)
{
    return {Kind::Same, text, text};
}

} // namespace

class TestAnswerDiff : public QObject {
    Q_OBJECT
private slots:
    void marksTheDifferences_data();
    void marksTheDifferences();
};

void TestAnswerDiff::marksTheDifferences_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("headword");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<QList<AnswerPiece>>("pieces");

    QTest::newRow("trailing blank") << u"acostarse "_s << u"acostarse"_s << true
                                    << QList{same(u"acostarse"_s), {Kind::Extra, u" "_s, {}}};
    QTest::newRow("missing letter")
        << u"acostrse"_s << u"acostarse"_s << true
        << QList{same(u"acost"_s), {Kind::Missing, {}, u"a"_s}, same(u"rse"_s)};
    // A letter typed with a combining accent is the same letter as the precomposed one.
    QTest::newRow("combining accent typed")
        << u"cafe\u0301"_s << u"caf\u00e9"_s << true << QList{same(u"caf\u00e9"_s)};
    QTest::newRow("case, when it is ignored")
        << u"hAus"_s << u"Haus"_s << false << QList{AnswerPiece{Kind::Same, u"hAus"_s, u"Haus"_s}};
    QTest::newRow("letters beyond the basic plane")
        << u"\U0001D49Cb"_s << u"\U0001D49Ec"_s << true
        << QList{AnswerPiece{Kind::Changed, u"\U0001D49Cb"_s, u"\U0001D49Ec"_s}};
}

void TestAnswerDiff::marksTheDifferences()
{
    QFETCH(QString, typed);
    QFETCH(QString, headword);
    QFETCH(bool, caseSensitive);
    QFETCH(QList<AnswerPiece>, pieces);

    const AnswerJudge judge(caseSensitive ? AnswerJudge::LetterCase::Significant
                                          : AnswerJudge::LetterCase::Ignored);
    const auto sameCharacter = [&](const QString& a, const QString& b) {
        return judge.isRight(a, b);
    };
    QCOMPARE(compareAnswer(typed, headword, sameCharacter), pieces);
}

QTEST_GUILESS_MAIN(TestAnswerDiff)
#include "TestAnswerDiff.moc"
