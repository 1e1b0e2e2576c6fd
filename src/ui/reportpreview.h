#pragma once

#include "base/pdfdocumentinfo.h"

#include <QWidget>
#include <functional>
#include <memory>

class QAction;
class QKeyEvent;
class QPrinter;
class QToolBar;
class QScrollArea;

namespace norvel {

class Report;
class PageView;

// Where the preview asks the user for a PDF file or a printer. The desktop shows the
// platform's dialogs; tests and the headless tool answer without a window.
struct PreviewChoosers {
    // The PDF file to write, starting from the suggested path; empty when the user cancels.
    std::function<QString(QWidget *parent, const QString &suggested)> pdfPath;
    // Sets up the printer; false when the user cancels.
    std::function<bool(QWidget *parent, QPrinter &printer)> printer;

    static PreviewChoosers desktop();
};

// The choosers every new preview starts with (the desktop ones unless replaced).
PreviewChoosers &defaultPreviewChoosers();

// The report engine's preview: a modeless window showing the report's page, with Print,
// Save as PDF, Send by e-mail, zoom and Close. It opens within the screen at the page's width, and
// keeps the size the broker gives it for the next run.
class ReportPreview : public QWidget {
    Q_OBJECT
public:
    explicit ReportPreview(QWidget *parent = nullptr);
    ~ReportPreview() override;

    // Shows the window: the first time at its kept size within the screen, at the page's width.
    void present();
    // The tool bar and the caption in the current language.
    void retranslate();

    // Shows this report from now on; the preview keeps it, and what its PDF says of itself.
    void setReport(std::unique_ptr<Report> report, const PdfDocumentInfo &document);
    const Report *report() const { return report_.get(); }
    const PdfDocumentInfo &document() const { return document_; }

    double zoom() const;
    void setZoom(double zoom); // 1 = actual size
    void fitWidth();

    // The quote's text in reading order, as assistive technology reads it; Copy puts it on
    // the clipboard.
    QString readingText() const;
    void copyText();

    // The commands of the tool bar; each says what went wrong through the dialog seam.
    bool print();
    bool saveAsPdf();
    // The PDF, in a private temporary folder, attached to a new message in the desktop's mail
    // composer; when no mail program opens, the broker is told where the PDF is.
    bool sendByMail();

    PreviewChoosers choosers;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QString text(const char *key) const;
    void addTool(const char *key, const std::function<void()> &command,
                 const QList<QKeySequence> &shortcuts = {});
    QAction *toolFor(const QKeyEvent *event) const;
    void placeOnScreen();
    // The report as PDF at `path`; false when it could not be written, which the broker is told.
    bool writePdf(const QString &path);

    std::unique_ptr<Report> report_;
    PdfDocumentInfo document_;
    QScrollArea *scroll_;
    PageView *page_;
    QToolBar *tools_;
    QSize openedSize_; // unset until the window first shows
};

} // namespace norvel
