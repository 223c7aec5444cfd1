// Switches the on-mouse profile with the application in front, by the
// user's rules: holds the rules for the window, writes each edit to their
// file at once, and asks for a switch only when one is due and allowed.
#pragma once

#include "appprofiles.h"
#include "focuswatch.h"

#include <QObject>
#include <QStringList>

class AppFollower : public QObject {
    Q_OBJECT
public:
    explicit AppFollower(QObject* parent = nullptr);
    ~AppFollower() override;

    // Reads the rules (a damaged file is set aside and noted) and starts
    // the focus source.
    void start();

    const AppProfiles& rules() const { return m_rules; }
    // Edits, each written to the rules file at once. nullptr when done,
    // else the problem (untranslated, context "AppProfiles").
    const char* setRule(const QString& app, int profile);
    const char* removeRule(const QString& app);
    const char* setDefaultProfile(int profile); // 0-4 or kLeaveProfile
    const char* setEnabled(bool on);

    FocusWatch* focus() const { return m_focus; }
    // Normalised ids of the applications with a window now, sorted.
    QStringList runningApps() const;
    // The application in front, as last told.
    const FocusedApp& inFront() const { return m_inFront; }

    // While held (unapplied edits, a write running, the mouse lent to the
    // tool, no mouse), switching waits; on release the latest focus counts.
    void setHeld(bool held);
    // The profile now on the mouse, as the window knows it (0-4, -1 unknown).
    void setMouseProfile(int profile);
    // The switch asked for last has ended; a failed one is tried again on
    // the next release or focus change, never in a loop.
    void switchFinished(bool ok);

signals:
    void rulesChanged();
    // Select this on-mouse profile (0-4) as the profile menu does.
    void switchRequested(int profile);

private:
    void onFocus(const FocusedApp& app);
    void decide();
    const char* save(const AppProfiles& next);

    FocusWatch* m_focus;
    AppProfiles m_rules;
    FocusedApp m_inFront;
    bool m_held = false;
    bool m_due = false;      // a focus or rule change not yet acted on
    bool m_inFlight = false; // a switch asked for and not yet ended
    bool m_retry = false;    // the last switch failed: again on the next release
    int m_target = -1;       // the profile of that switch
    int m_mouseProfile = -1;
};
