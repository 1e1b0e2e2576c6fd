// The two language files we ship: the same keys in both, every key the code asks for, values
// the lookup can return, and amounts in each language's convention.
//
// Keys are found in the code as GetLangString(<section>, QStringLiteral("<key>")), the section
// written as a literal or as a file-level `const QString kName = QStringLiteral("...")`.
#include "base/cp1252.h"
#include "domain/amountformat.h"
#include "domain/language.h"
#include "support/datarow.h"
#include "support/programfolder.h"
#include "ui/appstate.h"
#include "ui/langstring.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>
#include <map>
#include <set>

using namespace norvel;
using namespace norvel::test;

namespace {

using Keys = std::map<QString, std::set<QString>>; // section (folded) -> keys (folded)

QString languageFile(const char *name)
{
    return sourceDir() + QStringLiteral("/data/lang/%1.lng").arg(QLatin1String(name));
}

// Reads a language file strictly, reporting what the lookup would silently take otherwise.
Keys readKeys(const QString &path, QStringList &problems)
{
    Keys keys;
    const QByteArray bytes = bytesOf(path);
    if (bytes.isEmpty())
        problems << path + QStringLiteral(": missing or empty");
    const QString text = fromCp1252(bytes);
    if (text.count(QLatin1Char('\r')) != text.count(QLatin1Char('\n')) ||
        text.count(QLatin1Char('\n')) != text.count(QLatin1String("\r\n")))
        problems << path + QStringLiteral(": line ends are not all CR LF");
    QString section;
    int number = 0;
    for (const QString &line : text.split(QLatin1String("\r\n"))) {
        ++number;
        const QString l = line.trimmed();
        if (l.isEmpty() || l.startsWith(QLatin1Char(';')))
            continue;
        const QString where = QStringLiteral("%1:%2: ").arg(path).arg(number);
        if (l.startsWith(QLatin1Char('['))) {
            section = l.mid(1, l.indexOf(QLatin1Char(']')) - 1).trimmed().toLower();
            continue;
        }
        const qsizetype eq = l.indexOf(QLatin1Char('='));
        if (eq < 0 || section.isEmpty()) {
            problems << where + QStringLiteral("not a key line");
            continue;
        }
        const QString key = l.left(eq).trimmed().toLower();
        const QString value = l.mid(eq + 1).trimmed();
        if (!keys[section].insert(key).second)
            problems << where + QStringLiteral("duplicate key ") + key;
        if (value.size() < 2 || value.size() > 254)
            problems << where + QStringLiteral("value of %1 characters reads empty or cut")
                                    .arg(value.size());
    }
    return keys;
}

// Every (section, key) the code asks for by name.
std::set<std::pair<QString, QString>> keysInCode(QStringList &problems)
{
    static const QRegularExpression constant(
        QStringLiteral("const\\s+QString\\s+(\\w+)\\s*=\\s*QStringLiteral\\(\"([^\"]+)\"\\)"));
    static const QRegularExpression lookup(
        QStringLiteral("GetLangString\\(\\s*(?:(\\w+)|QStringLiteral\\(\"([^\"]+)\"\\))\\s*,\\s*"
                       "QStringLiteral\\(\"([^\"]+)\"\\)\\s*\\)"));
    std::set<std::pair<QString, QString>> keys;
    QDirIterator it(sourceDir() + QStringLiteral("/src"), {QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString code = QString::fromUtf8(bytesOf(path));
        std::map<QString, QString> sections;
        for (auto m = constant.globalMatch(code); m.hasNext();) {
            const auto match = m.next();
            sections[match.captured(1)] = match.captured(2);
        }
        for (auto m = lookup.globalMatch(code); m.hasNext();) {
            const auto match = m.next();
            QString section = match.captured(2);
            if (section.isEmpty()) {
                const auto found = sections.find(match.captured(1));
                if (found == sections.end()) {
                    problems << path + QStringLiteral(": section ") + match.captured(1) +
                                    QStringLiteral(" unknown");
                    continue;
                }
                section = found->second;
            }
            keys.insert({section, match.captured(3)});
        }
    }
    return keys;
}

} // namespace

class LanguageFilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void filesAreWellFormedAndHoldTheSameKeys()
    {
        QStringList problems;
        const Keys french = readKeys(languageFile("French"), problems);
        const Keys english = readKeys(languageFile("English"), problems);
        auto compare = [&](const Keys &a, const Keys &b, const QString &missingFrom) {
            for (const auto &[section, keys] : a)
                for (const QString &key : keys)
                    if (!b.count(section) || !b.at(section).count(key))
                        problems << QStringLiteral("[%1] %2 missing from %3")
                                        .arg(section, key, missingFrom);
        };
        compare(french, english, QStringLiteral("English"));
        compare(english, french, QStringLiteral("French"));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void everyKeyTheCodeAsksForExists_data()
    {
        QTest::addColumn<QString>("language");
        row("French", "French");
        row("English", "English");
    }
    void everyKeyTheCodeAsksForExists()
    {
        QFETCH(QString, language);
        QStringList problems;
        const Keys file = readKeys(languageFile(language.toLatin1().constData()), problems);
        auto keys = keysInCode(problems);
        QVERIFY(keys.size() > 10);
        for (const auto &[section, key] : keys) {
            const auto found = file.find(section.toLower());
            if (found == file.end() || !found->second.count(key.toLower()))
                problems << QStringLiteral("[%1] %2").arg(section, key);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void amountsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("cents");
        QTest::addColumn<QString>("expected");
        row("fr loan", "French", 150000.0, false, "150 000 $");
        row("fr eight digits", "French", 12345678.0, false, "12 345 678 $");
        row("fr monthly", "French", 49.998, true, "50,00 $");
        row("fr cents only", "French", 0.05, true, "0,05 $");
        row("fr thousands with cents", "French", 1234.5, true, "1 234,50 $");
        row("en loan", "English", 150000.0, false, "$150,000");
        row("en monthly", "English", 49.998, true, "$50.00");
        row("en thousands with cents", "English", 1234.5, true, "$1,234.50");
    }
    void amountsFollowTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(double, value);
        QFETCH(bool, cents);
        QFETCH(QString, expected);
        appState().language = Language(languageFile(language.toLatin1().constData()));
        // Premiums are single precision; typed amounts are text and keep every digit.
        const QString shown = cents ? FormaterMontant(appState().language, float(value), true)
                                    : FormaterMontant(appState().language, QString::number(value, 'f', 0), false);
        QCOMPARE(shown, expected);
    }
};

QTEST_GUILESS_MAIN(LanguageFilesTest)
#include "test_langfiles.moc"
