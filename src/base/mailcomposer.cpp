#include "base/mailcomposer.h"

#ifdef Q_OS_WIN
#include <QDir>
#include <QFileInfo>
#include <string>
#include <windows.h>
#include <mapi.h>
#else
#include "base/programlauncher.h"
#endif

namespace norvel {

#ifdef Q_OS_WIN
bool composeMail(const QString &subject, const QString &attachment)
{
    HMODULE library = LoadLibraryW(L"mapi32.dll");
    if (!library)
        return false;
    const auto send = reinterpret_cast<LPMAPISENDMAILW>(GetProcAddress(library, "MAPISendMailW"));
    std::wstring title = subject.toStdWString();
    std::wstring path = QDir::toNativeSeparators(attachment).toStdWString();
    std::wstring name = QFileInfo(attachment).fileName().toStdWString();
    MapiFileDescW file{};
    file.nPosition = ULONG(-1);
    file.lpszPathName = path.data();
    file.lpszFileName = name.data();
    MapiMessageW message{};
    message.lpszSubject = title.data();
    message.nFileCount = 1;
    message.lpFiles = &file;
    // The composer is shown for the user to address the message; closing it unsent is no
    // failure.
    const ULONG result =
        send ? send(0, 0, &message, MAPI_LOGON_UI | MAPI_DIALOG, 0) : ULONG(MAPI_E_FAILURE);
    FreeLibrary(library);
    return result == SUCCESS_SUCCESS || result == MAPI_USER_ABORT;
}
#else
bool composeMail(const QString &subject, const QString &attachment)
{
    // Arguments are given in UTF-8 whatever the locale; xdg-email is told so first.
    DetachedLauncher launcher;
    return launcher.start(QStringLiteral("xdg-email"),
                          {QStringLiteral("--utf8"), QStringLiteral("--subject"), subject,
                           QStringLiteral("--attach"), attachment});
}
#endif

} // namespace norvel
