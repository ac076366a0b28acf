#pragma once
// The command line the skin's tools share: --manifest and --recipes, read
// before the tool starts, plus each tool's own options.
#include "manifest.h"
#include "recipe_book.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>

namespace skin {

class ToolCommandLine {
public:
    explicit ToolCommandLine(const QString& description);

    void Require(const QCommandLineOption& option);
    void Allow(const QCommandLineOption& option);

    // Parses the arguments and reads the manifest and the recipes; prints
    // why and answers false when an option is missing or a file is bad.
    bool Load(const QCoreApplication& app, Manifest& manifest, RecipeBook& book);

    QString Value(const QCommandLineOption& option) const { return m_parser.value(option); }
    bool IsSet(const QCommandLineOption& option) const { return m_parser.isSet(option); }

    // Prints a failure of the tool.
    static void Fail(const QString& message);

private:
    QCommandLineParser m_parser;
    QList<QCommandLineOption> m_required;
};

} // namespace skin
