#include "convert/convert.h"

#include "common/helpcontext.h"
#include "common/toolcontext.h"
#include "common/twips.h"
#include "convert/converter.h"
#include "convert/numberformat.h"
#include "windowkit/menus.h"

#include <QAction>
#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include <array>

namespace nookery {

namespace {

constexpr int WindowHeightTwips = 6690;
constexpr int WindowWidthTwips = 11400;
constexpr int OptionsPage = 3; // the conversion-tables page

QString indexed(const QString &name, int index)
{
    return name + u'(' + QString::number(index) + u')';
}

QString named(int code, QStringView suffix = {})
{
    return QString::number(code) + suffix;
}

// Time and Weight never disable their unit buttons.
bool gatesOptions(int code)
{
    return code != 700 && code != 900;
}

// Tabs whose input goes back to "0" when the tab is selected.
bool resetsInput(int code)
{
    return code != 550 && code != 200 && code != 300;
}

// Results show from their first digit, like any value that was just put in a box.
void showResult(QLineEdit *box, double value)
{
    box->setText(numberformat::formatGeneral(value));
    box->setCursorPosition(0);
}

} // namespace

convert::convert(const ToolContext &context, QWidget *parent)
    : QMainWindow(parent), StandardHelp(context.suite, helpcontext::Convert), m_suite(context.suite)
{
    setObjectName(QStringLiteral("convert"));
    setWindowTitle(QStringLiteral("Conversion Tables"));
    setAttribute(Qt::WA_DeleteOnClose, false); // the shell keeps the single instance

    buildMenus();
    buildTables();
    connectHandlers();
    Form_Load();
}

void convert::buildMenus()
{
    QMenu *menuFile = kit::addMenu(menuBar(), "menuFile", QStringLiteral("&File"));
    menuoptions = kit::addEntry(menuFile, "menuoptions", QStringLiteral("&Options"), Qt::Key_F11);
    kit::addSeparator(menuFile, "sep1");
    menuClose = kit::addEntry(menuFile, "menuClose", QStringLiteral("&Close"), Qt::Key_F12);

    QMenu *menuUnits = kit::addMenu(menuBar(), "menuUnits", QStringLiteral("&Units"));
    const std::array<std::pair<const char16_t *, const char16_t *>, 12> units = {{
        {u"menuArea", u"&Area"},
        {u"menuAreaMetric", u"Area - Metr&ic"},
        {u"menuAreaStandard", u"Area - Standa&rd"},
        {u"menuDensity", u"Densit&y"},
        {u"menuDistance", u"&Distance"},
        {u"menuEnergy", u"&Energy"},
        {u"menuLiquid", u"&Liquid"},
        {u"menuPressure", u"&Pressure"},
        {u"menuSpeed", u"&Speed"},
        {u"menuTemperature", u"&Temperature"},
        {u"menuTime", u"T&ime"},
        {u"menuWeight", u"&Weight"},
    }};
    for (const auto &[name, text] : units)
        m_unitActions.append(
            kit::addEntry(menuUnits, QString::fromUtf16(name), QString::fromUtf16(text)));

    addHelpMenu(this, {u"&Help Topics", u"&Using Conversion Tables", Qt::Key_F1, "sep2"});
}

QLineEdit *convert::newEdit(const QString &name, const QString &text, QWidget *parent)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->installEventFilter(this);
    return edit;
}

void convert::buildTables()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    TabStrip1 = new QTabBar(central);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setExpanding(false);
    TabStrip1->setUsesScrollButtons(true);
    m_frames = new QStackedWidget(central);
    layout->addWidget(TabStrip1);
    layout->addWidget(m_frames, 1);
    setCentralWidget(central);

    for (const Category &category : UnitTables::categories()) {
        Table t;
        t.category = &category;
        t.frame = new QFrame(m_frames);
        t.frame->setObjectName(u"Frame" + named(category.code));
        if (category.kind == CategoryKind::LengthTimesWidth)
            buildLengthWidth(t);
        else
            buildSingleValue(t);
        TabStrip1->addTab(category.tabCaption);
        m_frames->addWidget(t.frame);
        m_tables.append(t);
    }
}

