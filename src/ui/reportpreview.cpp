#include "ui/reportpreview.h"

#include "domain/language.h"
#include "domain/report.h"
#include "ui/dialogs.h"
#include "ui/langstring.h"
#include "ui/programcontext.h"
#include "ui/reportoutput.h"
#include "ui/reportpainter.h"

#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QToolBar>
#include <QVBoxLayout>

namespace norvel {

namespace {

const QString kValues = QStringLiteral("frmApercu-Val");
const QString kMessages = QStringLiteral("frmApercu-Msg");
constexpr double kMinZoom = 0.25;
constexpr double kMaxZoom = 4.0;
constexpr double kZoomStep = 1.25;

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

// The sheet of paper, drawn at the preview's zoom.
class PageView : public QWidget {
public:
    explicit PageView(QWidget *parent)
        : QWidget(parent)
    {
        setZoom(1.0);
    }
    void setReport(const Report *report)
    {
        report_ = report;
        update();
    }
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
    }

private:
    const Report *report_ = nullptr;
    double zoom_ = 1.0;
};

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
{
    setObjectName(QStringLiteral("frmApercu"));
    auto *tools = new QToolBar(this);
    tools->addAction(text("Imprimer"), this, &ReportPreview::print)
        ->setShortcut(QKeySequence::Print);
    tools->addAction(text("EnregistrerPDF"), this, &ReportPreview::saveAsPdf)
        ->setShortcut(QKeySequence::Save);
    tools->addSeparator();
    tools->addAction(text("ZoomMoins"), this, [this] { setZoom(zoom() / kZoomStep); })
        ->setShortcut(QKeySequence::ZoomOut);
    tools->addAction(text("ZoomPlus"), this, [this] { setZoom(zoom() * kZoomStep); })
        ->setShortcut(QKeySequence::ZoomIn);
    tools->addAction(text("PleineLargeur"), this, &ReportPreview::fitWidth);

    scroll_->setWidget(page_);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setBackgroundRole(QPalette::Dark);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(scroll_);
    resize(900, 1000);
}

ReportPreview::~ReportPreview() = default;

QString ReportPreview::text(const char *key) const
{
    return GetLangString(kValues, QLatin1String(key));
}

void ReportPreview::setReport(std::unique_ptr<Report> report)
{
    report_ = std::move(report);
    page_->setReport(report_.get());
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
    const int available = scroll_->viewport()->width() - 2 * scroll_->frameWidth();
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
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(folder).filePath(text("NomPDF") + QLatin1String(".pdf"));
    const QString path = choosers.pdfPath(this, suggested);
    if (path.isEmpty())
        return false;
    QString error;
    if (!exportPdf(*report_, path, &error)) {
        tellError(QStringLiteral("ErrPDF"),
                  QDir::toNativeSeparators(path) + QLatin1String(" (") + error + QLatin1Char(')'));
        return false;
    }
    return true;
}

} // namespace norvel
