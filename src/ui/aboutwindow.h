#pragma once

#include <QDialog>

class QLabel;

namespace norvel {

// frmApropos: product name, version line, copyright, company and the rates in use. Loaded afresh at
// each opening, so it always shows the current language and province.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);

    QLabel *lblLigne[5];
};

} // namespace norvel
