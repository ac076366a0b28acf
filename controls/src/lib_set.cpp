#include "controls/lib_set.h"

#include "controls/density.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <algorithm>

namespace {

constexpr const char* kPreferredFamily = "Noto Sans CJK SC";
constexpr int kDesignFontSize = 14;

std::string PickFamily()
{
    if (QFontDatabase::hasFamily(QString::fromLatin1(kPreferredFamily)))
        return kPreferredFamily;
    for (const char* family : {"Noto Sans CJK JP", "WenQuanYi Micro Hei", "DejaVu Sans"})
        if (QFontDatabase::hasFamily(QString::fromLatin1(family)))
            return family;
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family().toStdString();
}

} // namespace

CMorvLibSet& CMorvLibSet::Instance()
{
    static CMorvLibSet set;
    return set;
}

std::string CMorvLibSet::GetDefaultFontName() const
{
    // The font database needs the application object; before it exists the
    // preferred family is named without asking.
    if (!QGuiApplication::instance())
        return kPreferredFamily;
    static const std::string family = PickFamily();
    return family;
}

int CMorvLibSet::GetFontSize() const { return morv::Scale(kDesignFontSize); }

Font CMorvLibSet::GetDefaultFont(int delta, bool bold) const
{
    Font font;
    font.family = GetDefaultFontName();
    font.pixelSize = std::max(1, GetFontSize() + delta);
    font.bold = bold;
    return font;
}
