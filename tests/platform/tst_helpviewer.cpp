#include "common/helpcontext.h"
#include "platform/desktopdialogs.h"
#include "platform/helpdocument.h"
#include "platform/helpviewer.h"
#include "support/windows.h"

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

using namespace nookery;

class tst_HelpViewer : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { NOOKERY_VERIFY_NO_LEFTOVER_WINDOWS(); }
    void document();
    void requests_data();
    void requests();
    void searchFindsTopicsHoldingEveryWord_data();
    void searchFindsTopicsHoldingEveryWord();
    void topicsShowFormatted();
    void linksAndHistory();
    void oneViewerServesEveryRequest();
};

// Every number has a titled topic of some substance, extra topics are numbered from 280, every
// link lands on a topic, and the contents link every other topic.
void tst_HelpViewer::document()
{
    const HelpDocument doc = HelpDocument::load();
    QVERIFY2(doc.isValid(), qPrintable(doc.error()));
    for (int number : helpcontext::All) {
        const HelpTopic *topic = doc.topic(number);
        QVERIFY2(topic && !topic->title.isEmpty(), qPrintable(QString::number(number)));
        const qsizetype words = topic->text.split(u' ', Qt::SkipEmptyParts).size();
        QVERIFY2(words >= 60, qPrintable(QStringLiteral("%1: %2 words").arg(number).arg(words)));
    }
    const QRegularExpression link(QStringLiteral("href=\"#(\\d+)\""));
    QSet<int> fromContents;
    for (const HelpTopic &t : doc.topics()) {
        QVERIFY2(std::count(std::begin(helpcontext::All), std::end(helpcontext::All), t.number) ||
                     t.number >= 280,
                 qPrintable(QString::number(t.number)));
        for (auto links = link.globalMatch(t.html); links.hasNext();) {
            const int target = links.next().captured(1).toInt();
            QVERIFY2(doc.topic(target),
                     qPrintable(QStringLiteral("%1 -> %2").arg(t.number).arg(target)));
            if (t.number == helpcontext::Contents)
                fromContents << target;
        }
    }
    for (const HelpTopic &t : doc.topics())
        QVERIFY2(t.number == helpcontext::Contents || fromContents.contains(t.number),
                 qPrintable(QString::number(t.number)));
}

void tst_HelpViewer::requests_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("contentsTab");
    QTest::addColumn<QString>("notice");
    for (int n : helpcontext::All)
        QTest::addRow("topic %d", n)
            << QStringLiteral("nookery.hlp") << 1 << n << n << false << QString();
    QTest::newRow("topics list") << QStringLiteral("Nookery.hlp") << 15 << 0 << 200 << true
                                 << QString();
    QTest::newRow("other command")
        << QStringLiteral("Nookery.hlp") << 3 << 240 << 200 << true << QString();
    QTest::newRow("no such topic") << QStringLiteral("nookery.hlp") << 1 << 9999 << 200 << true
                                   << QStringLiteral("There is no help topic 9999.");
    QTest::newRow("capitals") << QStringLiteral("NOOKERY.HLP") << 1 << 240 << 240 << false
                              << QString();
    QTest::newRow("another file") << QStringLiteral("other.hlp") << 1 << 240 << 0 << false
                                  << QStringLiteral("Cannot find the help file other.hlp.");
}

void tst_HelpViewer::requests()
{
    QFETCH(QString, file);
    QFETCH(int, command);
    QFETCH(int, number);
    QFETCH(int, shown);
    QFETCH(bool, contentsTab);
    QFETCH(QString, notice);
    HelpViewer viewer;
    viewer.findChild<QTabWidget *>(QStringLiteral("tabs"))->setCurrentIndex(1);
    viewer.showRequest(file, command, number);
    QVERIFY(viewer.isVisible());
    QCOMPARE(viewer.currentTopic(), shown);
    QCOMPARE(viewer.notice(), notice);
    if (contentsTab)
        QCOMPARE(viewer.findChild<QTabWidget *>(QStringLiteral("tabs"))->currentIndex(), 0);
    if (shown) {
        const HelpDocument doc = HelpDocument::load();
        const HelpTopic *topic = doc.topic(shown);
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Nookery Help - ") + topic->title);
        QVERIFY(viewer.findChild<QTextBrowser *>(QStringLiteral("browser"))
                    ->toPlainText()
                    .contains(topic->title));
    }
}

void tst_HelpViewer::searchFindsTopicsHoldingEveryWord_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<QList<int>>("includes");
    QTest::addColumn<QList<int>>("excludes");
    QTest::newRow("alarm") << QStringLiteral("alarm") << QList<int>{230, 236} << QList<int>{220};
    QTest::newRow("two words") << QStringLiteral("ALARM minimized") << QList<int>{230}
                               << QList<int>{236};
    QTest::newRow("word start only")
        << QStringLiteral("larm") << QList<int>{} << QList<int>{230, 236};
    QTest::newRow("nothing typed") << QStringLiteral("  ") << QList<int>{} << QList<int>{200};
}

void tst_HelpViewer::searchFindsTopicsHoldingEveryWord()
{
    QFETCH(QString, words);
    QFETCH(QList<int>, includes);
    QFETCH(QList<int>, excludes);
    HelpViewer viewer;
    viewer.showRequest(QStringLiteral("Nookery.hlp"), 15, 0);
    viewer.findChild<QLineEdit *>(QStringLiteral("searchBox"))->setText(words);
    auto *results = viewer.findChild<QListWidget *>(QStringLiteral("results"));
    QList<int> found;
    for (int row = 0; row < results->count(); ++row)
        found << results->item(row)->data(Qt::UserRole).toInt();
    for (int n : includes)
        QVERIFY2(found.contains(n), qPrintable(QString::number(n)));
    for (int n : excludes)
        QVERIFY2(!found.contains(n), qPrintable(QString::number(n)));
    if (!found.isEmpty()) {
        results->itemClicked(results->item(0));
        QCOMPARE(viewer.currentTopic(), found.first());
    }
}

