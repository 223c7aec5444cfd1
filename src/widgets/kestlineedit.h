// The skinned single-line text field, and the validator for the numbers typed into it.
#pragma once

#include <QIntValidator>
#include <QLineEdit>

class KestLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit KestLineEdit(QWidget* parent = nullptr);
    // Re-applies style and font after a scale or language change.
    void refreshStyle();
};

// Whole numbers typed by the user in plain digits: counts 1-255 unless given
// another range. Unlike a bare integer validator it refuses a number above the
// top, leading zeros and signs while typing, so a field is either empty, on
// its way up to the bottom, or holds a number that can be stored.
class CountValidator : public QIntValidator {
    Q_OBJECT
public:
    explicit CountValidator(QObject* parent = nullptr);
    CountValidator(int bottom, int top, QObject* parent);
    State validate(QString& input, int& pos) const override;
    // The count (1-255) a field shows, 0 when it holds none.
    static int countOf(const QString& text);
};
