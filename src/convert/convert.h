#pragma once

#include "common/suite.h"
#include "convert/unittables.h"
#include "windowkit/helpmenu.h"

#include <QList>
#include <QMainWindow>

class QAction;
class QButtonGroup;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStackedWidget;
class QTabBar;

namespace nookery {

struct ToolContext;

// "Conversion Tables": a value typed in one unit shown at once in every unit of its
// category, one category per tab. Controls carry their historic names as objectName
// (Text400, Option401(3), Text401(3), Label401(3), Frame400, ...).
class convert : public QMainWindow, public StandardHelp
{
    Q_OBJECT

public:
    explicit convert(const ToolContext &context, QWidget *parent = nullptr);

    // Handlers, named after their control and event.
    void Form_Load();
    void TabStrip1_Click();
    void Text_Change(int code);
    void Option_Click(int code);
    void LengthWidth_Change(int code);
    void menuoptions_Click();
    void menuClose_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The controls of one tab.
    struct Table
    {
        const Category *category = nullptr;
        QFrame *frame = nullptr;
        QLineEdit *input = nullptr;  // Text<c>; nullptr on the length-times-width tabs
        QLabel *inputUnit = nullptr; // Label<c>a
        QLabel *prompt = nullptr;    // Label<c>b
        QButtonGroup *options = nullptr;
        QList<QRadioButton *> optionButtons; // Option<c+1>(1..n)
        QList<QLineEdit *> results;          // Text<c+1>(1..n)
        QList<QLabel *> unitLabels;          // Label<c+1>(1..n)
        QList<QLineEdit *> entries;          // Text<c>(1..9) of the length-times-width tabs
        QLineEdit *side = nullptr;           // Text100b
    };

    void buildMenus();
    void buildTables();
    void buildSingleValue(Table &t);
    void buildLengthWidth(Table &t);
    void addResultRows(Table &t, QGridLayout *grid, int firstRow, bool withOptions);
    void connectHandlers();
    QLineEdit *newEdit(const QString &name, const QString &text, QWidget *parent);

    Table &table(int code);
    int selectedUnit(const Table &t) const;
    void convertAs(Table &t, int unit);
    void selectTab(int tab);

    Suite &m_suite;
    QTabBar *TabStrip1 = nullptr;
    QStackedWidget *m_frames = nullptr;
    QList<Table> m_tables; // tab order

    QAction *menuoptions = nullptr;
    QAction *menuClose = nullptr;
    QList<QAction *> m_unitActions; // menuArea ... menuWeight, in tab order
};

} // namespace nookery
