// Whether the settings the window shows are on the mouse: looked at again
// after anything that may have changed them, and shown where the user looks
// (Apply, the tray's tooltip).
#pragma once

#include <QObject>
#include <functional>

class QWidget;

class UnsentMark : public QObject {
    Q_OBJECT
public:
    // `unsent` answers whether the edited settings differ from what the mouse
    // holds; it is asked after each click, key or wheel turn in `window` and
    // its children, and at every recheck().
    UnsentMark(QWidget* window, std::function<bool()> unsent);

    bool isOn() const { return m_on; }
    // Looks again once control returns to the event loop (a load, a write,
    // another writer's change); several calls make one look.
    void recheck();

signals:
    void changed(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void look();

    std::function<bool()> m_unsent;
    bool m_on = false;
    bool m_queued = false;
};
