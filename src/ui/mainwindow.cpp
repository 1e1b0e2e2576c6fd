#include "ui/mainwindow.h"

#include "domain/language.h"
#include "domain/productdocuments.h"
#include "ui/aboutwindow.h"
#include "ui/brokerwindow.h"
#include "ui/dialogs.h"
#include "ui/filecommands.h"
#include "ui/langstring.h"
#include "ui/livepremiumline.h"
#include "ui/mainmenu.h"
#include "ui/objectnode.h"
#include "ui/pdfreader.h"
#include "ui/pendingpicture.h"
#include "ui/programcontext.h"
#include "ui/province.h"
#include "ui/quotecommand.h"
#include "ui/quoteform.h"
#include "ui/recentillustrations.h"
#include "ui/reportpreview.h"
#include "ui/shutdown.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>

namespace norvel {

namespace {

// The work area is covered by the language's picture, centred. The picture is decoded while
// the window builds itself and taken at the first paint that needs it.
class Workspace : public QMdiArea {
public:
    using QMdiArea::QMdiArea;
    void setPictureFile(const QString &file)
    {
        pending_ = PendingPicture(file);
        viewport()->update();
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QMdiArea::paintEvent(event);
        // A picture that cannot be read leaves the one shown.
        if (pending_.isPending())
            if (const QImage image = pending_.take(); !image.isNull())
                picture_ = image;
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
    PendingPicture pending_;
    QImage picture_;
};

// The File menu's item of the recent illustration `index` (from 0).
QByteArray recentItem(int index)
{
    return "indRecent" + QByteArray::number(index + 1);
}

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
    // A form larger than the screen leaves the rest of itself a scroll away, never out of reach.
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    focusFollower_ = connect(qApp, &QApplication::focusChanged, this,
                             [this](QWidget *, QWidget *now) { scrollTo(now); });
    setCentralWidget(area_);
    buildMainMenu(this);

