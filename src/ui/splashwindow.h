#pragma once

#include <QDialog>
#include <QImage>

class QLabel;

namespace norvel {

// frmSplash: the product picture, shown modally at start-up until its timer closes it.
class SplashWindow : public QDialog {
    Q_OBJECT
public:
    explicit SplashWindow(int milliseconds = 1500, QWidget *parent = nullptr);

    // Shows the window until the timer has run out.
    void showUntilTimeout();

    Q_INVOKABLE void setPicture(const QImage &image);

private:
    int milliseconds_;
    QLabel *picture_;
};

} // namespace norvel
