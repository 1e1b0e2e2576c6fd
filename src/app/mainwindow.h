#pragma once

#include <QImage>
#include <QMainWindow>

class QAction;
class QMdiArea;

namespace norvel {

// frmMDI: the frame of the program, a multiple-document window with the menus.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    // The load sequence: menus for the province, translation, size to the work area.
    void load();

    QAction *item(const char *name) const;
    QMdiArea *workspace() const { return area_; }

    // The background picture the language file names.
    Q_INVOKABLE void setPicture(const QImage &image);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void switchProvince(const QString &province);
    void showHelpNotice();

    QMdiArea *area_;
};

} // namespace norvel
