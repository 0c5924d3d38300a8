#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Starts a program that runs on its own: not waited for, not a child that ends with this one.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // True when the program has started.
    virtual bool startDetached(const QString &program, const QStringList &arguments) = 0;
    // What "~/" in a program box stands for.
    virtual QString homeFolder() const = 0;
};

// The programs get the environment given, the one the user started this program with, less a
// start-up or activation token, which was this program's own.
class QProcessLauncher : public ProgramLauncher {
public:
    explicit QProcessLauncher(QProcessEnvironment environment);

    bool startDetached(const QString &program, const QStringList &arguments) override;
    QString homeFolder() const override;

private:
    QProcessEnvironment m_environment;
};
