#include "kestlineedit.h"

#include "kittheme.h"

KestLineEdit::KestLineEdit(QWidget* parent) : QLineEdit(parent) {
    setContextMenuPolicy(Qt::NoContextMenu);
    refreshStyle();
}

void KestLineEdit::refreshStyle() {
    applyKitStyleSheet();
    setFont(kitFont());
}

CountValidator::CountValidator(QObject* parent) : QIntValidator(1, 255, parent) {}

CountValidator::CountValidator(int bottom, int top, QObject* parent)
    : QIntValidator(bottom, top, parent) {}

QValidator::State CountValidator::validate(QString& input, int&) const {
    if (input.isEmpty()) return Intermediate;
    // Longer than the top is refused before it is read, so a pasted run of
    // digits cannot overflow.
    if (input.size() > QString::number(top()).size()) return Invalid;
    for (const QChar c : input)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return Invalid;
    // "0" only where it is a value; never as a leading zero.
    if (input.at(0) == QLatin1Char('0') && (input.size() > 1 || bottom() > 0)) return Invalid;
    const qint64 value = input.toLongLong();
    if (value > top()) return Invalid;
    return value < bottom() ? Intermediate : Acceptable;
}

int CountValidator::countOf(const QString& text) {
    QString copy = text;
    int pos = 0;
    return CountValidator().validate(copy, pos) == Acceptable ? text.toInt() : 0;
}
