#include "ui/mainmenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <vector>

namespace norvel {

namespace {

struct Item {
    const char *name;
    int level;
    const char *caption; // "-" is a separator
    QKeySequence shortcut;
    bool shown = true;
};

// The design captions are the French defaults that the language file replaces.
const std::vector<Item> &items()
{
    static const std::vector<Item> tree = {
        {"mnuFichier", 1, "&Fichier", {}},
        {"indNouveau", 2, "&Nouveau", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"indOuvrir", 2, "&Ouvrir...", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"indEffacer", 2, "&Effacer...", {}},
        {"sep0", 2, "-", {}},
        {"indEnregistrer", 2, "Enregistrer", QKeySequence(Qt::CTRL | Qt::Key_R)},
        {"indEnregistrerSous", 2, "Enregistrer &sous...", {}},
        {"indEnvoyerCourriel", 2, "Envoyer par &courriel...", QKeySequence(Qt::CTRL | Qt::Key_E)},
        {"sep1", 2, "-", {}},
        // The recent illustrations, shown with their names while there are some.
        {"indRecent1", 2, "", {}, false},
        {"indRecent2", 2, "", {}, false},
        {"indRecent3", 2, "", {}, false},
        {"indRecent4", 2, "", {}, false},
        {"sepRecents", 2, "-", {}, false},
        {"indQuitter", 2, "&Quitter", {}},
        {"mnuAffichage", 1, "Affic&hage", {}},
        {"indCourtier", 2, "Information sur le représentant...",
         QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"indPrimesDirect", 2, "Primes en &direct", {}},
        {"sep4", 2, "-", {}},
        {"mnuVersion", 2, "&Version", {}, false},
        {"indProvQuebec", 3, "&Québec", {}},
        {"indProvOntario", 3, "&Ontario", {}},
        {"indLangage", 2, "&Langage", {}},
        {"indLangFrancais", 3, "&Francais", {}},
        {"indLangAnglais", 3, "&Anglais", {}},
        {"sep3", 2, "-", {}},
        {"mnu_docFran", 2, "Documents &français", {}},
        {"mnu_Brochure", 3, "&Dépliant Norvel...", {}},
        {"mnu_Formulaire", 3, "&Normes de sélection...", {}},
        {"mnu_Specimen", 3, "&Contrat Norvel...", {}},
        {"mun_docAng", 2, "Documents &anglais", {}},
        {"mnu_BrochureA", 3, "Norvel &Pamphlet...", {}},
        {"mnu_FormulaireA", 3, "Underwriting &Standards...", {}},
        {"mnu_SpecimenA", 3, "Norvel &Contract...", {}},
        {"mnuAide", 1, "&Aide", {}},
        {"indSommaire", 2, "Sommaire de l'aide...", QKeySequence(Qt::Key_F1)},
        {"sep2", 2, "-", {}},
        {"indAProposDe", 2, "À &propos de...", {}},
    };
    return tree;
}

} // namespace

void buildMainMenu(QMainWindow *window)
{
    const std::vector<Item> &tree = items();
    // The menu that receives items of each level: [1] is the menu bar's last menu, and so on.
    std::vector<QMenu *> open(4, nullptr);
    for (size_t i = 0; i < tree.size(); ++i) {
        const Item &item = tree[i];
        const bool hasChildren = i + 1 < tree.size() && tree[i + 1].level > item.level;
        const QString caption = QString::fromUtf8(item.caption);
        QAction *action = nullptr;
        if (item.level == 1) {
            QMenu *menu = window->menuBar()->addMenu(caption);
            open[1] = menu;
            action = menu->menuAction();
        } else if (hasChildren) {
            QMenu *menu = open[item.level - 1]->addMenu(caption);
            open[item.level] = menu;
            action = menu->menuAction();
        } else if (QString::fromLatin1(item.caption) == QLatin1String("-")) {
            action = open[item.level - 1]->addSeparator();
        } else {
            action = open[item.level - 1]->addAction(caption);
            action->setShortcut(item.shortcut);
            // Shortcuts work wherever the focus is in the program's windows.
            action->setShortcutContext(Qt::ApplicationShortcut);
        }
        action->setObjectName(QString::fromLatin1(item.name));
        action->setVisible(item.shown);
    }
    // The platform's usual Save works beside the program's own.
    QAction *save = window->findChild<QAction *>(QStringLiteral("indEnregistrer"));
    save->setShortcuts({save->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S)});
    // The province and language items show which one is in use.
    for (const char *name : {"indProvQuebec", "indProvOntario", "indLangFrancais", "indLangAnglais",
                             "indPrimesDirect"})
        window->findChild<QAction *>(QLatin1String(name))->setCheckable(true);
}

} // namespace norvel
