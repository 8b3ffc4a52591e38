#include "files/file_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>

#include <string_view>

#include "core/export/export.h"
#include "shell/language.h"

namespace amortix::gui {

namespace {

enum class Kind { None, Mortgage, Loan, Comparison, Picture, Export, Qualify };

Kind KindOf(FileDialogMode mode) {
    switch (mode) {
        case FileDialogMode::OpenMortgage:
        case FileDialogMode::SaveMortgage:
            return Kind::Mortgage;
        case FileDialogMode::OpenLoan:
        case FileDialogMode::SaveLoan:
            return Kind::Loan;
        case FileDialogMode::OpenComparison:
        case FileDialogMode::SaveComparison:
            return Kind::Comparison;
        case FileDialogMode::SavePicture:
            return Kind::Picture;
        case FileDialogMode::Export:
            return Kind::Export;
        case FileDialogMode::OpenQualify:
        case FileDialogMode::SaveQualify:
            return Kind::Qualify;
        default:
            return Kind::None;
    }
}

// Each kind's filter in the dialog (English, translated whole when shown),
// its extension, and the mode that opens it.
struct KindText {
    Kind kind;
    const char* filter;
    const char* extension;
    FileDialogMode openMode;
};
constexpr KindText kKindTexts[] = {
    {Kind::Mortgage, AMX_TEXT("Mortgage Database (*.qmd)"), "qmd", FileDialogMode::OpenMortgage},
    {Kind::Loan, AMX_TEXT("Loan Database (*.qld)"), "qld", FileDialogMode::OpenLoan},
    {Kind::Comparison, AMX_TEXT("Compare Database (*.qcd)"), "qcd", FileDialogMode::OpenComparison},
    {Kind::Qualify, AMX_TEXT("Qualify Database (*.qqd)"), "qqd", FileDialogMode::OpenQualify},
};

// The export formats' filters, marked here for the translators: the export
// writer keeps its English. They must read as the writer's table does.
constexpr const char* kExportFilters[] = {AMX_TEXT("Spreadsheet workbook (*.xlsx)"),
                                          AMX_TEXT("Comma-separated values (*.csv)")};
static_assert(std::size(kExportFilters) == amortix::kExportFormats.size());
static_assert(std::string_view(kExportFilters[0]) == amortix::kExportFormats[0].filter &&
              std::string_view(kExportFilters[1]) == amortix::kExportFormats[1].filter);

const KindText* TextOf(Kind kind) {
    for (const KindText& text : kKindTexts)
        if (text.kind == kind) return &text;
    return nullptr;
}

}  // namespace

bool IsSaveMode(FileDialogMode mode) {
    return mode == FileDialogMode::SaveMortgage || mode == FileDialogMode::SaveLoan ||
           mode == FileDialogMode::SaveComparison || mode == FileDialogMode::SavePicture ||
           mode == FileDialogMode::Export || mode == FileDialogMode::SaveQualify;
}

QString FileFilter(FileDialogMode mode) {
    if (KindOf(mode) == Kind::Picture)
        return Tr("PNG image (*.png)") + QStringLiteral(";;") + Tr("SVG drawing (*.svg)");
    if (KindOf(mode) == Kind::Export) {
        QStringList filters;
        for (const amortix::ExportFormatInfo& format : amortix::kExportFormats) filters << Tr(format.filter);
        return (filters << Tr("PDF document (*.pdf)")).join(QStringLiteral(";;"));
    }
    const KindText* text = TextOf(KindOf(mode));
    return text ? Tr(text->filter) : QString();
}

QString FileExtension(FileDialogMode mode) {
    if (KindOf(mode) == Kind::Picture) return QStringLiteral(".png");
    if (KindOf(mode) == Kind::Export) {
        const std::string_view first = amortix::kExportFormats[0].extension;
        return QString::fromUtf8(first.data(), static_cast<qsizetype>(first.size()));
    }
    const KindText* text = TextOf(KindOf(mode));
    return text ? QLatin1Char('.') + QLatin1String(text->extension) : QString();
}

FileDialogMode OpenModeFor(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    for (const KindText& text : kKindTexts)
        if (suffix.compare(QLatin1String(text.extension), Qt::CaseInsensitive) == 0) return text.openMode;
    return FileDialogMode::Idle;
}

QString WithExtension(const QString& name, FileDialogMode mode) {
    const QString fileName = QFileInfo(name).fileName();
    if (fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty()) return name;
    const QString extension = FileExtension(mode);
    return name.endsWith(QLatin1Char('.')) ? name + extension.mid(1) : name + extension;
}

QString& RememberedFileNames::For(FileDialogMode mode) {
    switch (KindOf(mode)) {
        case Kind::Loan:
            return loan;
        case Kind::Comparison:
            return comparison;
        case Kind::Picture:
            return picture;
        case Kind::Export:
            return exported;
        default:
            return mortgage;
    }
}

std::optional<QString> QtFileDialog::FileDirectory(FileDialogMode mode, const QString& initialName) {
    const QString filter = FileFilter(mode);
    if (filter.isEmpty()) return std::nullopt;
    const bool save = IsSaveMode(mode);

    QFileDialog dialog(parent_, save ? Tr("Save File") : Tr("Open File"));
    dialog.setObjectName(QStringLiteral("FileDir"));
    // Qt's own dialog adds the extension before it asks about replacing, so
    // the question is about the file that will be written.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(FileExtension(mode).mid(1));
    // A name typed without an extension takes the one of the filter shown.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& chosen) {
        const qsizetype star = chosen.indexOf(QLatin1String("(*."));
        if (star >= 0) dialog.setDefaultSuffix(chosen.mid(star + 3).chopped(1));
    });
    QString folder = folder_.isEmpty() ? QDir::currentPath() : folder_;
    if (initialName.contains(QLatin1Char('/'))) folder = QFileInfo(initialName).absolutePath();
    dialog.setDirectory(folder);
    if (!initialName.isEmpty()) dialog.selectFile(QFileInfo(initialName).fileName());
    AddRecentFiles(dialog, mode);

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    QString chosen = WithExtension(dialog.selectedFiles().constFirst(), mode);
    // An export's extension says what is written: a name with another one
    // takes the kind of the filter shown.
    const QString suffix = QFileInfo(chosen).suffix().toLower();
    if (KindOf(mode) == Kind::Export && (suffix.isEmpty() || !FileFilter(mode).contains("*." + suffix + ")")))
        chosen += QLatin1Char('.') + dialog.defaultSuffix();
    folder_ = QFileInfo(chosen).absolutePath();
    return chosen;
}