    connect(item("indQuitter"), &QAction::triggered, this, &QWidget::close);
    connect(item("indProvQuebec"), &QAction::triggered, this,
            [this] { switchProvince(QStringLiteral("quebec")); });
    connect(item("indProvOntario"), &QAction::triggered, this,
            [this] { switchProvince(QStringLiteral("ontario")); });
    connect(item("indLangFrancais"), &QAction::triggered, this,
            [this] { ChangeLanguage(*this, QLatin1String(kFrenchFile)); });
    connect(item("indLangAnglais"), &QAction::triggered, this,
            [this] { ChangeLanguage(*this, QLatin1String(kEnglishFile)); });
    connect(item("indSommaire"), &QAction::triggered, this, &MainWindow::showHelpNotice);
    connect(item("indNouveau"), &QAction::triggered, this, [this] { NouvelleIllustration(*this); });
    connect(item("indOuvrir"), &QAction::triggered, this, [this] { OuvrirIllustration(*this); });
    connect(item("indEffacer"), &QAction::triggered, this, [this] { EffacerIllustration(*this); });
    connect(item("indEnregistrer"), &QAction::triggered, this,
            [this] { EnregistrerIllustration(*this); });
    connect(item("indEnregistrerSous"), &QAction::triggered, this,
            [this] { EnregistrerIllustrationSous(*this); });
    connect(item("indEnvoyerCourriel"), &QAction::triggered, this, &MainWindow::mailQuote);
    for (int i = 0; i < RecentIllustrations::kSize; ++i)
        connect(item(recentItem(i).constData()), &QAction::triggered, this,
                [this, i] { openRecent(i); });
    connect(item("indCourtier"), &QAction::triggered, this, &MainWindow::showBrokerWindow);
    connect(item("indAProposDe"), &QAction::triggered, this, &MainWindow::showAbout);
    connect(item("indPrimesDirect"), &QAction::triggered, this, &MainWindow::showLivePremiums);
    for (const ProductDocument &document : productDocuments())
        connect(item(document.item), &QAction::triggered, this,
                [this, &document] { openDocument(document); });
    // Save and Save As follow the quote form each time the File menu opens.
    connect(item("mnuFichier")->menu(), &QMenu::aboutToShow, this, [this] {
        item("indEnregistrer")->setEnabled(quoteFormOpen());
        item("indEnregistrerSous")->setEnabled(quoteFormOpen());
        item("indEnvoyerCourriel")->setEnabled(quoteFormOpen());
    });
}

MainWindow::~MainWindow()
{
    // Closing the window moves the focus; by then this is no longer a main window to scroll.
    disconnect(focusFollower_);
}

QAction *MainWindow::item(const char *name) const
{
    return findChild<QAction *>(QLatin1String(name));
}

void MainWindow::load()
{
    ApplyProvinceMenus(this, QString());
    CheckCurrentChoices(this);
    item("indPrimesDirect")->setChecked(LivePremiumLine::shownBySettings());
    TranslateForm(static_cast<QObject *>(this));

    broker_ = new BrokerWindow(this);
    broker_->activate();
    QList<QAction *> recent;
    for (int i = 0; i < RecentIllustrations::kSize; ++i)
        recent << item(recentItem(i).constData());
    recent_ = std::make_unique<RecentIllustrations>(recent, item("sepRecents"));

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    showQuoteForm();
    NouvelleIllustration(*this);
    if (quoteForm_)
        quoteForm_->illustration().modified = false;
}

QuoteForm *MainWindow::quoteForm() const
{
    return quoteForm_;
}

BrokerWindow *MainWindow::brokerWindow() const
{
    return broker_;
}

bool MainWindow::quoteFormOpen() const
{
    return quoteForm_ && quoteForm_->isOpen();
}

QuoteForm *MainWindow::showQuoteForm()
{
    if (quoteForm_)
        return quoteForm_;
    auto *form = new QuoteForm;
    QMdiSubWindow *sub = area_->addSubWindow(form);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    quoteForm_ = form;
    connect(form, &QuoteForm::quoteRequested, new QuoteCommand(form, this), &QuoteCommand::run);
    form->load();
    sub->adjustSize();
    centreQuoteForm();
    // A small screen gives the whole work area to the form.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize work = screen ? screen->availableGeometry().size() : QSize();
    if (screen && work.width() <= 640 && work.height() <= 480)
        sub->showMaximized();
    else
        sub->show();
    return form;
}

void MainWindow::centreQuoteForm()
{
    QuoteForm *form = quoteForm_;
    auto *sub = form ? qobject_cast<QMdiSubWindow *>(form->parentWidget()) : nullptr;
    if (!sub || sub->isMaximized())
        return;
    const QSize client = area_->viewport()->size();
    sub->move(qMax(0, (client.width() - sub->width()) / 2),
              qMax(0, (client.height() - sub->height()) / 2));
}

void MainWindow::scrollTo(QWidget *control)
{
    QWidget *view = area_->viewport();
    if (!control || control->window() != this || !view->isAncestorOf(control))
        return;
    // The control and a margin around it come into the view, the least scroll that does it.
    const QRect wanted(control->mapTo(view, QPoint(-8, -8)), control->size() + QSize(16, 16));
    QScrollBar *across = area_->horizontalScrollBar();
    QScrollBar *down = area_->verticalScrollBar();
    if (wanted.right() > view->width())
        across->setValue(across->value() + wanted.right() - view->width());
    if (wanted.left() < 0)
        across->setValue(across->value() + wanted.left());
    if (wanted.bottom() > view->height())
        down->setValue(down->value() + wanted.bottom() - view->height());
    if (wanted.top() < 0)
        down->setValue(down->value() + wanted.top());
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The work area has its real size only once the window shows.
    if (!event->spontaneous())
        QTimer::singleShot(0, this, &MainWindow::centreQuoteForm);
}

void MainWindow::showBrokerWindow()
{
    BrokerWindow *broker = broker_;
    if (!broker)
        return;
    broker->adjustSize();
    broker->move(x() + (width() - broker->width()) / 2, y() + (height() - broker->height()) / 2);
    broker->exec();
}

void MainWindow::showAbout()
{
    AboutWindow about(this);
    about.exec();
}

void MainWindow::showLivePremiums(bool shown)
{
    LivePremiumLine::keepShown(shown);
    if (quoteForm_)
        quoteForm_->lblPrimesDirect->setVisible(shown);
}

void MainWindow::openDocument(const ProductDocument &document)
{
    setCursor(Qt::WaitCursor);
    OuvrirDocument(documentPath(programContext().programDir, document));
    unsetCursor();
}

void MainWindow::openRecent(int index)
{
    const QString file = recent_ ? recent_->file(index) : QString();
    if (file.isEmpty())
        return;
    if (QFileInfo(file).isFile()) {
        OuvrirFichierIllustration(*this, file);
        return;
    }
    recent_->remove(file);
    const ProgramContext &state = programContext();
    const QString kMessages = QStringLiteral("modEnregistrement-Msg");
    if (state.dialogs)
        state.dialogs->tell(GetLangString(kMessages, QStringLiteral("ErrRecent_1")) +
                                QDir::toNativeSeparators(file) +
                                GetLangString(kMessages, QStringLiteral("ErrRecent_2")),
                            state.appTitle, Dialogs::Icon::Exclamation);
}

void MainWindow::mailQuote()
{
    // What goes out is the quote of the entries as they are now, shown in the preview too.
    QuoteForm *form = quoteFormOpen() ? quoteForm() : nullptr;
    auto *command = form ? form->findChild<QuoteCommand *>() : nullptr;
    if (command && command->run())
        command->preview()->sendByMail();
}

void MainWindow::setPictureFile(const QString &file)
{
    static_cast<Workspace *>(area_)->setPictureFile(file);
}

void MainWindow::switchProvince(const QString &province)
{
    SetProvince(province);
    ApplyProvinceMenus(this, QString());
    ChangeLanguage(*this, QString());
}

void MainWindow::showHelpNotice()
{
    if (Dialogs *dialogs = programContext().dialogs)
        dialogs->tell(
            GetLangString(QStringLiteral("frmMDI-Msg"), QStringLiteral("ConsulBrochSpecPoli")),
            GetLangString(QStringLiteral("frmMDI-Msg"), QStringLiteral("Aide")),
            Dialogs::Icon::Information);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The quote form closes first, and may refuse.
    if (QuoteForm *form = quoteForm_) {
        auto *sub = qobject_cast<QMdiSubWindow *>(form->parentWidget());
        if (sub && !sub->close()) {
            event->ignore();
            return;
        }
    }
    // A preview closes with the program, keeping the size the broker gave it.
    for (ReportPreview *preview : findChildren<ReportPreview *>())
        preview->close();
    event->accept();
    FermerBasesEtQuitter();
}

} // namespace norvel
