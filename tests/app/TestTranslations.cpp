#include "app/AboutDialog.h"
#include "app/FirstRunDialog.h"
#include "app/UiLanguage.h"
#include "interchange/widgets/ExportDialog.h"
#include "interchange/widgets/ImportDialog.h"
#include "interchange/widgets/ImportReportDialog.h"
#include "support/MainWindowFixture.h"
#include "support/ModalWindow.h"

#include <QAbstractBarSeries>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace lexmint;
using namespace lexmint::test;
using namespace Qt::StringLiterals;

namespace {

/// One visible text of a window: where it is (stable from one run to the next) and what it says.
using Texts = QMap<QString, QString>;

/// The texts a window shows and the access keys of each menu and dialog, for comparing a
/// translated run with the English one.
struct Snapshot {
    QMap<QString, Texts> windows;               ///< by window name
    QMap<QString, QStringList> accessKeyErrors; ///< by window name

    void add(const QString& name, QWidget* window);
};

QString widgetName(const QObject* object)
{
    if (!object->objectName().isEmpty())
        return object->objectName();
    const QObject* parent = object->parent();
    const QList<QObject*> siblings = parent ? parent->children() : QList<QObject*>{};
    int index = 0;
    for (const QObject* sibling : siblings) {
        if (sibling == object)
            break;
        index += sibling->metaObject() == object->metaObject() ? 1 : 0;
    }
    return QString::fromLatin1(object->metaObject()->className()) + u'#' + QString::number(index);
}

QString pathOf(const QObject* object, const QObject* window)
{
    QStringList parts;
    for (; object && object != window; object = object->parent())
        parts.prepend(widgetName(object));
    return parts.join(u'/');
}

QChar accessKey(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) == u'&') {
            if (text.at(i + 1) != u'&')
                return text.at(i + 1).toUpper();
            ++i;
        }
    }
    return {};
}

/// Fails on two equal access keys among `texts`, named after `where`. The same caption more
/// than once is the same command on each of several panels; its key moves between them.
void checkAccessKeys(const QStringList& texts, const QString& where, QStringList& errors)
{
    QMap<QChar, QString> owners;
    for (const QString& text : texts) {
        const QChar key = accessKey(text);
        if (key.isNull())
            continue;
        if (owners.contains(key) && owners.value(key) != text)
            errors.append(u"%1: \"%2\" and \"%3\""_s.arg(where, owners.value(key), text));
        owners.insert(key, text);
    }
}

void addMenu(const QString& path, const QList<QAction*>& actions, Texts& texts, QStringList& errors)
{
    QStringList captions;
    for (const QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        const QString at = path + u'/' + widgetName(action);
        texts.insert(at, action->text());
        captions.append(action->text());
        if (action->menu())
            addMenu(at, action->menu()->actions(), texts, errors);
    }
    checkAccessKeys(captions, path, errors);
}

/// A chart's title, the names in its legend and the categories along its axes.
void addChart(const QString& path, const QChart& chart, Texts& texts)
{
    texts.insert(path + u":title"_s, chart.title());
    QStringList names;
    for (const QAbstractSeries* series : chart.series()) {
        if (auto* bars = qobject_cast<const QAbstractBarSeries*>(series)) {
            for (const QBarSet* set : bars->barSets())
                names.append(set->label());
        } else {
            names.append(series->name());
        }
    }
    for (QAbstractAxis* axis : chart.axes())
        if (auto* categories = qobject_cast<QBarCategoryAxis*>(axis))
            names += categories->categories();
    for (qsizetype i = 0; i < names.size(); ++i)
        texts.insert(path + u":legend"_s + QString::number(i), names.at(i));
}

void Snapshot::add(const QString& name, QWidget* window)
{
    Texts& texts = windows[name];
    QStringList& errors = accessKeyErrors[name];
    texts.insert(u"title"_s, window->windowTitle());
    QStringList captions;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : std::as_const(widgets)) {
        if (widget != window && (!widget->isVisibleTo(window) || widget->window() != window))
            continue;
        const QString at = pathOf(widget, window);
        if (!widget->toolTip().isEmpty())
            texts.insert(at + u":tip"_s, widget->toolTip());
        if (!widget->accessibleName().isEmpty())
            texts.insert(at + u":name"_s, widget->accessibleName());
        QString caption;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            caption = button->text();
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            caption = box->title();
        else if (auto* label = qobject_cast<QLabel*>(widget))
            caption = label->text();
        else if (auto* edit = qobject_cast<QLineEdit*>(widget))
            texts.insert(at + u":placeholder"_s, edit->placeholderText());
        else if (auto* text = qobject_cast<QPlainTextEdit*>(widget))
            texts.insert(at + u":placeholder"_s, text->placeholderText());
        else if (auto* view = qobject_cast<QChartView*>(widget))
            addChart(at, *view->chart(), texts);
        else if (auto* list = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < list->count(); ++i)
                texts.insert(at + u":item"_s + QString::number(i), list->itemText(i));
        else if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                texts.insert(at + u":tab"_s + QString::number(i), tabs->tabText(i));
        else if (auto* header = qobject_cast<QHeaderView*>(widget); header && header->model())
            for (int i = 0; i < header->count(); ++i) {
                if (!header->isSectionHidden(i))
                    texts.insert(at + u":section"_s + QString::number(i),
                                 header->model()->headerData(i, header->orientation()).toString());
            }
        else if (auto* bar = qobject_cast<QMenuBar*>(widget))
            addMenu(at, bar->actions(), texts, errors);
        if (!caption.isEmpty() || qobject_cast<QAbstractButton*>(widget)) {
            texts.insert(at, caption);
            captions.append(caption);
        }
    }
    checkAccessKeys(captions, name, errors);
}

