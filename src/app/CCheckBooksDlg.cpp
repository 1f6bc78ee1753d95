#include "app/CCheckBooksDlg.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

std::optional<std::vector<bool>> CCheckBooksDlg::ChooseBooks(std::string_view title,
                                                             const std::vector<std::string>& titles,
                                                             const std::vector<bool>& ticked) {
    QDialog dialog(m_parent);
    dialog.setObjectName("checkBooksDlg");
    dialog.setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    auto* list = new QListWidget(&dialog);
    list->setObjectName("books");
    for (std::size_t i = 0; i < titles.size(); ++i) {
        auto* item = new QListWidgetItem(QString::fromStdString(titles[i]), list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(i < ticked.size() && ticked[i] ? Qt::Checked : Qt::Unchecked);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    std::vector<bool> chosen;
    for (int row = 0; row < list->count(); ++row) {
        chosen.push_back(list->item(row)->checkState() == Qt::Checked);
    }
    return chosen;
}
