#include "trayicon.h"

#include "appconfig.h"
#include "autostart.h"
#include "kestaction.h"
#include "kestmessagebox.h"
#include "kittheme.h"

#include <QDir>
#include <QMenu>
#include <QSystemTrayIcon>

TrayIcon::TrayIcon(QWidget* window, const QStringList& autostartArguments, Hooks hooks)
    : m_window(window), m_autostartArguments(autostartArguments), m_hooks(std::move(hooks)) {
    m_menu = new QMenu(window);
    m_load = new KestAction(m_menu);
    m_rules = new KestAction(m_menu);
    m_autostart = new KestAction(m_menu);
    m_autostart->setCheckable(true);
    m_autostart->setChecked(autostartEnabled());
    m_quit = new KestAction(m_menu);
    m_menu->addAction(m_load);
    m_menu->addAction(m_rules);
    m_menu->addAction(m_autostart);
    m_menu->addSeparator();
    m_menu->addAction(m_quit);
    QObject::connect(m_load, &QAction::triggered, m_menu, [this] { m_hooks.showWindow(); });
    QObject::connect(m_autostart, &QAction::toggled, m_menu,
                     [this](bool on) { setStartWithDesktop(on); });
    QObject::connect(m_rules, &QAction::triggered, m_menu, [this] { m_hooks.showRules(); });
    QObject::connect(m_quit, &QAction::triggered, m_menu, [this] { m_hooks.quit(); });
    // The menu opens on the entry as it is now: the user may have removed it
    // in the desktop's own settings meanwhile.
    QObject::connect(m_menu, &QMenu::aboutToShow, m_menu, [this] {
        const QSignalBlocker block(m_autostart);
        m_autostart->setChecked(autostartEnabled());
    });
    m_icon = new QSystemTrayIcon(QIcon(skinPixmap(QStringLiteral("/skin/icon.png"))), window);
    m_icon->setContextMenu(m_menu);
    QObject::connect(m_icon, &QSystemTrayIcon::activated, m_menu,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::Trigger ||
                             reason == QSystemTrayIcon::DoubleClick)
                             m_hooks.toggleWindow();
                     });
    retranslate();
    m_icon->show();
}

bool TrayIcon::shown() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::setUnsent(bool unsent) {
    m_unsent = unsent;
    const QString product = readCurrentProductName();
    m_icon->setToolTip(unsent ? product + QLatin1Char('\n') + tr("Changes not yet on the mouse")
                              : product);
}

void TrayIcon::warn(const QString& text) {
    m_icon->showMessage(readCurrentProductName(), text, QSystemTrayIcon::Warning);
}

void TrayIcon::retranslate() {
    m_load->setText(tr("&Load Config"));
    m_rules->setText(tr("&Profiles by Application..."));
    m_autostart->setText(tr("&Start with the desktop"));
    m_quit->setText(tr("&Quit"));
    setUnsent(m_unsent);
}

void TrayIcon::setStartWithDesktop(bool on) {
    if (setAutostart(on, QCoreApplication::applicationFilePath(), m_autostartArguments)) return;
    const QSignalBlocker block(m_autostart);
    m_autostart->setChecked(autostartEnabled());
    KestMessageBox box(
        m_window, tr("Warning"),
        tr("%1 could not be saved.").arg(QDir::toNativeSeparators(autostartEntryPath())),
        KestMessageBox::Notice);
    box.exec();
}
