#include "ui/dialogs/CPicturePP.h"

#include "platform/StringTable.h"
#include "platform/UserPrompts.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int kButtonTips = 563;
constexpr const char* kChooseTitle = "Add Pictures";
// The file dialog's form of string 535.
constexpr const char* kImageFilter =
    "Image Files (.bmp .jpg .gif .png) (*.bmp *.jpg *.jpeg *.gif *.png);;All Files (*)";
constexpr QSize kPreviewSize(160, 120);

QString Tip(std::size_t index) {
    const auto tips = StringTable::List(kButtonTips);
    return index < tips.size() ? QString::fromStdString(tips[index]) : QString();
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text, const QString& tip) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    return button;
}

QString NotAPicture(const std::filesystem::path& path) {
    return QString("The file '%1' could not be added.\nIt is not a picture Savorbridge can show; "
                   "please choose a BMP, JPEG, GIF or PNG file.")
        .arg(QString::fromStdString(path.string()));
}

} // namespace

CPicturePP::CPicturePP(UserPrompts& prompts)
    : CGenericPP(kTemplate), m_prompts(prompts), m_list(new QListWidget(this)), m_preview(new QLabel(this)) {
    m_list->setObjectName("pictures");
    m_list->setToolTip(tr("Ticked pictures are shown on the page"));
    m_preview->setObjectName("preview");
    m_preview->setFixedSize(kPreviewSize);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);

    auto* add = Button(this, "new", tr("&Add..."), Tip(0));
    m_delete = Button(this, "delete", tr("&Delete"), Tip(1));
    m_edit = Button(this, "properties", tr("&Edit Image"), Tip(2));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(m_delete);
    buttons->addWidget(m_edit);
    buttons->addStretch();
    buttons->addWidget(m_preview);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, &CPicturePP::NewPicture);
    connect(m_delete, &QPushButton::clicked, this, &CPicturePP::DeletePicture);
    connect(m_edit, &QPushButton::clicked, this, &CPicturePP::EditPicture);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] {
        ShowSelected();
        UpdateButtons();
    });
    UpdateButtons();
}

void CPicturePP::SetPictures(const std::vector<Picture>& pictures) {
    m_list->clear();
    for (const Picture& picture : pictures) {
        AddItem(picture);
    }
    UpdateButtons();
}

void CPicturePP::AddItem(const Picture& picture) {
    auto* item = new QListWidgetItem(QString::fromStdString(picture.path), m_list);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(picture.shown ? Qt::Checked : Qt::Unchecked);
}

std::vector<CPicturePP::Picture> CPicturePP::Pictures() const {
    std::vector<Picture> pictures;
    for (int row = 0; row < m_list->count(); ++row) {
        const QListWidgetItem* item = m_list->item(row);
        pictures.push_back({item->text().toStdString(), item->checkState() == Qt::Checked});
    }
    return pictures;
}

void CPicturePP::NewPicture() {
    const auto chosen = m_prompts.ChooseFilesToOpen(kChooseTitle, {kImageFilter}, {}, false);
    if (!chosen.empty()) {
        AddPicture(chosen.front());
    }
}

// Paths are compared exactly: on this system two spellings that differ in
// case, or one path that merely begins another, name different files.
bool CPicturePP::AddPicture(const std::filesystem::path& path) {
    const QString text = QString::fromStdString(path.string());
    const auto listed = m_list->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!listed.isEmpty()) {
        m_list->setCurrentItem(listed.front());
        return false;
    }
    if (!QImageReader(text).canRead()) {
        m_prompts.Message(NotAPicture(path).toStdString(), PromptIcon::Warning);
        return false;
    }
    AddItem({path.string(), true});
    m_list->setCurrentRow(m_list->count() - 1);
    return true;
}

void CPicturePP::DeletePicture() {
    const int row = m_list->currentRow();
    if (row < 0) {
        return;
    }
    delete m_list->takeItem(row);
    m_list->setCurrentRow(std::min(row, m_list->count() - 1));
    ShowSelected();
    UpdateButtons();
}

// There is no "edit" verb on this system; the picture opens in the user's
// chosen program for its type.
void CPicturePP::EditPicture() {
    if (const QListWidgetItem* item = m_list->currentItem()) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(item->text()));
    }
}

void CPicturePP::ShowSelected() {
    const QListWidgetItem* item = m_list->currentItem();
    if (item == nullptr) {
        m_preview->clear();
        return;
    }
    QImageReader reader(item->text());
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        m_preview->setText(tr("(no picture)"));
        return;
    }
    m_preview->setPixmap(QPixmap::fromImage(image.scaled(kPreviewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void CPicturePP::UpdateButtons() {
    const bool selected = m_list->currentRow() >= 0;
    m_delete->setEnabled(selected);
    m_edit->setEnabled(selected);
}
