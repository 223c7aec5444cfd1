// The profile commands of the window (choose, add, copy, rename, delete, reset,
// export and import of profiles and of the whole configuration) on the edited
// and sent settings and the profile list. It asks nothing and picks no file:
// the window asks the questions, chooses the paths and shows the outcome.
#pragma once

#include "records.h"

#include <QString>
#include <QStringList>

class ProfileController {
public:
    // What a command did, for the window to show.
    struct Outcome {
        enum class Write { None, Changes, Everything };
        // The notice for the user (untranslated, in the window's catalogue);
        // with `done` false nothing changed.
        QString notice;
        // The command went through: the name field shows the binding again
        // and the profile menu is rebuilt.
        bool done = false;
        // The current profile was read anew: the pages show it.
        bool reloaded = false;
        // Refused, and the name field goes back to the binding.
        bool nameReset = false;
        Write write = Write::None;
    };

    // The three are the window's and outlive the controller.
    ProfileController(DeviceSettings& edited, DeviceSettings& sent, QStringList& list);

    // The name the current on-mouse profile is bound to.
    QString boundName() const;

    // Binds the current profile to a library name and loads it (refused when
    // another on-mouse profile holds the name).
    Outcome choose(const QString& name);
    Outcome add();
    Outcome copy();
    // `byEnter`: the name field's Enter refuses the default names and saves
    // the bindings; the apply button does neither.
    Outcome rename(const QString& to, bool byEnter);
    // Whether `name` may be deleted, asked before the user is.
    Outcome checkRemovable(const QString& name) const;
    Outcome remove(const QString& name);
    // The current profile, or all five, back to the defaults.
    Outcome reset();
    Outcome resetAll();
    Outcome exportProfile(const QString& path);
    Outcome importProfile(const QString& path);
    Outcome exportConfig(const QString& path) const;
    // Another product's file is ignored without a word.
    Outcome importConfig(const QString& path);

private:
    QStringList otherBindings() const;
    void bind(const QString& name);
    static Outcome refused(const QString& notice);

    DeviceSettings& m_edited;
    DeviceSettings& m_sent;
    QStringList& m_list;
};
