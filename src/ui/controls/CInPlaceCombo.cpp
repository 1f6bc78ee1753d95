#include "ui/controls/CInPlaceCombo.h"

#include "ui/controls/CGridEx.h"
#include "ui/controls/GridEditKeys.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

CInPlaceCombo::CInPlaceCombo(CGridEx& grid, int row, int column, const GridComboRequest& request,
                             const QString& cellText)
    : QComboBox(grid.viewport()), m_grid(grid), m_row(row), m_column(column), m_dropListOnly(request.m_dropListOnly) {
    setObjectName("inPlaceCombo");
    setFont(grid.font());
    setEditable(!request.m_dropListOnly);
    setInsertPolicy(QComboBox::NoInsert);
    QStringList entries = request.m_entries;
    if (request.m_sorted) {
        entries.sort(Qt::CaseInsensitive);
    }
    addItems(entries);
    Select(request.m_selection, cellText);
    // Installed after the popup's own filter, so this one sees Escape first.
    view()->installEventFilter(this);
}

void CInPlaceCombo::Select(int selection, const QString& cellText) {
    if (selection >= 0) {
        setCurrentIndex(selection < count() ? selection : -1);
        return;
    }
    const int found = findText(cellText, Qt::MatchExactly | Qt::MatchCaseSensitive);
    setCurrentIndex(found);
    if (found < 0 && isEditable()) {
        setEditText(cellText);
    }
}

void CInPlaceCombo::Start() {
    setFocus(Qt::OtherFocusReason);
    if (m_dropListOnly) {
        showPopup();
    }
}

void CInPlaceCombo::hidePopup() {
    QComboBox::hidePopup();
    // The list closes before it makes the chosen entry current, so the edit
    // ends once that has happened.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_escaped) {
                CloseSilently();
                return;
            }
            Commit();
        },
        Qt::QueuedConnection);
}

bool CInPlaceCombo::event(QEvent* event) {
    if (GridEditKeys::TakeShortcutOverride(*event)) {
        return true;
    }
    if (const auto move = GridEditKeys::TabMove(*event)) {
        CommitAndMove(*move);
        return true;
    }
    return QComboBox::event(event);
}

bool CInPlaceCombo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        m_escaped = true;
    }
    // Tab in the dropped list takes the highlighted entry and moves on, as it
    // does with the list closed.
    if (const auto move = GridEditKeys::TabMove(*event); move && watched == view()) {
        setCurrentIndex(view()->currentIndex().row());
        QComboBox::hidePopup();
        CommitAndMove(*move);
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

void CInPlaceCombo::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        m_escaped = true;
        CloseSilently();
        return;
    }
    if (GridEditKeys::IsEnter(*event)) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void CInPlaceCombo::keyReleaseEvent(QKeyEvent* event) {
    if (GridEditKeys::IsEnter(*event) && !event->isAutoRepeat()) {
        Commit();
        return;
    }
    QComboBox::keyReleaseEvent(event);
}

void CInPlaceCombo::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    // The list's own popup takes the focus while it is down.
    if (event->reason() == Qt::PopupFocusReason || view()->isVisible()) {
        return;
    }
    if (m_escaped) {
        CloseSilently();
        return;
    }
    Commit();
}

void CInPlaceCombo::Close() {
    m_finished = true;
    if (hasFocus()) {
        m_grid.setFocus(Qt::OtherFocusReason);
    }
    hide();
    deleteLater();
}

void CInPlaceCombo::CloseSilently() {
    if (!m_finished) {
        Close();
    }
}

void CInPlaceCombo::Commit() {
    if (m_finished) {
        return;
    }
    GridEditResult result;
    result.m_row = m_row;
    result.m_column = m_column;
    result.m_text = currentText();
    result.m_listIndex = findText(result.m_text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    Close();
    m_grid.EndEdit(result);
}

void CInPlaceCombo::CommitAndMove(GridEditMove move) {
    Commit();
    m_grid.MoveEdit(m_row, m_column, move);
}