void convert::buildSingleValue(Table &t)
{
    const int c = t.category->code;
    auto *grid = new QGridLayout(t.frame);
    t.prompt = new QLabel(QStringLiteral("Enter a Value..."), t.frame);
    t.prompt->setObjectName(u"Label" + named(c, u"b"));
    t.input = newEdit(u"Text" + named(c), QStringLiteral("0"), t.frame);
    t.inputUnit = new QLabel(QStringLiteral("?"), t.frame);
    t.inputUnit->setObjectName(u"Label" + named(c, u"a"));
    t.prompt->setBuddy(t.input);
    grid->addWidget(t.prompt, 0, 0);
    grid->addWidget(t.input, 0, 1);
    grid->addWidget(t.inputUnit, 0, 2);

    if (t.category->kind == CategoryKind::Area) {
        // The side of the square, kept for the record but of no use to the reader.
        t.side = newEdit(QStringLiteral("Text100b"), QString(), t.frame);
        t.side->setVisible(false);
    }

    t.options = new QButtonGroup(t.frame);
    t.options->setExclusive(true);
    addResultRows(t, grid, 1, true);
    t.optionButtons.first()->setChecked(true);
}

void convert::buildLengthWidth(Table &t)
{
    const int c = t.category->code;
    auto *grid = new QGridLayout(t.frame);
    t.prompt = new QLabel(t.category->partsPrompt, t.frame);
    t.prompt->setObjectName(u"Label" + named(c, u"b"));
    grid->addWidget(t.prompt, 0, 1, 1, 3);

    const std::array<QString, 2> captions = {QStringLiteral("Enter a Length"),
                                             QStringLiteral("Enter a Width")};
    for (int i = 1; i <= 9; ++i)
        t.entries.append(newEdit(indexed(u"Text" + named(c), i), QString(), t.frame));
    for (int row = 0; row < 2; ++row) {
        auto *label = new QLabel(captions[size_t(row)], t.frame);
        label->setObjectName(u"Label" + named(c, row == 0 ? u"c" : u"d"));
        label->setBuddy(t.entries[row * 3]);
        grid->addWidget(label, row + 1, 0);
        for (int part = 0; part < 3; ++part)
            grid->addWidget(t.entries[row * 3 + part], row + 1, part + 1);
    }
    // Total length, width and their product in the base unit: bookkeeping, not shown.
    for (int i = 6; i < 9; ++i) {
        t.entries[i]->setReadOnly(true);
        t.entries[i]->setVisible(false);
    }
    addResultRows(t, grid, 3, false);
}

void convert::addResultRows(Table &t, QGridLayout *grid, int firstRow, bool withOptions)
{
    const int c = t.category->code + 1;
    const int n = t.category->count();
    // Long tables go in two columns so the window keeps its fixed height.
    const int perColumn = n > 8 ? (n + 1) / 2 : n;
    for (int i = 1; i <= n; ++i) {
        const Unit &unit = t.category->unit(i);
        const int row = firstRow + (i - 1) % perColumn;
        const int col = ((i - 1) / perColumn) * 3;
        if (withOptions) {
            auto *option = new QRadioButton(unit.caption, t.frame);
            option->setObjectName(indexed(u"Option" + named(c), i));
            t.options->addButton(option, i);
            t.optionButtons.append(option);
            grid->addWidget(option, row, col);
        }
        QLineEdit *result = newEdit(indexed(u"Text" + named(c), i), QStringLiteral("0"), t.frame);
        result->setReadOnly(true); // results take no typed character
        result->setMinimumWidth(
            result->fontMetrics().horizontalAdvance(u"-6.21371192237334E-307"_qs) + 12);
        auto *label = new QLabel(unit.abbreviation, t.frame);
        label->setObjectName(indexed(u"Label" + named(c), i));
        label->setBuddy(result);
        result->setAccessibleName(kit::spokenText(unit.caption));
        t.results.append(result);
        t.unitLabels.append(label);
        grid->addWidget(result, row, col + 1);
        grid->addWidget(label, row, col + 2);
    }
    grid->setRowStretch(firstRow + perColumn, 1);
}

void convert::connectHandlers()
{
    connect(menuoptions, &QAction::triggered, this, &convert::menuoptions_Click);
    connect(menuClose, &QAction::triggered, this, &convert::menuClose_Click);
    for (int i = 0; i < m_unitActions.size(); ++i)
        connect(m_unitActions[i], &QAction::triggered, this, [this, i] { selectTab(i + 1); });
    connect(TabStrip1, &QTabBar::currentChanged, this, &convert::TabStrip1_Click);

    for (const Table &t : std::as_const(m_tables)) {
        const int code = t.category->code;
        if (t.input) {
            connect(t.input, &QLineEdit::textChanged, this, [this, code] { Text_Change(code); });
            connect(t.options, &QButtonGroup::idToggled, this, [this, code](int, bool checked) {
                if (checked)
                    Option_Click(code);
            });
        }
        for (int i = 0; i < 6 && i < t.entries.size(); ++i)
            connect(t.entries[i], &QLineEdit::textChanged, this,
                    [this, code] { LengthWidth_Change(code); });
    }
}

