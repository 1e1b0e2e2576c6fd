#include "ui/splashwindow.h"

#include "ui/objectnode.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QVBoxLayout>

namespace norvel {

SplashWindow::SplashWindow(int milliseconds, QWidget *parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , milliseconds_(milliseconds)
    , picture_(new QLabel(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    markAsForm(this);
    setProperty("Tag", QStringLiteral(".\\Img\\wSplash2_fr.jpg"));
    setModal(true);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setText(QStringLiteral("Norvel"));
    picture_->setFixedSize(450, 338);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture_);
    TranslateForm(static_cast<QObject *>(this));
}

void SplashWindow::setPicture(const QImage &image)
{
    picture_->setPixmap(QPixmap::fromImage(image).scaled(picture_->size(), Qt::KeepAspectRatio,
                                                         Qt::SmoothTransformation));
}

void SplashWindow::showUntilTimeout()
{
    QTimer::singleShot(milliseconds_, this, &QDialog::accept);
    exec();
}

} // namespace norvel
