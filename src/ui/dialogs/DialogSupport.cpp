#include "ui/dialogs/DialogSupport.h"

#include "platform/StringTable.h"
#include "ui/dialogs/CHelpWnd.h"
#include "ui/dialogs/DialogHelpPane.h"
#include "ui/dialogs/DialogPlacement.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVariant>
#include <QWidget>

namespace {

constexpr const char* kControlIdProperty = "controlId";
constexpr int kHelpButtonId = 9;
constexpr int kPaneTop = 2;

LayoutList::Rect ToRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
}

QRect FromRect(const LayoutList::Rect& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// The remembered rectangle, or the same size centred on the primary screen
// when the rectangle lies on no screen any more (a monitor was unplugged or
// the resolution went down), so that the dialog never opens out of sight.
QRect OnSomeScreen(const QRect& rect) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(rect)) {
            return rect;
        }
    }
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary == nullptr) {
        return rect;
    }
    QRect moved = rect;
    moved.moveCenter(primary->availableGeometry().center());
    return moved;
}

} // namespace

DialogSupport::DialogSupport(QWidget* window, int templateId, Profile* profile)
    : QObject(window), m_window(window), m_templateId(templateId), m_profile(profile) {
    window->installEventFilter(this);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), window);
    f1->setContext(Qt::WidgetWithChildrenShortcut);
    connect(f1, &QShortcut::activated, this, &DialogSupport::QuickHelpForFocus);
    // A page inside a sheet has its own F1 beside the sheet's; Qt then calls
    // the key ambiguous and tells only one of the two. Either gives the same
    // note, since the note follows the focus.
    connect(f1, &QShortcut::activatedAmbiguously, this, &DialogSupport::QuickHelpForFocus);
}

void DialogSupport::SetControlId(QWidget* control, int id) {
    control->setProperty(kControlIdProperty, id);
}

int DialogSupport::ControlId(const QWidget* control) {
    for (const QWidget* widget = control; widget != nullptr; widget = widget->parentWidget()) {
        const QVariant id = widget->property(kControlIdProperty);
        if (id.isValid()) {
            return id.toInt();
        }
    }
    return 0;
}

QString DialogSupport::QuickHelpText(int controlId) {
    const std::string& own = StringTable::Get(controlId);
    return QString::fromStdString(own.empty() ? StringTable::Get(kNoQuickHelpId) : own);
}

void DialogSupport::RegisterControl(QWidget* control, unsigned flags) {
    if (m_layout.Empty()) {
        m_layout.SetBaseSize(m_window->width(), m_window->height());
    }
    m_layout.Add(static_cast<int>(m_controls.size()), ToRect(control->geometry()), flags);
    m_controls.emplace_back(control);
}

void DialogSupport::SetToolTip(QWidget* control, const QString& text) {
    control->setToolTip(text);
}

void DialogSupport::SetToolTip(QWidget* control, int stringId) {
    SetToolTip(control, QString::fromStdString(StringTable::Get(stringId)));
}

void DialogSupport::ShowQuickHelp(const QString& text, QPoint screenPoint, int width) {
    CHelpWnd::Show(m_window, text, screenPoint, width);
}

void DialogSupport::SetHelpButton(QPushButton* button, bool expansion) {
    m_helpButton = button;
    m_helpExpansion = expansion;
    SetControlId(button, kHelpButtonId);
    button->setObjectName("help");
    if (expansion) {
        button->setText("Help >>");
        button->setEnabled(DialogHelpPane::Available());
        if (!button->isEnabled()) {
            button->setToolTip("The help pane is not available in this version.");
        }
    }
    connect(button, &QPushButton::clicked, this, &DialogSupport::ToggleHelp);
}

void DialogSupport::SetHelpTopicSource(std::function<int()> source) {
    m_topicSource = std::move(source);
}

bool DialogSupport::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_window) {
        return false;
    }
    switch (event->type()) {
    case QEvent::Show:
        RestoreOrStoreRectangle();
        break;
    case QEvent::Move:
        StoreRectangle();
        break;
    case QEvent::Resize:
        Arrange();
        StoreRectangle();
        break;
    default:
        break;
    }
    return false;
}

void DialogSupport::RestoreOrStoreRectangle() {
    if (m_initialised) {
        return;
    }
    m_initialised = true;
    if (m_profile == nullptr) {
        return;
    }
    if (const auto rect = DialogPlacement::Read(*m_profile, m_templateId)) {
        m_window->setGeometry(OnSomeScreen(FromRect(*rect)));
        m_restored = true;
    }
    m_tracking = true;
    StoreRectangle();
}

void DialogSupport::StoreRectangle() {
    if (!m_tracking || m_profile == nullptr || !m_window->isWindow()) {
        return;
    }
    QRect rect = m_window->geometry();
    // The help pane is opened anew each time; a dialog remembered with its
    // width would open that much too wide, with nothing in the extra room.
    if (m_helpShown) {
        rect.setWidth(rect.width() - kHelpPaneWidth);
    }
    DialogPlacement::Write(*m_profile, m_templateId, ToRect(rect));
}

void DialogSupport::Arrange() {
    const int paneWidth = m_helpShown ? kHelpPaneWidth : 0;
    const int width = m_window->width() - paneWidth;
    for (const auto& placement : m_layout.Arrange(width, m_window->height())) {
        if (QWidget* control = m_controls[static_cast<std::size_t>(placement.key)]) {
            control->setGeometry(FromRect(placement.rect));
        }
    }
    if (m_helpShown && m_helpPane != nullptr) {
        m_helpPane->setGeometry(width, kPaneTop, paneWidth - kPaneTop, m_window->height() - 2 * kPaneTop);
    }
}

int DialogSupport::HelpTopic() const {
    return kHelpBase + (m_topicSource ? m_topicSource() : m_templateId);
}

void DialogSupport::ToggleHelp() {
    if (!m_helpExpansion) {
        emit helpRequested(HelpTopic());
        return;
    }
    if (m_helpShown) {
        HideHelp();
    } else {
        ShowHelp();
    }
}

void DialogSupport::ShowHelp() {
    if (m_helpPane == nullptr) {
        m_helpPane = DialogHelpPane::Make(m_window);
        if (m_helpPane == nullptr) {
            return;
        }
        m_helpPane->setObjectName("helpPane");
    }
    m_helpShown = true;
    m_window->resize(m_window->width() + kHelpPaneWidth, m_window->height());
    Arrange();
    m_helpPane->show();
    m_helpButton->setText("Help <<");
    if (auto* pane = dynamic_cast<DialogHelpPane*>(m_helpPane.data())) {
        pane->ShowTopic(HelpTopic());
    }
}

void DialogSupport::HideHelp() {
    m_helpButton->setText("Help >>");
    m_helpPane->hide();
    const int paneLeft = m_helpPane->x();
    m_helpShown = false;
    m_window->resize(paneLeft, m_window->height());
    Arrange();
}

void DialogSupport::QuickHelpForFocus() {
    const QWidget* focus = QApplication::focusWidget();
    const int id = focus != nullptr && m_window->isAncestorOf(focus) ? ControlId(focus) : 0;
    ShowQuickHelp(QuickHelpText(id), QCursor::pos(), CHelpWnd::kDefaultWidth);
}