void convert::Form_Load()
{
    // Wide enough for all twelve tab captions at the user's font, so none hides behind the
    // scroll arrows; never narrower than the classic width.
    const QMargins margins = centralWidget()->layout()->contentsMargins();
    const int tabsWidth = TabStrip1->sizeHint().width() + margins.left() + margins.right();
    resize(std::max(twipsToPixels(WindowWidthTwips), tabsWidth), twipsToPixels(WindowHeightTwips));
    TabStrip1->setCurrentIndex(0);
    m_frames->setCurrentIndex(0);
    convertAs(table(100), 1);
    table(100).input->setFocus(Qt::OtherFocusReason); // ready to type on opening
}

void convert::selectTab(int tab)
{
    TabStrip1->setCurrentIndex(tab - 1);
    // From the Units menu the keyboard goes straight to the new input; arrowing along the
    // tab strip itself leaves the focus there.
    const Table &t = m_tables[tab - 1];
    (t.input ? t.input : t.entries.first())->setFocus(Qt::OtherFocusReason);
}

void convert::TabStrip1_Click()
{
    const int index = TabStrip1->currentIndex();
    if (index < 0)
        return;
    m_frames->setCurrentIndex(index);
    Table &t = m_tables[index];
    const int code = t.category->code;
    if (t.category->kind == CategoryKind::LengthTimesWidth) {
        LengthWidth_Change(code);
        return;
    }
    if (resetsInput(code)) {
        const QSignalBlocker blockInput(t.input);
        t.input->setText(QStringLiteral("0"));
        if (gatesOptions(code)) {
            for (QRadioButton *option : std::as_const(t.optionButtons))
                option->setEnabled(true);
        }
    }
    // A tab starts out in its first unit whatever button is chosen; the label beside the
    // input says so, and the next keystroke or button click uses the chosen unit again.
    // Density keeps its value, which is then read as its first unit too.
    convertAs(t, 1);
}

void convert::Text_Change(int code)
{
    Table &t = table(code);
    if (gatesOptions(code)) {
        const bool numeric = numberformat::isNumeric(t.input->text());
        for (QRadioButton *option : std::as_const(t.optionButtons))
            option->setEnabled(numeric);
    }
    Option_Click(code);
}

void convert::Option_Click(int code)
{
    Table &t = table(code);
    const int unit = selectedUnit(t);
    if (unit > 0)
        convertAs(t, unit);
}

int convert::selectedUnit(const Table &t) const
{
    for (int i = 0; i < t.optionButtons.size(); ++i) {
        if (t.optionButtons[i]->isChecked())
            return i + 1;
    }
    return 0;
}

void convert::convertAs(Table &t, int unit)
{
    const double x = numberformat::parseLeading(t.input->text());
    const QList<double> values = Converter::convert(*t.category, unit, x);
    // The label follows the chosen unit even when Area has nothing to convert, so it never
    // names a unit other than the selected one.
    t.inputUnit->setText(t.unitLabels[unit - 1]->text());
    if (t.category->kind == CategoryKind::Area) {
        if (!(x > 0)) {
            for (QLineEdit *result : std::as_const(t.results))
                result->setText(QStringLiteral("0"));
            return;
        }
        showResult(t.side, Converter::areaSide(x));
    }
    for (int k = 0; k < values.size(); ++k)
        showResult(t.results[k], values[k]);
}

void convert::LengthWidth_Change(int code)
{
    Table &t = table(code);
    std::array<double, 6> parts{};
    for (int i = 0; i < 6; ++i) {
        parts[size_t(i)] = numberformat::parseLeading(t.entries[i]->text());
        if (!Converter::keepsPart(parts[size_t(i)]) && !t.entries[i]->text().isEmpty()) {
            const QSignalBlocker block(t.entries[i]);
            t.entries[i]->clear();
        }
    }
    const LengthWidth r = Converter::lengthTimesWidth(*t.category, parts);
    showResult(t.entries[6], r.length);
    showResult(t.entries[7], r.width);
    showResult(t.entries[8], r.product);
    for (int k = 0; k < r.areas.size(); ++k)
        showResult(t.results[k], r.areas[k]);
}

convert::Table &convert::table(int code)
{
    for (Table &t : m_tables) {
        if (t.category->code == code)
            return t;
    }
    Q_UNREACHABLE();
}

bool convert::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        // Highlight the whole value on entry, also when the focus came from a mouse press,
        // which would otherwise drop the selection right after this event.
        if (auto *edit = qobject_cast<QLineEdit *>(watched))
            QTimer::singleShot(0, edit, [edit] {
                if (edit->hasFocus())
                    edit->selectAll();
            });
    }
    return QMainWindow::eventFilter(watched, event);
}

void convert::menuoptions_Click()
{
    m_suite.showOptions(OptionsPage);
}

void convert::menuClose_Click()
{
    close();
}

} // namespace nookery