namespace {

// The shown page's heading (the first block with text, as a heading of level 1) and its links.
QString heading(const QTextBrowser *browser)
{
    for (QTextBlock b = browser->document()->begin(); b.isValid(); b = b.next()) {
        if (!b.text().trimmed().isEmpty())
            return b.blockFormat().headingLevel() == 1 ? b.text().simplified() : QString();
    }
    return {};
}

QMap<QString, int> links(const QTextBrowser *browser)
{
    QMap<QString, int> out;
    for (QTextBlock b = browser->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isAnchor())
                out[it.fragment().charFormat().anchorHref()] = it.fragment().position();
        }
    }
    return out;
}

} // namespace

// Each topic shows as a page, not one run of text: its title as a heading and every link of
// the topic as a link the user can click. Found topics show the same way.
void tst_HelpViewer::topicsShowFormatted()
{
    const HelpDocument doc = HelpDocument::load();
    HelpViewer viewer;
    auto *browser = viewer.findChild<QTextBrowser *>(QStringLiteral("browser"));
    const QRegularExpression href(QStringLiteral("href=\"(#\\d+)\""));
    for (const HelpTopic &t : doc.topics()) {
        viewer.showRequest(QStringLiteral("nookery.hlp"), 1, t.number);
        QCOMPARE(viewer.currentTopic(), t.number);
        QCOMPARE(heading(browser), t.title);
        const QMap<QString, int> shown = links(browser);
        for (auto m = href.globalMatch(t.html); m.hasNext();) {
            const QString target = m.next().captured(1);
            QVERIFY2(shown.contains(target), qPrintable(QString::number(t.number) + target));
        }
    }

    viewer.showRequest(QStringLiteral("nookery.hlp"), 1, helpcontext::Contents);
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    QTextCursor at(browser->document());
    at.setPosition(links(browser).value(QStringLiteral("#240")) + 1);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(at).center());
    QCOMPARE(viewer.currentTopic(), 240);

    viewer.findChild<QLineEdit *>(QStringLiteral("searchBox"))->setText(QStringLiteral("alarm"));
    auto *results = viewer.findChild<QListWidget *>(QStringLiteral("results"));
    QVERIFY(results->count() > 0);
    results->itemClicked(results->item(0));
    QCOMPARE(heading(browser), results->item(0)->text());
    QVERIFY(!links(browser).isEmpty());
}

void tst_HelpViewer::linksAndHistory()
{
    HelpViewer viewer;
    viewer.showRequest(QStringLiteral("nookery.hlp"), 1, 200);
    auto *browser = viewer.findChild<QTextBrowser *>(QStringLiteral("browser"));
    emit browser->anchorClicked(QUrl(QStringLiteral("#240")));
    QCOMPARE(viewer.currentTopic(), 240);
    emit browser->anchorClicked(QUrl(QStringLiteral("#280")));
    QCOMPARE(viewer.currentTopic(), 280);
    QTest::mouseClick(viewer.findChild<QWidget *>(QStringLiteral("Back")), Qt::LeftButton);
    QCOMPARE(viewer.currentTopic(), 240);
    QTest::mouseClick(viewer.findChild<QWidget *>(QStringLiteral("Back")), Qt::LeftButton);
    QCOMPARE(viewer.currentTopic(), 200);
    QVERIFY(!viewer.findChild<QWidget *>(QStringLiteral("Back"))->isEnabled());
    QTest::mouseClick(viewer.findChild<QWidget *>(QStringLiteral("Forward")), Qt::LeftButton);
    QCOMPARE(viewer.currentTopic(), 240);
    auto *contents = viewer.findChild<QListWidget *>(QStringLiteral("contents"));
    contents->itemClicked(contents->item(3));
    QCOMPARE(viewer.currentTopic(), contents->item(3)->data(Qt::UserRole).toInt());
    QTest::mouseClick(viewer.findChild<QWidget *>(QStringLiteral("Contents")), Qt::LeftButton);
    QCOMPARE(viewer.currentTopic(), 200);
    QVERIFY(!viewer.findChild<QWidget *>(QStringLiteral("Forward"))->isEnabled());
}

// One viewer serves every request; opened from a modal dialog it is a window of the dialog's
// own, so it takes input while the dialog is up.
void tst_HelpViewer::oneViewerServesEveryRequest()
{
    DesktopCommonDialog dialog;
    QVERIFY(!dialog.helpViewer());
    QDialog modal;
    modal.setWindowModality(Qt::ApplicationModal);
    modal.show();
    dialog.HelpFile = QStringLiteral("nookery.hlp");
    dialog.ShowHelp(CommonDialog::HelpContext, 265);
    HelpViewer *viewer = dialog.helpViewer();
    QCOMPARE(viewer->parentWidget(), &modal);
    QVERIFY(viewer->isWindow() && viewer->isVisible());
    QCOMPARE(viewer->currentTopic(), 265);
    modal.hide();
    QCOMPARE(viewer->parentWidget(), nullptr);
    QVERIFY(viewer->isVisible());

    viewer->hide();
    dialog.HelpFile = QStringLiteral("Nookery.hlp");
    dialog.ShowHelp(CommonDialog::HelpTopics, 0);
    QCOMPARE(dialog.helpViewer(), viewer);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->currentTopic(), 200);
}

QTEST_MAIN(tst_HelpViewer)
#include "tst_helpviewer.moc"
