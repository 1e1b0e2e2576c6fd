#include "ui/reportpreview.h"

#include "base/mailcomposer.h"
#include "base/profile.h"
#include "domain/language.h"
#include "domain/quotedocument.h"
#include "domain/report.h"
#include "domain/reporttext.h"
#include "ui/dialogs.h"
#include "ui/langstring.h"
#include "ui/outbox.h"
#include "ui/programcontext.h"
#include "ui/reportoutput.h"
#include "ui/reportpainter.h"
#include "ui/settingswriter.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyleOptionFocusRect>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>

namespace norvel {

namespace {

const QString kValues = QStringLiteral("frmApercu-Val");
const QString kMessages = QStringLiteral("frmApercu-Msg");
constexpr double kMinZoom = 0.25;
constexpr double kMaxZoom = 4.0;
constexpr double kZoomStep = 1.25;
// The window's size as the broker last left it, in the settings file.
const QString kSizeSection = QStringLiteral("apercu");
constexpr char kWidthKey[] = "largeur";
constexpr char kHeightKey[] = "hauteur";
constexpr int kDefaultWidth = 900;

void tellError(const QString &key, const QString &detail)
{
    Dialogs *dialogs = programContext().dialogs;
    if (!dialogs)
        return;
    dialogs->tell(GetLangString(kMessages, key + QLatin1String("_1")) + detail +
                      GetLangString(kMessages, key + QLatin1String("_2")),
                  programContext().appTitle, Dialogs::Icon::Exclamation);
}

} // namespace

// The sheet of paper, drawn at the preview's zoom. It takes the focus, so that a screen reader
// reads the quote's text from it and Ctrl+C copies that text.
class PageView : public QWidget {
public:
    explicit PageView(QWidget *parent)
        : QWidget(parent)
    {
        setFocusPolicy(Qt::StrongFocus);
        setZoom(1.0);
    }
    void setReport(const Report *report)
    {
        report_ = report;
        update();
    }
    QString readingText() const { return report_ ? reportReadingText(*report_) : QString(); }
    double zoom() const { return zoom_; }
    void setZoom(double zoom)
    {
        zoom_ = qBound(kMinZoom, zoom, kMaxZoom);
        const double dpi = logicalDpiX() * zoom_;
        setFixedSize(qRound(dpi * kPageWidthTwips / 1440.0),
                     qRound(dpi * kPageHeightTwips / 1440.0));
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (report_)
            paintReport(*report_, painter, rect());
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect().adjusted(2, 2, -2, -2);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
    void focusInEvent(QFocusEvent *event) override
    {
        QWidget::focusInEvent(event);
        update();
    }
    void focusOutEvent(QFocusEvent *event) override
    {
        QWidget::focusOutEvent(event);
        update();
    }

private:
    const Report *report_ = nullptr;
    double zoom_ = 1.0;
};

namespace {

// What assistive technology reads of the page: a document whose text is the quote's, in
// reading order.
class PageAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PageAccessible(PageView *page)
        : QAccessibleWidget(page, QAccessible::Document)
    {
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return whole();
        return QAccessibleWidget::text(t);
    }
    QString text(int start, int end) const override { return whole().mid(start, end - start); }
    int characterCount() const override { return int(whole().size()); }
    int cursorPosition() const override { return caret_; }
    void setCursorPosition(int position) override
    {
        caret_ = qBound(0, position, characterCount());
    }
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override
    {
        *start = *end = 0;
        return QString();
    }

private:
    QString whole() const { return static_cast<PageView *>(widget())->readingText(); }
    int caret_ = 0;
};

QAccessibleInterface *pageAccessible(const QString &key, QObject *object)
{
    auto *page = key == QLatin1String("QWidget") ? dynamic_cast<PageView *>(object) : nullptr;
    return page ? new PageAccessible(page) : nullptr;
}

} // namespace

PreviewChoosers PreviewChoosers::desktop()
{
    PreviewChoosers choosers;
    choosers.pdfPath = [](QWidget *parent, const QString &suggested) {
        return QFileDialog::getSaveFileName(parent, GetLangString(kValues, "EnregistrerPDF"),
                                            suggested, GetLangString(kValues, "FiltrePDF"));
    };
    choosers.printer = [](QWidget *parent, QPrinter &printer) {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    return choosers;
}

PreviewChoosers &defaultPreviewChoosers()
{
    static PreviewChoosers choosers = PreviewChoosers::desktop();
    return choosers;
}

ReportPreview::ReportPreview(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , choosers(defaultPreviewChoosers())
    , scroll_(new QScrollArea(this))
    , page_(new PageView(scroll_))
    , tools_(new QToolBar(this))
{
    setObjectName(QStringLiteral("frmApercu"));
    static const bool readable = (QAccessible::installFactory(pageAccessible), true);
    Q_UNUSED(readable);
    addTool("Imprimer", [this] { print(); }, {QKeySequence::Print});
    addTool("EnregistrerPDF", [this] { saveAsPdf(); }, {QKeySequence::Save});
    addTool("EnvoyerCourriel", [this] { sendByMail(); }, {QKeySequence(Qt::CTRL | Qt::Key_E)});
    tools_->addSeparator();
    addTool("ZoomMoins", [this] { setZoom(zoom() / kZoomStep); }, {QKeySequence::ZoomOut});
    addTool("ZoomPlus", [this] { setZoom(zoom() * kZoomStep); }, {QKeySequence::ZoomIn});
    addTool("PleineLargeur", [this] { fitWidth(); }, {QKeySequence(Qt::CTRL | Qt::Key_0)});
    addTool("Copier", [this] { copyText(); }, {QKeySequence::Copy});
    tools_->addSeparator();
    addTool("Fermer", [this] { close(); },
            {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)});

    scroll_->setWidget(page_);
    scroll_->setFocusPolicy(Qt::NoFocus); // the page takes the focus; its keys scroll the view
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setBackgroundRole(QPalette::Dark);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools_);
    layout->addWidget(scroll_);
}

void ReportPreview::addTool(const char *key, const std::function<void()> &command,
                            const QList<QKeySequence> &shortcuts)
{
    QAction *action = tools_->addAction(text(key), this, command);
    action->setObjectName(QLatin1String(key));
    action->setShortcuts(shortcuts);
}

void ReportPreview::retranslate()
{
    for (QAction *action : tools_->actions())
        if (!action->isSeparator())
            action->setText(text(action->objectName().toLatin1().constData()));
    page_->setAccessibleName(text("Page"));
    QString caption =
        GetLangString(QStringLiteral("frmCotalmira-Val"), QStringLiteral("RapportBracket"));
    if (parentWidget())
        caption.prepend(parentWidget()->windowTitle());
    setWindowTitle(caption);
}

void ReportPreview::present()
{
    const bool first = !openedSize_.isValid();
    if (first)
        placeOnScreen();
    show();
    raise();
    activateWindow();
    page_->setFocus();
    if (!first)
        return;
    fitWidth();
    openedSize_ = size();
}

void ReportPreview::placeOnScreen()
{
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 900, 1000);
    // The frame is the window system's; until the window has one, the style's title bar and
    // borders stand for it.
    QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (frame.isNull()) {
        const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
        frame = QMargins(border, style()->pixelMetric(QStyle::PM_TitleBarHeight) + border, border,
                         border);
    }
    const QSize room = area.size().shrunkBy(frame);
    const ProgramContext &state = programContext();
    const auto kept = [&state](const char *key) {
        return ReadSetting(state.settingsFilePath, kSizeSection, QLatin1String(key)).toInt();
    };
    QSize wanted(kept(kWidthKey), kept(kHeightKey));
    if (wanted.width() <= 0 || wanted.height() <= 0)
        wanted = QSize(kDefaultWidth, room.height());
    const QSize size = wanted.boundedTo(room);
    resize(size);
    move(area.x() + (area.width() - size.width() - frame.left() - frame.right()) / 2, area.y());
}