void QtFileDialog::AddRecentFiles(QFileDialog& dialog, FileDialogMode mode) const {
    if (!recent_ || KindOf(mode) == Kind::Picture || KindOf(mode) == Kind::Export) return;
    QStringList files;
    const QString extension = FileExtension(mode);
    for (const QString& path : recent_())
        if (path.endsWith(extension, Qt::CaseInsensitive)) files << path;
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (files.isEmpty() || !grid) return;
    auto* list = new QComboBox(&dialog);
    list->setObjectName(QStringLiteral("RecentFiles"));
    list->addItem(QString());  // nothing chosen yet
    for (const QString& path : files) list->addItem(QDir::toNativeSeparators(path), path);
    auto* label = new QLabel(Tr("&Recent files:"), &dialog);
    label->setBuddy(list);
    list->setAccessibleName(Tr("Recent files"));
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(list, row, 1, 1, std::max(1, grid->columnCount() - 1));
    QObject::connect(list, &QComboBox::activated, &dialog, [&dialog, list](int index) {
        const QString path = list->itemData(index).toString();
        if (path.isEmpty()) return;
        dialog.setDirectory(QFileInfo(path).absolutePath());
        dialog.selectFile(path);
    });
}

std::optional<QString> RecordingFileDialog::FileDirectory(FileDialogMode mode, const QString& initialName) {
    if (FileFilter(mode).isEmpty()) return std::nullopt;
    requests.push_back({mode, initialName});
    if (answers.empty()) return std::nullopt;
    const QString answer = answers.front();
    answers.pop_front();
    if (answer.isEmpty()) return std::nullopt;
    return answer;
}

}  // namespace amortix::gui
