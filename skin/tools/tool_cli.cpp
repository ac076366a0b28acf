#include "tool_cli.h"

#include <cstdio>

namespace skin {

namespace {

const QCommandLineOption kManifest(QStringLiteral("manifest"), QStringLiteral("Manifest of image names."),
                                   QStringLiteral("file"));
const QCommandLineOption kRecipes(QStringLiteral("recipes"), QStringLiteral("Recipe book."), QStringLiteral("file"));

} // namespace

ToolCommandLine::ToolCommandLine(const QString& description)
{
    m_parser.setApplicationDescription(description);
    m_parser.addHelpOption();
    Require(kManifest);
    Require(kRecipes);
}

void ToolCommandLine::Require(const QCommandLineOption& option)
{
    m_parser.addOption(option);
    m_required.append(option);
}

void ToolCommandLine::Allow(const QCommandLineOption& option) { m_parser.addOption(option); }

bool ToolCommandLine::Load(const QCoreApplication& app, Manifest& manifest, RecipeBook& book)
{
    m_parser.process(app);
    for (const QCommandLineOption& option : m_required) {
        if (!m_parser.isSet(option)) {
            Fail(QStringLiteral("--%1 is required").arg(option.names().front()));
            return false;
        }
    }
    QString error;
    if (!ReadManifest(m_parser.value(kManifest), manifest, error) || !book.Read(m_parser.value(kRecipes), error)) {
        Fail(error);
        return false;
    }
    return true;
}

void ToolCommandLine::Fail(const QString& message)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(message));
}

} // namespace skin
