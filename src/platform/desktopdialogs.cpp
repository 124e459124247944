#include "platform/desktopdialogs.h"

#include "platform/helpviewer.h"
#include "windowkit/textfit.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace nookery {

namespace {

// A box as wide as its title needs, so a short message does not cut the title.
int runBox(QMessageBox::Icon icon, const QString &title, const QString &text,
           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton byDefault)
{
    QMessageBox box(icon, title, text, buttons, QApplication::activeWindow());
    box.setDefaultButton(byDefault);
    textfit::reserveTitle(&box);
    return box.exec();
}

} // namespace

void DesktopMessageBoxes::information(const QString &title, const QString &text)
{
    runBox(QMessageBox::Information, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool DesktopMessageBoxes::question(const QString &title, const QString &text)
{
    return runBox(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                  QMessageBox::No) == QMessageBox::Yes;
}

QString DesktopCommonDialog::ShowOpen(const OpenRequest &request)
{
    const QString start =
        request.fileName.isEmpty() ? InitDir : QString(InitDir + u'/' + request.fileName);
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), request.title, start,
                                        qtNameFilters(request.filter));
}

std::optional<QColor> DesktopCommonDialog::ShowColor(const QColor &initial, int)
{
    const QColor c = QColorDialog::getColor(initial, QApplication::activeWindow());
    if (!c.isValid())
        return std::nullopt;
    return c;
}

std::optional<QFont> DesktopCommonDialog::ShowFont(const QFont &initial, int)
{
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, initial, QApplication::activeWindow());
    if (!ok)
        return std::nullopt;
    return f;
}

bool DesktopCommonDialog::ShowPrinter(QPrinter &printer, int flags)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, !(flags & PrintNoPageNums));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, !(flags & PrintNoSelection));
    if (flags & PrintSelection)
        printer.setPrintRange(QPrinter::Selection);
    return dialog.exec() == QDialog::Accepted;
}

DesktopCommonDialog::DesktopCommonDialog() = default;

// The help window ends with the suite.
DesktopCommonDialog::~DesktopCommonDialog()
{
    delete m_help.data();
}

void DesktopCommonDialog::ShowHelp(int command, int contextNumber)
{
    // Made on the first request, so the document costs nothing at start.
    if (!m_help)
        m_help = new HelpViewer;
    m_help->showRequest(HelpFile, command, contextNumber);
}

} // namespace nookery
