#pragma once
// Where a printout goes: the system's default printer when there is one,
// otherwise a PDF file the user names. Behind one interface so the window
// tests print to a file of their own without a dialog.

#include <QPageSize>
#include <QString>

#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace amortix::gui {

class PrintOutput {
  public:
    virtual ~PrintOutput() = default;

    // A printer ready for a document named `title` (for example "Mortgage
    // table"), or null when the user decided not to print after all.
    virtual std::unique_ptr<QPrinter> Open(const QString& title, QWidget* parent) = 0;
    // The document on `printer` is finished (`ok`) or failed: tells the user
    // where it went, or what went wrong.
    virtual void Close(QPrinter& printer, bool ok, QWidget* parent) = 0;
};

// The page size the user's locale expects: Letter in the US system of
// measurement, A4 elsewhere.
void UseLocalPageSize(QPrinter& printer);

// The default printer; without one, a PDF named in a save dialog that
// proposes the title and today's date in the documents folder.
class SystemPrintOutput final : public PrintOutput {
  public:
    std::unique_ptr<QPrinter> Open(const QString& title, QWidget* parent) override;
    void Close(QPrinter& printer, bool ok, QWidget* parent) override;
};

// Every printout into one PDF file, overwritten each time; no dialogs.
class PdfFileOutput final : public PrintOutput {
  public:
    explicit PdfFileOutput(QString path) : path_(std::move(path)) {}

    std::unique_ptr<QPrinter> Open(const QString& title, QWidget* parent) override;
    void Close(QPrinter& printer, bool ok, QWidget* parent) override;

    // The page size; the locale's when not set.
    std::optional<QPageSize> pageSize;
    // How many documents were begun, finished and failed.
    int opened = 0;
    int finished = 0;
    int failed = 0;

  private:
    QString path_;
};

}  // namespace amortix::gui
