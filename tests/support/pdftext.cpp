#include "support/pdftext.h"

#include <QProcess>
#include <QRegularExpression>

namespace norvel::test {

QString pdfText(const QString &path)
{
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), path, QStringLiteral("-")});
    reader.waitForFinished(30000);
    return QString::fromUtf8(reader.readAllStandardOutput());
}

QString pdfInfo(const QString &path, const QString &field)
{
    QProcess reader;
    reader.start(QStringLiteral("pdfinfo"), {path});
    reader.waitForFinished(30000);
    const QRegularExpression line(QStringLiteral("^") + field + QStringLiteral(":\\s+(.*)$"),
                                  QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(reader.readAllStandardOutput())).captured(1);
}

} // namespace norvel::test
