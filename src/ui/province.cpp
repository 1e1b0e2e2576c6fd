#include "ui/province.h"

#include "base/paths.h"
#include "base/profile.h"
#include "domain/language.h"
#include "ui/langstring.h"
#include "ui/mainwindow.h"
#include "ui/objectnode.h"
#include "ui/programcontext.h"
#include "ui/quoteform.h"
#include "ui/reportpreview.h"
#include "ui/settingswriter.h"

#include <QAction>
#include <QFileInfo>
#include <QWidget>

namespace norvel {

namespace {

void showItem(QWidget *window, const char *name, bool visible)
{
    if (QAction *action = window->findChild<QAction *>(QLatin1String(name)))
        action->setVisible(visible);
}

void checkItem(QWidget *window, const char *name, bool checked)
{
    if (QAction *action = window->findChild<QAction *>(QLatin1String(name)))
        action->setChecked(checked);
}

bool isCurrentLanguage(const char *file)
{
    const ProgramContext &state = programContext();
    const QFileInfo current(state.language.path());
    return current.exists() &&
           current == QFileInfo(ResolvePath(QLatin1String(file), state.programDir));
}

} // namespace

void SetProvince(const QString &province)
{
    ProgramContext &state = programContext();
    QString p = province;
    if (p != QLatin1String("quebec") && p != QLatin1String("ontario") && p != QLatin1String("dev"))
        p = QStringLiteral("quebec");

    QString file;
    if (p == QLatin1String("ontario")) {
        file = QLatin1String(kEnglishFile);
    } else {
        file = ReadSetting(state.settingsFilePath, QStringLiteral("systeme"),
                           QStringLiteral("langage"));
        if (file.isEmpty())
            file = QLatin1String(kFrenchFile);
    }
    SetLanguageFile(ResolvePath(file, state.programDir));
    state.province = p;
}

void ChangeLanguage(MainWindow &main, const QString &file)
{
    ProgramContext &state = programContext();
    if (!file.isEmpty())
        SetLanguageFile(ResolvePath(file, state.programDir));
    TranslateForm(static_cast<QObject *>(&main));
    if (QuoteForm *form = main.quoteForm())
        form->retranslate();
    for (ReportPreview *preview : main.findChildren<ReportPreview *>())
        preview->retranslate();
    CheckCurrentChoices(&main);
    // A province switch passes no file: the saved choice stays as the broker made it.
    if (!file.isEmpty() && state.province != QLatin1String("ontario"))
        SaveSettings(QStringLiteral("systeme"), {{QStringLiteral("langage"), file}});
}

void ApplyProvinceMenus(QWidget *window, const QString &province)
{
    const QString p = province.isEmpty() ? programContext().province : province;
    if (!window || window->objectName() != QLatin1String("frmMDI"))
        return;
    const bool shown = p != QLatin1String("ontario");
    showItem(window, "indLangage", shown);
    showItem(window, "mnu_docFran", shown);
    showItem(window, "sep4", shown);
    // Developer mode only ever adds the province menu; nothing hides it again.
    if (p == QLatin1String("dev"))
        showItem(window, "mnuVersion", true);
}

void CheckCurrentChoices(QWidget *window)
{
    const QString &p = programContext().province;
    checkItem(window, "indProvQuebec", p == QLatin1String("quebec"));
    checkItem(window, "indProvOntario", p == QLatin1String("ontario"));
    checkItem(window, "indLangFrancais", isCurrentLanguage(kFrenchFile));
    checkItem(window, "indLangAnglais", isCurrentLanguage(kEnglishFile));
}

} // namespace norvel