/// Texts that are the same in English and in the language, as a speaker of it writes them.
const QMap<QString, QSet<QString>> SameInLanguage{
    {u"de"_s,
     {u"OK"_s, u"Navigation"_s, u"&Details >>"_s, u"<< &Details"_s, u"&Format:"_s,
      u"Definition"_s}},
    {u"fr"_s, {u"OK"_s, u"Navigation"_s, u"Options"_s, u"&Options..."_s, u"Mode"_s, u"&Index"_s}},
    {u"es"_s, {}},
};

/// Widgets whose text is data rather than the program's wording: paths, file titles, layout
/// names from the keyboard catalogue, numbers and the words of the vocabulary.
bool isData(const QString& where, const QString& text)
{
    static const QRegularExpression dataWidget(
        u"(^|/)(filepath|mnuVocabRecent\\d|lblTitle|lblWebPage|"
        "lblDisclaimer|txtCorrect|lblTyped|lblMode|lblCorrect|lblIncorrect|lblTested|"
        "lblCorrectPerc|lblIncorrectPerc|lblPercentage|lblLastTestedOn|lblProgress|"
        "cmbEncoding|cmbHeadword|lstDefinitions|grdPreview|txtReport|lblTypingHint)"_s);
    static const QRegularExpression letters(u"[^\\W\\d_]{2}"_s);
    return dataWidget.match(where).hasMatch() || !letters.match(text).hasMatch()
        || text.contains(u"Lex Mint"_s) || text.contains(u"uno"_s);
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyWindowIsTranslated_data();
    void everyWindowIsTranslated();
    void translationFilesAreComplete_data();
    void translationFilesAreComplete();
    void languageFollowsTheLocale_data();
    void languageFollowsTheLocale();

private:
    Snapshot walkEveryWindow();

    Snapshot m_english;
};

void TestTranslations::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_english = walkEveryWindow();
    for (const QString& window :
         {u"frmTest"_s, u"frmMistake"_s, u"frmResult"_s, u"frmKeybSel"_s, u"frmQSearch"_s})
        QVERIFY2(m_english.windows.contains(window), qPrintable(window));
    // The test's answer is recorded, so the progress window shows its charts.
    const QStringList progressTexts = m_english.windows.value(u"frmProgress"_s).values();
    QVERIFY(progressTexts.contains(u"Answers per day"_s));
    QVERIFY(progressTexts.contains(u"Well known"_s));
}

Snapshot TestTranslations::walkEveryWindow()
{
    Snapshot snapshot;
    MainWindowFixture fixture;
    const QString path = fixture.vocabulary(u"mine.lxm"_s, {u"uno|one"_s, u"dos|two"_s});
    MainWindow& window = fixture.start();
    window.show();
    snapshot.add(u"start page"_s, &window);
    fixture.files.expect(path);
    fixture.action(u"mnuVocOpen"_s)->trigger();
    snapshot.add(u"main window"_s, &window);
    fixture.action(u"mnuViewProgress"_s)->trigger();
    auto* progress = window.findChild<QWidget*>(u"frmProgress"_s);
    snapshot.add(u"frmProgress without answers"_s, progress);

    fixture.action(u"mnuEntryAdd"_s)->trigger();
    snapshot.add(u"entry form"_s, window.findChild<QWidget*>(u"frmAdd"_s));
    fixture.action(u"mnuVocabProps"_s)->trigger();
    fixture.action(u"mnuViewOptions"_s)->trigger();
    auto* options = window.findChild<QWidget*>(u"frmOptions"_s);
    for (const QString& name : {u"frmProperties"_s, u"frmOptions"_s}) {
        auto* dialog = window.findChild<QWidget*>(name);
        auto* tabs = dialog->findChild<QTabWidget*>();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            snapshot.add(name + QString::number(i), dialog);
        }
    }

    // Modal windows are read while they are up. The test is answered wrongly and finished,
    // which brings up the mistake and result dialogs.
    fixture.walkModalWindows([&](QWidget* modal) {
        const QString name = modal->objectName();
        if (snapshot.windows.contains(name))
            return;
        if (name == u"frmTest"_s)
            modal->findChild<QPushButton*>(u"cmdDetails"_s)->click();
        snapshot.add(name, modal);
    });
    {
        const ModalWatch closer([&](QWidget* modal) {
            snapshot.add(modal->objectName(), modal);
            modal->close();
        });
        options->findChild<QPushButton*>(u"cmdKeyboards"_s)->click();
    }
    snapshot.add(u"frmProgress"_s, progress);

    AboutDialog about(fixture.browser, fixture.messages);
    about.show();
    snapshot.add(about.objectName(), &about);
    FirstRunDialog welcome(fixture.programDir(), fixture.help);
    welcome.show();
    snapshot.add(welcome.objectName(), &welcome);
    ImportDialog import(u"words.csv"_s, "uno;one\ndos;two\n", 50);
    import.show();
    snapshot.add(import.objectName(), &import);
    ExportDialog exportDialog(FileKind::Csv, {u"All"_s, u"Never Tested"_s});
    exportDialog.show();
    snapshot.add(exportDialog.objectName(), &exportDialog);
    ImportReportDialog report(u"report"_s, path, fixture.files, fixture.messages);
    report.show();
    snapshot.add(report.objectName(), &report);
    fixture.stop();
    return snapshot;
}

