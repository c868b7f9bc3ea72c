// lexmint-answer-forever <vocabulary>: answers its entries in runs of the mode "All", every
// second answer wrong, writing a dot after each, until a test kills it.

#include "platform/Clock.h"
#include "platform/MessageService.h"
#include "store/VocabularySources.h"
#include "drill/TestRun.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {

using namespace lexmint;

// Any message means the run left its normal path: the helper stops and says why.
class ExitingMessageService final : public MessageService {
public:
    MessageAnswer show(const Message& message) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(message.text));
        std::exit(2);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() != 2)
        return 1;
    VocabularySources sources;
    if (!sources.attach(app.arguments().at(1)))
        return 1;
    ExitingMessageService messages;
    const SystemClock clock;
    TestRun run(sources.testWords(), AnswerJudge(AnswerJudge::LetterCase::Significant), messages,
                clock);
    for (bool right = true;; right = !right) {
        if (run.hasEnded())
            run.start(QStringLiteral("All"));
        const QString headword = run.current().headword;
        run.answer(right ? headword : headword + u'!');
        std::fputc('.', stdout);
        std::fflush(stdout);
        run.next();
    }
}
