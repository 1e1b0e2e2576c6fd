#include "app/mainwindow.h"

#include "app/appstate.h"
#include "app/dialogs.h"
#include "app/mainmenu.h"
#include "app/shutdown.h"
#include "lang/language.h"
#include "lang/objectnode.h"
#include "lang/province.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QPainter>
#include <QScreen>

namespace norvel {

namespace {

// The work area is covered by the language's picture, centred.
class Workspace : public QMdiArea {
public:
    using QMdiArea::QMdiArea;
    void setPicture(const QImage &image)
    {
        picture_ = image;
        viewport()->update();
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QMdiArea::paintEvent(event);
        if (picture_.isNull())
            return;
        QPainter painter(viewport());
        const QSize size =
            picture_.size().scaled(viewport()->size(), Qt::KeepAspectRatioByExpanding);
        QRect target(QPoint(), size);
        target.moveCenter(viewport()->rect().center());
        painter.drawImage(target, picture_);
    }

private:
    QImage picture_;
};

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , area_(new Workspace(this))
{
    setObjectName(QStringLiteral("frmMDI"));
    markAsForm(this);
    setWindowTitle(QStringLiteral("Norvel"));
    setProperty("Tag", QStringLiteral(".\\Data\\wBackground_fr.jpg"));
    area_->setBackground(palette().brush(QPalette::Dark));
    setCentralWidget(area_);
    buildMainMenu(this);

    connect(item("indQuitter"), &QAction::triggered, this, &QWidget::close);
    connect(item("indProvQuebec"), &QAction::triggered, this,
            [this] { switchProvince(QStringLiteral("quebec")); });
    connect(item("indProvOntario"), &QAction::triggered, this,
            [this] { switchProvince(QStringLiteral("ontario")); });
    connect(item("indLangFrancais"), &QAction::triggered, this,
            [] { ChangeLanguage(QLatin1String(kFrenchFile)); });
    connect(item("indLangAnglais"), &QAction::triggered, this,
            [] { ChangeLanguage(QLatin1String(kEnglishFile)); });
    connect(item("indSommaire"), &QAction::triggered, this, &MainWindow::showHelpNotice);
}

QAction *MainWindow::item(const char *name) const
{
    return findChild<QAction *>(QLatin1String(name));
}

void MainWindow::load()
{
    AppState &state = appState();
    ApplyProvinceMenus(this, QString());
    TranslateForm(static_cast<QObject *>(this));
    state.saveCancelled = false;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    state.modified = false;
}

void MainWindow::setPicture(const QImage &image)
{
    static_cast<Workspace *>(area_)->setPicture(image);
}

void MainWindow::switchProvince(const QString &province)
{
    SetProvince(province);
    ApplyProvinceMenus(this, QString());
    ChangeLanguage(QString());
}

void MainWindow::showHelpNotice()
{
    if (Dialogs *dialogs = appState().dialogs)
        dialogs->tell(
            GetLangString(QStringLiteral("frmMDI-Msg"), QStringLiteral("ConsulBrochSpecPoli")),
            GetLangString(QStringLiteral("frmMDI-Msg"), QStringLiteral("Aide")),
            Dialogs::Icon::Information);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The quote form, once it exists here, may still refuse to close.
    if (QWidget *form = appState().quoteForm; form && !form->close()) {
        event->ignore();
        return;
    }
    event->accept();
    FermerBasesEtQuitter();
}

} // namespace norvel
