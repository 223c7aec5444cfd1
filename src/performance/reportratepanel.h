// The report-rate panel of the DPI tab: the rate drop-down and the lift-off
// distance.
#pragma once

#include "records.h"
#include "settingsrange.h"

#include <QCoreApplication>
#include <QWidget>
#include <iterator>

class KestAction;
class KestLabel;
class KestMenu;
class KestPushButton;
class QButtonGroup;
class QRadioButton;

struct RateText {
    quint8 code;
    const char* text;
};

// Report-rate codes in menu order.
constexpr RateText kRateTexts[] = {
    {8, QT_TRANSLATE_NOOP("ReportRatePanel", "125 HZ")},
    {4, QT_TRANSLATE_NOOP("ReportRatePanel", "250 HZ")},
    {2, QT_TRANSLATE_NOOP("ReportRatePanel", "500 HZ")},
    {1, QT_TRANSLATE_NOOP("ReportRatePanel", "1000 HZ")},
};
constexpr bool rateTextsCoverCodes() {
    if (std::size(kRateTexts) != std::size(kReportRateCodes)) return false;
    for (size_t i = 0; i < std::size(kRateTexts); ++i)
        if (kRateTexts[i].code != kReportRateCodes[i]) return false;
    return true;
}
static_assert(rateTextsCoverCodes(), "the menu offers exactly the codes loaded profiles keep to");

class ReportRatePanel : public QWidget {
    Q_OBJECT
public:
    explicit ReportRatePanel(QWidget* parent = nullptr);

    // Copies the profile; a lift other than 1 or 2 becomes 2.
    void loadProfile(const MouseProfile& profile, quint8 lift);
    void retranslate();
    void applyScale();

    quint8 pollrate() const { return m_profile.pollrate; }
    quint8 lift() const { return m_lift; }
    const MouseProfile& profile() const { return m_profile; }

    KestPushButton* rateButton() const { return m_rateButton; }
    KestAction* rateAction(int menuIndex) const;
    QRadioButton* liftButton(int id) const;

    // The translated text of a rate code, or "" for a code outside the table.
    static QString rateText(quint8 code);

signals:
    void RefreshLift(quint8 iLift);

public slots:
    void onRadioChanged();
    // Shows a lift chosen elsewhere; emits nothing.
    void setLift(quint8 lift);

private:
    void onRateChosen(QAction* action);
    void showRate();

    MouseProfile m_profile;
    quint8 m_lift = 2;
    int m_toggledLift = -1; // the lift button a toggle just sent, until its click
    KestLabel* m_rateTitle;
    KestPushButton* m_rateButton;
    KestMenu* m_menu;
    KestAction* m_actions[4];
    KestLabel* m_liftTitle;
    QButtonGroup* m_liftGroup;
    QRadioButton* m_lift1;
    QRadioButton* m_lift2;
};
