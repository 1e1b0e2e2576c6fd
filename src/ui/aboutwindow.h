#pragma once

#include <QDialog>

class QLabel;

namespace norvel {

// frmApropos: product name, version line, copyright and company. Loaded afresh at each
// opening, so it always shows the current language and province.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);

    QLabel *lblLigne[4];
};

} // namespace norvel
