// The pages behind the window's four tabs, each built the first time its tab
// opens, kept to the edited settings; what a page asks of the window comes out
// as this object's signals.
#pragma once

#include "records.h"

#include <QList>
#include <QObject>
#include <memory>
#include <vector>

class LazyPage;
class MouseView;
class QWidget;

class TabPages : public QObject {
    Q_OBJECT
public:
    // The pages' widgets go on `window`; the CUSTOMIZE page shares `view`.
    // `desktopSpeedReachable`: the desktop's pointer speed can be set here.
    TabPages(QWidget* window, MouseView* view, DeviceSettings& edited, bool desktopSpeedReachable);
    ~TabPages() override;

    // Builds the page behind `tab` from the edited settings as they stand,
    // the other pages' edits taken in first; true when it was built now.
    bool ensure(int tab, double scale);
    bool built(int tab) const;
    // Only the page behind `tab` shows.
    void show(int tab);
    void refresh();
    void refresh(int tab);
    void collect();
    void retranslate();
    void applyScale(double scale);
    void relayout(int tab);
    void setEditable(bool editable);
    // The pages' own controls that take the Tab key, in the order they were
    // made (top to bottom); the insides of a compound control are its own.
    QList<QWidget*> focusChain() const;

signals:
    void lightingChanged();
    void macroNeeded();
    void oneClickNeeded();
    void liftChanged(quint8 lift);
    // False while the macro page records: the window holds its commands.
    void editableChanged(bool editable);
    // A page's command made something (a file, and where), for the status line.
    void done(const QString& text);

private:
    DeviceSettings& m_edited;
    std::vector<std::unique_ptr<LazyPage>> m_pages; // one per tab
};
