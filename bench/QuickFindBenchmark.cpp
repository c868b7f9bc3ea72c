// Measures a quick-find keystroke on a vocabulary of 100,000 entries as the user sees it: from
// the change of the search text until the data sheet has repainted with the found row current.
//
// The data sheet stands in a window of a usual size on the offscreen platform, over the same
// model and view as in the program, and quick find is the program's dialog, opened over it.
// Each round opens quick find once per prefix, types the prefix letter by letter (each letter
// sets the box's text, which runs the find and moves the sheet), repaints the sheet's viewport
// at once, and closes the dialog with Enter or Esc in turn. The first letter after opening
// (cold: the sheet jumps to a part of the file it has not read) is reported apart from the
// following ones (warm: the sheet moves within the part it shows); the very first letter of
// the run, before any find has read the file, is reported alone. The slowest keystrokes are
// listed with their text, so that a missed target points at the search that missed it.
//
// Usage: lexmint-findbench [--rounds N]

#include "RecordingMessageService.h"
#include "VocabularyCache.h"
#include "app/VocabGrid.h"
#include "app/VocabularyModel.h"
#include "entries/QuickFind.h"
#include "entries/VocabularyHost.h"
#include "keyboards/KeyboardSwitcher.h"
#include "keyboards/NoKeyboardBackend.h"
#include "keyboards/widgets/KeyboardFocus.h"
#include "store/VocabInfo.h"
#include "store/VocabularyFile.h"
#include "store/VocabularySources.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace lexmint::bench {

namespace {

constexpr int Size = 100'000;
constexpr int DefaultRounds = 8;
constexpr double FrameMs = 16.0;
constexpr int SlowestShown = 8;
const QSize WindowSize(1024, 768);

// What users start to type: one to three letters, some capitalised or accented, some in
// other scripts, and a few that the generated vocabulary has no headword for.
const QStringList Prefixes{
    QStringLiteral("str"), QStringLiteral("ca"),  QStringLiteral("Re"), QStringLiteral("tra"),
    QStringLiteral("ma"),  QStringLiteral("ét"),  QStringLiteral("de"), QStringLiteral("Sch"),
    QStringLiteral("ño"),  QStringLiteral("pa"),  QStringLiteral("ün"), QStringLiteral("Li"),
    QStringLiteral("ter"), QStringLiteral("ço"),  QStringLiteral("z"),  QStringLiteral("ÄN"),
    QStringLiteral("w"),   QStringLiteral("ž"),   QStringLiteral("λέ"), QStringLiteral("qx"),
    QStringLiteral("a*o"), QStringLiteral("b?r"), QStringLiteral("yé"), QStringLiteral("en"),
    QStringLiteral("Ên"),
};

// The main window as far as quick find needs it: after a find, the sheet shows the found row.
class SheetHost final : public VocabularyHost {
public:
    SheetHost(VocabularySources& sources, const VocabInfo& vocab)
        : m_sources(sources), m_vocab(vocab)
    {
    }
    void setGrid(VocabGrid* grid) { m_grid = grid; }

