#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

// Starts one of the programs built beside the benchmarks, offscreen, and gives what it
// printed; empty when it failed.
inline QByteArray runBenchProgram(const QString &name, const QStringList &arguments = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(NORVEL_BENCH_PROGRAMS "/") + name, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

// One "name value" line of what a bench program printed.
inline qint64 benchFigure(const QByteArray &output, const QByteArray &name)
{
    for (const QByteArray &line : output.split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 2 && words[0] == name)
            return words[1].toLongLong();
    }
    return -1;
}
