#include "print/print_output.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "core/print/printout_notices.h"
#include "shell/language.h"
#include "shell/short_date.h"

namespace amortix::gui {

namespace {

std::unique_ptr<QPrinter> PdfPrinter(const QString& path, const QString& title) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setDocName(title);
    printer->setCreator(QStringLiteral("Amortix"));
    UseLocalPageSize(*printer);
    return printer;
}

QString Where(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat ? QDir::toNativeSeparators(printer.outputFileName())
                                                         : printer.printerName();
}

}  // namespace

void UseLocalPageSize(QPrinter& printer) {
    const bool us = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    printer.setPageSize(QPageSize(us ? QPageSize::Letter : QPageSize::A4));
}

std::unique_ptr<QPrinter> SystemPrintOutput::Open(const QString& title, QWidget* parent) {
    const QPrinterInfo system = QPrinterInfo::defaultPrinter();
    if (!system.isNull()) {
        auto printer = std::make_unique<QPrinter>(system, QPrinter::HighResolution);
        printer->setDocName(title);
        return printer;
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    const QString proposed = QString::fromStdString(
        amortix::PrintoutFileName(title.toStdString(), SerialFromDate(QDate::currentDate())));
    QString path = QFileDialog::getSaveFileName(parent, Tr("Save the printout as PDF"),
                                                QDir(folder).filePath(proposed), Tr("PDF files (*.pdf)"));
    if (path.isEmpty()) return nullptr;
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".pdf");
    return PdfPrinter(path, title);
}

void SystemPrintOutput::Close(QPrinter& printer, bool ok, QWidget* parent) {
    const std::string where = Where(printer).toStdString();
    if (!ok) {
        QMessageBox::warning(parent, Tr("Print"),
                             QString::fromStdString(amortix::PrintoutFailedText(where, WindowCatalogue())));
    } else if (printer.outputFormat() == QPrinter::PdfFormat) {
        QMessageBox::information(
            parent, Tr("Print"),
            QString::fromStdString(amortix::PrintoutSavedText(where, WindowCatalogue())));
    }
}

std::unique_ptr<QPrinter> PdfFileOutput::Open(const QString& title, QWidget* /*parent*/) {
    ++opened;
    auto printer = PdfPrinter(path_, title);
    if (pageSize) printer->setPageSize(*pageSize);
    return printer;
}

void PdfFileOutput::Close(QPrinter& /*printer*/, bool ok, QWidget* /*parent*/) {
    ++(ok ? finished : failed);
}

}  // namespace amortix::gui