    VocabularySources& sources() override { return m_sources; }
    const VocabInfo& currentVocabulary() const override { return m_vocab; }
    void dataRefresh() override { m_grid->dataRefresh(); }
    void contextUpdate() override {}
    void showVocabularyCurrent() override { m_grid->showSourceCurrent(); }

private:
    VocabularySources& m_sources;
    const VocabInfo& m_vocab;
    VocabGrid* m_grid = nullptr;
};

struct Keystroke {
    QString text;        ///< the box's text after the keystroke
    int row = -1;        ///< the sheet's current row after it; -1 when it did not move
    double changeMs = 0; ///< the text change: find and move of the sheet
    double totalMs = 0;  ///< the above and the repaint
};

struct Figures {
    Keystroke first;
    QList<Keystroke> cold;
    QList<Keystroke> warm;
    QList<Keystroke> slowest;
    QList<Keystroke> repaintOnly; ///< the sheet painted again without any change: the floor
    int keystrokes = 0;
    int moved = 0;
};

[[noreturn]] void fail(const QString& why)
{
    std::fprintf(stderr, "%s\n", qPrintable(why));
    std::exit(1);
}

void waitUntilExposed(QWidget& window)
{
    QElapsedTimer timer;
    timer.start();
    while (!window.windowHandle() || !window.windowHandle()->isExposed()) {
        if (timer.elapsed() > 10'000)
            fail(QStringLiteral("The window was never shown"));
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QCoreApplication::processEvents();
}

void pressKey(QWidget* widget, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

// One keystroke: the new text in the box, then the sheet painted as it then stands.
Keystroke keystroke(QLineEdit* word, const QString& text, VocabGrid& grid)
{
    QElapsedTimer timer;
    timer.start();
    word->setText(text);
    const qint64 changed = timer.nsecsElapsed();
    grid.viewport()->repaint();
    const qint64 total = timer.nsecsElapsed();
    return {text, -1, double(changed) / 1e6, double(total) / 1e6};
}

Keystroke repaintAlone(VocabGrid& grid)
{
    QElapsedTimer timer;
    timer.start();
    grid.viewport()->repaint();
    return {QString(), -1, 0, double(timer.nsecsElapsed()) / 1e6};
}

double percentile(QList<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const qsizetype index = std::min(values.size() - 1, qsizetype(share * double(values.size())));
    return values.at(index);
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

void printRow(const char* name, const QList<Keystroke>& keystrokes)
{
    QList<double> change;
    QList<double> total;
    for (const Keystroke& stroke : keystrokes) {
        change.append(stroke.changeMs);
        total.append(stroke.totalMs);
    }
    std::printf("%-28s %5lld %9.2f %9.2f %9.2f %11.2f %11.2f\n", name, qlonglong(total.size()),
                median(total), percentile(total, 0.95),
                *std::max_element(total.begin(), total.end()), median(change),
                *std::max_element(change.begin(), change.end()));
}

Figures run(const QString& path, int rounds)
{
    RecordingMessageService messages;
    VocabInfo vocab;
    if (!vocabularyfile::inspect(path, vocab, VocabInfo(), messages))
        fail(QStringLiteral("Cannot open %1").arg(path));
    VocabularySources sources;
    if (!sources.attach(path))
        fail(QStringLiteral("Cannot bind %1").arg(path));
    NoKeyboardBackend keyboards;
    KeyboardSwitcher switcher(keyboards, messages);
    KeyboardFocus keyboardFocus(switcher);
    SheetHost host(sources, vocab);

    QWidget window;
    window.resize(WindowSize);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    VocabularyModel model(sources.vocabulary(), messages);
    auto* grid = new VocabGrid(model, keyboardFocus, vocab, &window);
    layout->addWidget(grid);
    host.setGrid(grid);
    grid->dataRefresh();
    window.show();
    waitUntilExposed(window);

    Figures figures;
    for (int round = 0; round < rounds; ++round) {
        for (qsizetype p = 0; p < Prefixes.size(); ++p) {
            const QString& prefix = Prefixes.at(p);
            QuickFindDialog dialog(host, keyboardFocus, &window);
            dialog.show();
            waitUntilExposed(dialog);
            auto* word = dialog.findChild<QLineEdit*>(QStringLiteral("txtWord"));
            for (qsizetype letters = 1; letters <= prefix.size(); ++letters) {
                const int before = sources.vocabulary().absolutePosition();
                Keystroke stroke = keystroke(word, prefix.left(letters), *grid);
                const int now = sources.vocabulary().absolutePosition();
                if (now != before)
                    stroke.row = now;
                // The figure counts only if the sheet shows what the find left current.
                if (grid->currentPosition() != now)
                    fail(QStringLiteral("After \"%1\" the sheet shows row %2, the source stands "
                                        "at %3")
                             .arg(prefix.left(letters))
                             .arg(grid->currentPosition())
                             .arg(now));
                figures.repaintOnly.append(repaintAlone(*grid));
                ++figures.keystrokes;
                figures.slowest.append(stroke);
                figures.moved += stroke.row >= 0;
                if (round == 0 && p == 0 && letters == 1)
                    figures.first = stroke;
                else if (letters == 1)
                    figures.cold.append(stroke);
                else
                    figures.warm.append(stroke);
                // What the event loop does between two keystrokes is not part of either.
                QCoreApplication::processEvents();
            }
            pressKey(word, p % 2 ? Qt::Key_Escape : Qt::Key_Return);
            QCoreApplication::processEvents();
        }
    }
    std::sort(figures.slowest.begin(), figures.slowest.end(),
              [](const Keystroke& a, const Keystroke& b) { return a.totalMs > b.totalMs; });
    figures.slowest.resize(std::min<qsizetype>(figures.slowest.size(), SlowestShown));
    if (!messages.shown().isEmpty())
        fail(QStringLiteral("The program told the user: %1").arg(messages.shown().join(u' ')));
    return figures;
}

} // namespace

} // namespace lexmint::bench

int main(int argc, char* argv[])
{
    using namespace lexmint::bench;
    const int rounds = argc == 3 && qstrcmp(argv[1], "--rounds") == 0 ? std::atoi(argv[2])
        : argc == 1                                                   ? DefaultRounds
                                                                      : 0;
    if (rounds < 1) {
        std::fprintf(stderr, "Usage: %s [--rounds N]\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    VocabularyCache cache(QStringLiteral(LEXMINT_BUILD_DATA_DIR "/vocab.mdn"));
    const Figures figures = run(cache.vocabulary(Size).readPath, rounds);

    std::printf("\nQuick-find keystroke on %d entries, window %dx%d, %d keystrokes (%d moved "
                "the sheet)\n",
                Size, WindowSize.width(), WindowSize.height(), figures.keystrokes, figures.moved);
    std::printf("%-28s %5s %9s %9s %9s %11s %11s\n", "ms", "count", "median", "p95", "worst",
                "chg median", "chg worst");
    printRow("first of the run", {figures.first});
    printRow("cold (first after opening)", figures.cold);
    printRow("warm (following letters)", figures.warm);
    printRow("repaint alone (no change)", figures.repaintOnly);
    std::printf("\nSlowest keystrokes: text, row moved to, ms in all (text change + repaint)\n");
    for (const Keystroke& stroke : figures.slowest)
        std::printf("  %-6s %8s %7.2f (%.2f + %.2f)\n", qPrintable(stroke.text),
                    stroke.row < 0 ? "-" : qPrintable(QString::number(stroke.row)), stroke.totalMs,
                    stroke.changeMs, stroke.totalMs - stroke.changeMs);
    double worst = figures.first.totalMs;
    for (const QList<Keystroke>* list : {&figures.cold, &figures.warm}) {
        for (const Keystroke& stroke : *list)
            worst = std::max(worst, stroke.totalMs);
    }
    std::printf("\nTarget: every keystroke under %.0f ms including the repaint   %s\n", FrameMs,
                worst < FrameMs ? "met" : "MISSED");
    return 0;
}
