#include "platform/QtUserPrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString PathToQString(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

QMessageBox::StandardButtons ButtonsFor(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PromptButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon IconFor(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Warning:
        return QMessageBox::Warning;
    case PromptIcon::Error:
        return QMessageBox::Critical;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

PromptAnswer AnswerFor(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Ok:
        return PromptAnswer::Ok;
    default:
        return PromptAnswer::Cancel;
    }
}

} // namespace

PromptAnswer QtUserPrompts::Ask(std::string_view text, PromptButtons buttons, PromptIcon icon) {
    QMessageBox box(IconFor(icon), QApplication::applicationDisplayName(), ToQString(text), ButtonsFor(buttons),
                    QApplication::activeWindow());
    return AnswerFor(box.exec());
}

std::vector<std::filesystem::path> QtUserPrompts::ChooseFilesToOpen(std::string_view title, const FileFilter& filter,
                                                                    const std::filesystem::path& folder,
                                                                    bool allowMany) {
    QWidget* parent = QApplication::activeWindow();
    QStringList chosen;
    if (allowMany) {
        chosen = QFileDialog::getOpenFileNames(parent, ToQString(title), PathToQString(folder), ToQString(filter.text));
    } else if (const QString one = QFileDialog::getOpenFileName(parent, ToQString(title), PathToQString(folder),
                                                                ToQString(filter.text));
               !one.isEmpty()) {
        chosen << one;
    }
    std::vector<std::filesystem::path> paths;
    for (const QString& file : chosen) {
        paths.emplace_back(file.toStdString());
    }
    return paths;
}

std::optional<std::filesystem::path> QtUserPrompts::ChooseFileToSave(std::string_view title, const FileFilter& filter,
                                                                     const std::filesystem::path& suggested) {
    const QString file = QFileDialog::getSaveFileName(QApplication::activeWindow(), ToQString(title),
                                                      PathToQString(suggested), ToQString(filter.text));
    if (file.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(file.toStdString());
}

std::optional<std::filesystem::path> QtUserPrompts::ChooseFolder(std::string_view title,
                                                                 const std::filesystem::path& start) {
    const QString folder =
        QFileDialog::getExistingDirectory(QApplication::activeWindow(), ToQString(title), PathToQString(start));
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(folder.toStdString());
}
