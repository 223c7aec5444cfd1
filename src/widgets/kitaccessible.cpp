#include "kitaccessible.h"

#include "kestpushbutton.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

namespace {

constexpr char kLabelProperty[] = "kitAccessibleLabel";
constexpr char kRoleProperty[] = "kitAccessibleRole";
constexpr char kFollowsValueProperty[] = "kitAccessibleNameFollowsValue";
constexpr char kValueMapName[] = "kitAccessibleValueMap";

// Lives as the slider's child, so the map goes with it.
class ValueMapHolder : public QObject {
public:
    ValueMapHolder(const KitValueMap& valueMap, QObject* parent) : QObject(parent), map(valueMap) {
        setObjectName(QLatin1String(kValueMapName));
    }
    KitValueMap map;
};

ValueMapHolder* holderOf(const QAbstractSlider* slider) {
    return dynamic_cast<ValueMapHolder*>(
        slider->findChild<QObject*>(QLatin1String(kValueMapName), Qt::FindDirectChildrenOnly));
}

const KitValueMap* valueMapOf(const QAbstractSlider* slider) {
    const ValueMapHolder* holder = holderOf(slider);
    return holder && holder->map.toUnit && holder->map.toPosition ? &holder->map : nullptr;
}

QString withoutMnemonic(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// The kit's push buttons: a menu button reads as a combo box, a button of an
// exclusive group as a page tab, a checkable one as a check box.
class KitButtonAccessible : public QAccessibleWidget {
public:
    explicit KitButtonAccessible(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QAccessible::Role role() const override {
        const QVariant given = widget()->property(kRoleProperty);
        if (given.isValid()) return static_cast<QAccessible::Role>(given.toInt());
        if (menu()) return QAccessible::ComboBox;
        if (isTab()) return QAccessible::PageTab;
        if (button()->isCheckable()) return QAccessible::CheckBox;
        return QAccessible::Button;
    }

    QAccessible::State state() const override {
        QAccessible::State st = QAccessibleWidget::state();
        QAbstractButton* b = button();
        if (b->isCheckable()) {
            st.checkable = true;
            st.checked = b->isChecked();
            if (isTab()) {
                st.selectable = true;
                st.selected = b->isChecked();
            }
        }
        // One of a row that shows the choice by its look alone.
        auto* kest = qobject_cast<KestPushButton*>(b);
        if (kest && role() == QAccessible::RadioButton) {
            st.checkable = true;
            st.checked = kest->isSelected();
        }
        if (b->isDown()) st.pressed = true;
        if (menu()) st.hasPopup = true;
        return st;
    }

    QString text(QAccessible::Text t) const override {
        const QWidget* w = widget();
        if (t == QAccessible::Name) {
            if (!w->accessibleName().isEmpty()) return w->accessibleName();
            const QString shown = withoutMnemonic(button()->text());
            const QString pattern = accessibleLabel(w);
            if (pattern.contains(QLatin1String("%1"))) return pattern.arg(shown);
            if (!pattern.isEmpty() && menu() && !shown.isEmpty())
                return QCoreApplication::translate("KitAccessible", "%1: %2").arg(pattern, shown);
            if (!pattern.isEmpty()) return pattern;
            return shown.isEmpty() ? w->toolTip() : shown;
        }
        if (t == QAccessible::Description) {
            if (!w->accessibleDescription().isEmpty()) return w->accessibleDescription();
            return w->toolTip() == text(QAccessible::Name) ? QString() : w->toolTip();
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        QStringList names;
        if (widget()->isEnabled() && role() != QAccessible::Graphic) {
            if (menu())
                names << showMenuAction();
            else if (button()->isCheckable() && !isTab())
                names << toggleAction();
            else
                names << pressAction();
        }
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override {
        QAbstractButton* b = button();
        if (!b->isEnabled() || !actionNames().contains(name)) return;
        if (name == showMenuAction()) {
            // The owner learns which button opens the shared menu, as on a press.
            if (auto* k = qobject_cast<KestPushButton*>(b)) k->announcePress();
            // The menu runs a loop of its own: started from the event loop,
            // after the tool's call has had its answer.
            auto* push = static_cast<QPushButton*>(b);
            QTimer::singleShot(0, push, [push] {
                if (push->isVisible() && push->isEnabled() && push->menu()) push->showMenu();
            });
        } else if (name == pressAction() && isTab()) {
            b->click(); // a tab switches at once, so its state reads true on return
        } else if (name == pressAction() || name == toggleAction()) {
            // A click may open a modal dialog; it must not hold the tool's call.
            QTimer::singleShot(0, b, [b] {
                if (b->isVisible() && b->isEnabled()) b->click();
            });
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

    // The open menu belongs to the button that opened it (held down while it
    // is open), so a tool finds its entries under that very button.
    int childCount() const override { return openMenu() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        QMenu* m = openMenu();
        return m && index == 0 ? QAccessible::queryAccessibleInterface(m) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        QMenu* m = openMenu();
        return m && child && child->object() == m ? 0 : -1;
    }

private:
    QMenu* openMenu() const {
        QMenu* m = menu();
        return m && m->isVisible() && button()->isDown() ? m : nullptr;
    }
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
    QMenu* menu() const {
        const auto* push = qobject_cast<const QPushButton*>(widget());
        return push ? push->menu() : nullptr;
    }
    bool isTab() const {
        const QButtonGroup* g = button()->group();
        return button()->isCheckable() && g && g->exclusive();
    }
};

// A slider that speaks in its unit when it has a value map.
class KitSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit KitSliderAccessible(QAbstractSlider* slider)
        : QAccessibleWidget(slider, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return QString::number(accessibleValue(slider()));
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            const QString pattern = accessibleLabel(widget());
            return pattern.contains(QLatin1String("%1")) ? pattern.arg(accessibleValue(slider()))
                                                         : pattern;
        }
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return accessibleValue(slider()); }
    void setCurrentValue(const QVariant& value) override {
        QAbstractSlider* s = slider();
        if (!s->isEnabled()) return;
        const KitValueMap* map = valueMapOf(s);
        const int pos = map ? map->toPosition(value.toInt()) : value.toInt();
        // Through setValue, as a drag or an arrow key ends, so listeners see an edit.
        s->setValue(qBound(s->minimum(), pos, s->maximum()));
    }
    QVariant maximumValue() const override {
        return qMax(unitAt(slider()->minimum()), unitAt(slider()->maximum()));
    }
    QVariant minimumValue() const override {
        return qMin(unitAt(slider()->minimum()), unitAt(slider()->maximum()));
    }
    QVariant minimumStepSize() const override {
        const QAbstractSlider* s = slider();
        if (s->maximum() <= s->minimum()) return 1;
        return qMax(1, qAbs(unitAt(s->minimum() + s->singleStep()) - unitAt(s->minimum())));
    }

    QStringList actionNames() const override {
        QStringList names;
        if (widget()->isEnabled()) names << increaseAction() << decreaseAction();
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        QAbstractSlider* s = slider();
        if (name == increaseAction() && s->isEnabled())
            s->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        else if (name == decreaseAction() && s->isEnabled())
            s->triggerAction(QAbstractSlider::SliderSingleStepSub);
        else
            QAccessibleWidget::doAction(name);
    }

private:
    QAbstractSlider* slider() const { return static_cast<QAbstractSlider*>(widget()); }
    int unitAt(int position) const {
        const KitValueMap* map = valueMapOf(slider());
        return map ? map->toUnit(position) : position;
    }
};

// A plain widget that draws a control; a button presses as the Space key.
class KitDrawnAccessible : public QAccessibleWidget {
public:
    KitDrawnAccessible(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QStringList actionNames() const override {
        QStringList names;
        if (role() == QAccessible::Button && widget()->isEnabled()) names << pressAction();
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name != pressAction() || role() != QAccessible::Button) {
            QAccessibleWidget::doAction(name);
            return;
        }
        // Posted, so a dialog it opens does not hold the tool's call.
        QWidget* w = widget();
        if (!w->isEnabled()) return;
        QCoreApplication::postEvent(
            w, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")));
        QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space,
                                                     Qt::NoModifier, QStringLiteral(" ")));
    }
};

QAccessibleInterface* kitFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (className == QLatin1String("KestPushButton"))
        return new KitButtonAccessible(static_cast<QAbstractButton*>(w));
    const QVariant role = w->property(kRoleProperty);
    if (role.isValid())
        return new KitDrawnAccessible(w, static_cast<QAccessible::Role>(role.toInt()));
    if (className == QLatin1String("KestSlider"))
        return new KitSliderAccessible(static_cast<QAbstractSlider*>(w));
    // A frameless main window is a window, not a "filler"; dialogs and
    // menus keep the roles Qt gives them.
    if (className == QLatin1String(object->metaObject()->className()) && w->isWindow() &&
        w->windowType() == Qt::Window && !object->inherits("QDialog") &&
        !object->inherits("QMainWindow") && !object->inherits("QMenu"))
        return new QAccessibleWidget(w, QAccessible::Window);
    return nullptr;
}

} // namespace

void installKitAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(kitFactory);
}

void setAccessibleRole(QWidget* widget, QAccessible::Role role) {
    if (widget) widget->setProperty(kRoleProperty, int(role));
}

void setAccessibleLabel(QWidget* widget, const QString& pattern) {
    if (!widget || widget->property(kLabelProperty).toString() == pattern) return;
    widget->setProperty(kLabelProperty, pattern);
    auto* slider = qobject_cast<QAbstractSlider*>(widget);
    if (slider && pattern.contains(QLatin1String("%1")) &&
        !slider->property(kFollowsValueProperty).toBool()) {
        slider->setProperty(kFollowsValueProperty, true);
        QObject::connect(slider, &QAbstractSlider::valueChanged, slider,
                         [slider] { notifyAccessibleName(slider); });
    }
    notifyAccessibleName(widget);
}

QString accessibleLabel(const QWidget* widget) {
    return widget ? widget->property(kLabelProperty).toString() : QString();
}

void setAccessibleValueMap(QAbstractSlider* slider, const KitValueMap& map) {
    if (!slider) return;
    delete holderOf(slider);
    new ValueMapHolder(map, slider);
}

int accessibleValue(const QAbstractSlider* slider) {
    const KitValueMap* map = valueMapOf(slider);
    return map ? map->toUnit(slider->value()) : slider->value();
}

void notifyAccessibleName(QWidget* widget) {
    if (!widget || !QAccessible::isActive()) return;
    QAccessibleEvent event(widget, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}
