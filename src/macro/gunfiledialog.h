// The gun file dialog: a recoil pattern of up to five shots, each a fresh left
// click, a pointer correction and a pause, turned into the steps of a macro.
#pragma once

#include "kestdialogframe.h"
#include "macrofile.h"

#include <QString>
#include <vector>

class KestAction;
class KestLabel;
class KestLineEdit;
class KestMenu;
class KestPushButton;
class QSpinBox;

// One shot as the dialog's row holds it; moves are positive down and right.
struct GunShot {
    int delayMs = 100;
    int vertical = 0;
    int horizontal = 0;
};

constexpr int kMaxGunShots = 5;
// What the dialog's fields accept; gunSteps clamps to them as well, so steps
// built from other values never hold a move or delay the dialog cannot show.
constexpr int kGunMinDelayMs = 1;
constexpr int kGunMaxDelayMs = 999;
constexpr int kGunMaxMove = 100;
// A gun file's delays always count tens of milliseconds, whatever unit the
// editor is set to.
constexpr int kGunDelayUnitMs = 10;

// Per shot: left release, left press, the vertical move, the horizontal move,
// the delay; moves of 0 and a delay of 0 add no step.
std::vector<MacroStep> gunSteps(const std::vector<GunShot>& shots);

class GunFileDialog : public KestDialogFrame {
    Q_OBJECT
public:
    GunFileDialog(QWidget* parent, double scale);

    // The accepted name and the steps built from the rows; empty until "OK"
    // has accepted the dialog.
    QString name() const { return m_name; }
    std::vector<MacroStep> steps() const { return m_steps; }

    int shotCount() const { return m_shotCount; }
    // Clamped to 1-5; rows past the count are disabled and their bullets dimmed.
    void setShotCount(int count);
    // The first shotCount() rows as they stand.
    std::vector<GunShot> shots() const;
    // Index 0-4; values outside a field's range are clamped by the field.
    void setShot(int index, const GunShot& shot);
    void setFileName(const QString& name);

    KestLineEdit* nameEdit() const { return m_nameEdit; }
    KestPushButton* bulletsButton() const { return m_bullets; }
    KestMenu* bulletsMenu() const { return m_menu; }
    KestLabel* bulletImage(int index) const { return m_rows[index].bullet; }
    QSpinBox* delaySpin(int index) const { return m_rows[index].delay; }
    QSpinBox* verticalSpin(int index) const { return m_rows[index].vertical; }
    QSpinBox* horizontalSpin(int index) const { return m_rows[index].horizontal; }
    KestPushButton* yesButton() const { return m_yes; }
    KestPushButton* noButton() const { return m_no; }
    QString heading() const;

public slots:
    void OnYesClick();

protected:
    void changeEvent(QEvent* event) override;

private:
    struct Row {
        KestLabel* number;
        KestLabel* bullet;
        QSpinBox* delay;
        QSpinBox* vertical;
        QSpinBox* horizontal;
    };

    void place(QWidget* widget, int x, int y, int w, int h) const;
    void applyFonts();
    void retranslate();
    void warn(const QString& text);

    KestLabel* m_title;
    KestLabel* m_nameLabel;
    KestLineEdit* m_nameEdit;
    KestPushButton* m_bullets;
    KestMenu* m_menu;
    KestAction* m_counts[kMaxGunShots];
    KestLabel* m_delayHeading;
    KestLabel* m_verticalHeading;
    KestLabel* m_horizontalHeading;
    Row m_rows[kMaxGunShots];
    KestPushButton* m_yes;
    KestPushButton* m_no;
    int m_shotCount = 1;
    QString m_name;
    std::vector<MacroStep> m_steps;
};
