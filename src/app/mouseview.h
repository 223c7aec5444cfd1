// The mouse picture of the LIGHTING and CUSTOMIZE tabs: front and side views,
// the lights tinted as the lighting sends them, and the markers that point at
// the mouse's buttons.
#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QString>
#include <QVector>

class KestLabel;
struct DeviceSettings;
class KestPushButton;
class QWidget;

class MouseView : public QObject {
    Q_OBJECT
public:
    enum class Mode { Hidden, Lighting, Customize };
    enum Group { FrontGroup = 0, SideGroup = 1, WheelGroup = 2 };

    // Where a marker points: the record of its button (-1 for none) and what
    // that button does.
    struct Target {
        int record = -1;
        QString label;
    };
    // One per marker, in marker order; a front marker without a record is not shown.
    struct Targets {
        QVector<Target> front, side, wheel;
    };

    static constexpr int kFrontMarkers = 20;
    static constexpr int kSideMarkers = 2;

    // The picture, the Front and Side buttons and the markers are made as
    // children of `host`, placed by their "logicalRect" like its own controls.
    explicit MouseView(QWidget* host);

    KestPushButton* frontButton() const { return m_frontButton; }
    KestPushButton* sideButton() const { return m_sideButton; }

    // The tab shown decides where the picture sits and what comes with it.
    void show(Mode mode);
    // Decodes the pictures for the tab shown (none while hidden; LIGHTING not
    // before the window's first paint).
    void reload();
    // The window painted for the first time: LIGHTING may load its picture.
    void windowPainted();
    // The front view shows its lights in the lighting Apply sends.
    void setLighting(const DeviceSettings& edited);
    void setTargets(const Targets& targets);
    // The wheel markers' art, which differs by product.
    void applyButtonArt();
    // Front view, first marker of each group: how another mouse starts.
    void resetView();
    void showFront(bool front);
    // Draws marker `index` of `group` selected and the others of the group not.
    void select(int index, int group);
    // A button row under the pointer lights the marker of its record.
    void hoverRecord(int record, bool on);

    bool frontShown() const { return m_front; }

signals:
    // A marker was clicked: the button it points at wants its menu.
    void markerClicked(int record);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KestPushButton* makeButton(const QString& name, const QStringList& images, const QRect& rect);
    void hoverMarker(KestPushButton* marker, bool on);
    void onMarkerClicked(KestPushButton* marker);
    int recordOf(const KestPushButton* marker) const;
    void applyVisibility();
    bool pointsAtButton(int frontMarker) const;
    void setImage(const QString& file);

    QWidget* m_host;
    KestLabel* m_image;
    KestPushButton* m_frontButton;
    KestPushButton* m_sideButton;
    QList<KestPushButton*> m_groups[3];
    Targets m_targets;
    int m_productButtons = 0;
    Mode m_mode = Mode::Hidden;
    bool m_front = true;
    bool m_painted = false;
    bool m_stale = true; // the picture waits for its tab
    bool m_lit = false;  // the product has lighting for the front view to show
    int m_ledMode = 0;
    QColor m_colour;
    QString m_file; // the picture shown
    int m_selected[3] = {0, 0, 0};
};