void TestTranslations::everyWindowIsTranslated_data()
{
    QTest::addColumn<QString>("language");
    for (const char* language : {"de", "fr", "es"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TestTranslations::everyWindowIsTranslated()
{
    QFETCH(QString, language);
    QVERIFY(installUiLanguage(*qApp, QLocale(language)));
    const Snapshot translated = walkEveryWindow();
    qDeleteAll(qApp->findChildren<QTranslator*>());

    QCOMPARE(translated.windows.keys(), m_english.windows.keys());
    QStringList faults;
    for (auto window = m_english.windows.cbegin(); window != m_english.windows.cend(); ++window) {
        const Texts& shown = translated.windows.value(window.key());
        for (auto text = window->cbegin(); text != window->cend(); ++text) {
            const QString where = window.key() + u": "_s + text.key();
            if (!shown.contains(text.key()))
                faults.append(where + u" is missing"_s);
            else if (shown.value(text.key()).isEmpty() && !text->isEmpty())
                faults.append(where + u" is empty"_s);
            else if (shown.value(text.key()) == *text && !isData(text.key(), *text)
                     && !SameInLanguage.value(language).contains(*text))
                faults.append(where + u" is untranslated: "_s + *text);
        }
        faults += translated.accessKeyErrors.value(window.key());
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestTranslations::translationFilesAreComplete_data()
{
    QTest::addColumn<QString>("file");
    const QDir folder(QStringLiteral(LEXMINT_TRANSLATIONS_DIR));
    for (const QString& name : folder.entryList({u"*.ts"_s}))
        QTest::newRow(qPrintable(name)) << folder.filePath(name);
}

/// Every message is finished, and keeps the source's placeholders and its access key.
void TestTranslations::translationFilesAreComplete()
{
    QFETCH(QString, file);
    QFile ts(file);
    QVERIFY(ts.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&ts);
    static const QRegularExpression placeholder(u"%(\\d|n)"_s);
    const auto placeholders = [](const QString& text) {
        QStringList found;
        for (const auto& match : placeholder.globalMatch(text))
            found.append(match.captured());
        found.sort();
        return found;
    };
    QStringList faults;
    QString source;
    int messages = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"source") {
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            ++messages;
        } else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value(u"type"_s).toString();
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!type.isEmpty())
                faults.append(type + u": "_s + source);
            else if (text.isEmpty())
                faults.append(u"empty: "_s + source);
            else if (!source.contains(u"%n"_s) && placeholders(text) != placeholders(source))
                faults.append(u"placeholders differ: "_s + source);
            else if (accessKey(source).isNull() != accessKey(text).isNull())
                faults.append(u"access key: "_s + source);
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(messages > 300);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestTranslations::languageFollowsTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("caption"); // of the Vocabulary menu

    QTest::newRow("desktop, LANGUAGE=de") << QLocale::system() << u"&Vokabular"_s;
    QTest::newRow("Swiss French") << QLocale(u"fr_CH"_s) << u"&Vocabulaire"_s;
    QTest::newRow("Mexican Spanish") << QLocale(u"es_MX"_s) << u"&Vocabulario"_s;
    QTest::newRow("untranslated language") << QLocale(u"ja_JP"_s) << u"&Vocabulary"_s;
}

void TestTranslations::languageFollowsTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, caption);
    const bool translated = installUiLanguage(*qApp, locale);
    QCOMPARE(translated, caption != u"&Vocabulary"_s);
    QCOMPARE(QCoreApplication::translate("lexmint::MainWindow", "&Vocabulary"), caption);
    // Qt's own buttons come in the same language.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel") != u"Cancel"_s, translated);
    qDeleteAll(qApp->findChildren<QTranslator*>());
}

QTEST_MAIN(TestTranslations)
#include "TestTranslations.moc"
