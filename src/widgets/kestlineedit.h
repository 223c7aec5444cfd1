// The skinned single-line text field.
#pragma once

#include <QLineEdit>

class KestLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit KestLineEdit(QWidget* parent = nullptr);
    // Re-applies style and font after a scale or language change.
    void refreshStyle();
};
