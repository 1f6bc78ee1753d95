#pragma once

#include <QLabel>

// The last pane of the status bar: "CAP" while Caps Lock is on. The toolkit
// offers no portable way to ask for the lock's state, so it is read from the
// typed letters: a capital typed without Shift (or a small one with Shift)
// means the lock is on.
class CCapsLockIndicator : public QLabel {
    Q_OBJECT
public:
    explicit CCapsLockIndicator(QWidget* parent = nullptr);

    bool IsOn() const { return m_on; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetOn(bool on);

    bool m_on = false;
};
