#pragma once

#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <QStringList>

// Lays a document out on Letter pages, top to bottom, starting a page when a block does not
// fit; every page carries the band at its top and the running footer with its number.
class PageWriter {
public:
    PageWriter(const QString &path, const QString &title, const QString &footer);
    bool isValid() const { return painter_.isActive(); }

    void titleBlock(const QString &title, const QString &subtitle);
    void heading(const QString &text);
    void subheading(const QString &text);
    void paragraph(const QString &text);
    void item(const QString &text);
    // A table with a heading row; the first column is narrower.
    void table(const QStringList &header, const QList<QStringList> &rows);
    void pageBreak();
    bool finish();

private:
    qreal textHeight(const QRectF &box, const QFont &font, const QString &text, int flags);
    void ensureRoom(qreal height);
    void startPage();
    void nextPage();
    void place(qreal height);
    QFont headingFont() const;
    qreal headingHeight();
    void flushHeading();
    void drawTableRow(const QStringList &cells, const QList<qreal> &widths, bool header);
    qreal rowHeight(const QStringList &cells, const QList<qreal> &widths, const QFont &font);

    QPdfWriter writer_;
    QPainter painter_;
    QString footer_;
    qreal y_ = 0;
    int page_ = 1;
    bool afterItem_ = false;
    struct Heading {
        QString text;
        bool major = true;
    } pending_; // drawn with the block below it
};
