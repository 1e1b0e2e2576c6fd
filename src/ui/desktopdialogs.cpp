#include "ui/desktopdialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace norvel {

namespace {

QMessageBox::Icon boxIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton boxButton(Dialogs::Answer answer)
{
    switch (answer) {
    case Dialogs::Answer::Yes:
        return QMessageBox::Yes;
    case Dialogs::Answer::No:
        return QMessageBox::No;
    case Dialogs::Answer::Cancel:
        return QMessageBox::Cancel;
    case Dialogs::Answer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

Dialogs::Answer DesktopDialogs::ask(const Message &message)
{
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    if (message.buttons == Buttons::YesNo)
        buttons = QMessageBox::Yes | QMessageBox::No;
    else if (message.buttons == Buttons::YesNoCancel)
        buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;

    QString text = message.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QString title = message.title.isEmpty() ? QApplication::applicationName() : message.title;
    QMessageBox box(boxIcon(message.icon), title, text, buttons, QApplication::activeWindow());
    box.setDefaultButton(boxButton(message.defaultAnswer));
    if (message.buttons == Buttons::YesNo)
        box.setEscapeButton(QMessageBox::No);

    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

namespace {

// "Quotes (*.nvl)|*.nvl|All (*.*)|*.*" as the platform dialog wants it: one description per
// line, with its patterns.
QStringList nameFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i);
        const QString patterns = parts.at(i + 1);
        const QString wanted = QStringLiteral("(") + patterns + QLatin1Char(')');
        if (!description.contains(wanted))
            description += QLatin1Char(' ') + wanted;
        filters << description.replace(QLatin1Char(';'), QLatin1Char(' '));
    }
    return filters;
}

} // namespace

std::optional<QString> DesktopDialogs::chooseFile(const FileRequest &request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    const bool save = request.kind == FileRequest::Kind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save || !request.mustExist ? QFileDialog::AnyFile
                                                  : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setNameFilters(nameFilters(request.filter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setDirectory(request.folder);
    if (!request.acceptLabel.isEmpty())
        dialog.setLabelText(QFileDialog::Accept, request.acceptLabel);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void DesktopDialogs::beep()
{
    QApplication::beep();
}

} // namespace norvel
