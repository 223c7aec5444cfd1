// The program's modal message box: a skinned frameless dialog with a title,
// an icon, a text and Yes/No (questions), Apply/Discard/Stay or a single Ok.
#pragma once

#include "kestdialogframe.h"

#include <functional>

class KestLabel;
class KestPushButton;

class KestMessageBox : public KestDialogFrame {
    Q_OBJECT
public:
    enum Kind {
        Question = 1,   // "Yes" accepts, "No" rejects
        Notice = 2,     // one "Ok"
        Disconnect = 4, // one "Ok"; accepts itself once a mouse is connected
        // "Apply" accepts, "Discard" ends with kDiscarded, "Stay" rejects.
        ApplyDiscardStay = 5,
    };
    static constexpr int kDiscarded = 2;
    // Logical size before the display scale.
    static constexpr int kWidth = 380;
    static constexpr int kHeight = 190;
    KestMessageBox(QWidget* parent, const QString& title, const QString& text, int kind);

    int kind() const { return m_kind; }
    QString title() const;
    QString text() const;
    // The accepting button ("Yes" or "Ok") and the rejecting one (null unless
    // the box asks a question).
    KestPushButton* acceptButton() const { return m_accept; }
    KestPushButton* rejectButton() const { return m_reject; }
    // "Discard" of ApplyDiscardStay, else null.
    KestPushButton* discardButton() const { return m_discard; }
    // One more button, left of the others and as wide as its text needs;
    // clicking it ends the box with `result`.
    KestPushButton* addButton(const QString& text, int result);
    void setIconImage(const QString& name);
    // Lets the user select and copy the text.
    void setTextSelectable(bool selectable);

    // For the disconnect warning: asked when the box shows and at each
    // recheckConnection(); the box accepts itself the first time it answers
    // true. Nothing polls: the owner calls recheckConnection on a device event.
    void setConnectionProbe(std::function<bool()> probe);
    void recheckConnection();
    bool acceptedByProbe() const { return m_acceptedByProbe; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void layoutContents();

    int m_kind;
    KestLabel* m_title;
    KestLabel* m_icon;
    KestLabel* m_text;
    KestPushButton* m_accept = nullptr;
    KestPushButton* m_reject = nullptr;
    KestPushButton* m_discard = nullptr;
    QList<KestPushButton*> m_extra;
    std::function<bool()> m_probe;
    bool m_acceptedByProbe = false;
};