QAction *ReportPreview::toolFor(const QKeyEvent *event) const
{
    const QKeySequence pressed(event->keyCombination());
    for (QAction *action : tools_->actions())
        if (action->shortcuts().contains(pressed))
            return action;
    return nullptr;
}

bool ReportPreview::event(QEvent *event)
{
    // The preview's own keys act on it, before the program's menus that share them (Ctrl+S).
    if (event->type() == QEvent::ShortcutOverride && toolFor(static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void ReportPreview::keyPressEvent(QKeyEvent *event)
{
    if (QAction *action = toolFor(event))
        action->trigger();
    else
        QWidget::keyPressEvent(event);
}

void ReportPreview::closeEvent(QCloseEvent *event)
{
    // The size the broker gave the window is kept; nothing is written for one left alone.
    const QSize given = isMaximized() ? normalGeometry().size() : size();
    if (openedSize_.isValid() && given.isValid() && given != openedSize_) {
        SaveSettings(kSizeSection, {{QLatin1String(kWidthKey), QString::number(given.width())},
                                    {QLatin1String(kHeightKey), QString::number(given.height())}});
        openedSize_ = given;
    }
    QWidget::closeEvent(event);
}

ReportPreview::~ReportPreview() = default;

QString ReportPreview::text(const char *key) const
{
    return GetLangString(kValues, QLatin1String(key));
}

void ReportPreview::setReport(std::unique_ptr<Report> report, const PdfDocumentInfo &document)
{
    report_ = std::move(report);
    document_ = document;
    page_->setReport(report_.get());
}

QString ReportPreview::readingText() const
{
    return page_->readingText();
}

void ReportPreview::copyText()
{
    QGuiApplication::clipboard()->setText(readingText());
}

double ReportPreview::zoom() const
{
    return page_->zoom();
}

void ReportPreview::setZoom(double zoom)
{
    page_->setZoom(zoom);
}

void ReportPreview::fitWidth()
{
    // The page is taller than it is wide: the view keeps room for its vertical scroll bar, and
    // a pixel for rounding, so that no horizontal one appears.
    const int available = scroll_->width() - 2 * scroll_->frameWidth() - 1 -
                          style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
    setZoom(page_->zoom() * available / qMax(1, page_->width()));
}

bool ReportPreview::print()
{
    if (!report_)
        return false;
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    if (!choosers.printer || !choosers.printer(this, printer))
        return false;
    QString error;
    if (!printReport(*report_, printer, &error)) {
        tellError(QStringLiteral("ErrImpression"), error);
        return false;
    }
    return true;
}

bool ReportPreview::saveAsPdf()
{
    if (!report_ || !choosers.pdfPath)
        return false;
    const QString suggested =
        QDir(programContext().illustrationsFolder).filePath(quotePdfFileName(document_));
    const QString path = choosers.pdfPath(this, suggested);
    return !path.isEmpty() && writePdf(path);
}

bool ReportPreview::sendByMail()
{
    if (!report_)
        return false;
    QString error;
    const QString folder = newOutboxFolder(&error);
    if (folder.isEmpty()) {
        tellError(QStringLiteral("ErrPDF"), QLatin1String("(") + error + QLatin1Char(')'));
        return false;
    }
    const QString path = QDir(folder).filePath(quotePdfFileName(document_));
    if (!writePdf(path))
        return false;
    if (!composeMail(document_.title, path)) {
        tellError(QStringLiteral("ErrCourriel"), QDir::toNativeSeparators(path));
        return false;
    }
    return true;
}

bool ReportPreview::writePdf(const QString &path)
{
    QString error;
    if (exportPdf(*report_, document_, path, &error))
        return true;
    tellError(QStringLiteral("ErrPDF"),
              QDir::toNativeSeparators(path) + QLatin1String(" (") + error + QLatin1Char(')'));
    return false;
}

} // namespace norvel
