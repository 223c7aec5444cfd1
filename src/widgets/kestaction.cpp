#include "kestaction.h"

#include "kittheme.h"

KestAction::KestAction(QObject* parent) : KestAction(QString(), parent) {}

KestAction::KestAction(const QString& text, QObject* parent) : QAction(text, parent) {
    applyFont();
    // A text change re-applies the font so a retranslated action never falls
    // back to the menu default; setFont ignores an unchanged font, so this
    // cannot loop.
    connect(this, &QAction::changed, this, &KestAction::applyFont);
}

void KestAction::refreshFont() {
    applyFont();
}

void KestAction::applyFont() {
    setFont(kitFont());
}
