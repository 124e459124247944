#pragma once

#include "common/helpcontext.h"
#include "platform/helpdocument.h"

#include <QList>
#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTextBrowser;
class QToolButton;

namespace nookery {

// The suite's own help window: the topics list, a word search and the topic itself, with
// Back, Forward and Contents. One instance serves every help request of the suite.
class HelpViewer : public QWidget
{
    Q_OBJECT
public:
    explicit HelpViewer(QWidget *parent = nullptr);
    ~HelpViewer() override;

    // A help request as windows make it: the help file's name, the command (1 = one topic,
    // anything else = the contents) and the topic's context number. Shows the window.
    void showRequest(const QString &helpFile, int command, int contextNumber);

    // The topic on show, or 0.
    int currentTopic() const { return m_current; }
    // The note above the topic ("There is no help topic 5."), empty when there is none.
    QString notice() const;
    // The document, read on the first request. Replaced in tests.
    void setDocumentPath(const QString &path) { m_path = path; }

    static constexpr int ContentsTopic = helpcontext::Contents;

    void showTopic(int number);
    void goBack();
    void goForward();
    void showContents();

private:
    bool ensureDocument();
    void display(int number);
    void fillContents();
    void search(const QString &words);
    void linkClicked(const QUrl &url);
    void setNotice(const QString &text);
    void updateButtons();
    // Reachable even while a modal dialog is up: the viewer then belongs to that dialog
    // until it closes.
    void present();
    bool eventFilter(QObject *watched, QEvent *event) override;

    QString m_path;
    std::optional<HelpDocument> m_document;
    int m_current = 0;
    QList<int> m_back;
    QList<int> m_forward;
    QWidget *m_modalOwner = nullptr;

    QTabWidget *m_tabs = nullptr;
    QListWidget *m_contents = nullptr;
    QLineEdit *m_searchBox = nullptr;
    QListWidget *m_results = nullptr;
    QTextBrowser *m_browser = nullptr;
    QLabel *m_notice = nullptr;
    QToolButton *m_backButton = nullptr;
    QToolButton *m_forwardButton = nullptr;
    QToolButton *m_contentsButton = nullptr;
};

} // namespace nookery
