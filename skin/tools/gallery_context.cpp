#include "gallery_context.h"

namespace skin {

QImage GalleryContext::Skin(const QString& name) const
{
    const QDir root(runtime.filePath(QStringLiteral("Skin")));
    return QImage(QDir(root.filePath(density.folder)).filePath(FilePathOf(name)));
}

QImage GalleryContext::Product(const QString& name) const
{
    return QImage(QDir(runtime.filePath(QStringLiteral("Product"))).filePath(FilePathOf(name)));
}

QFont GalleryContext::Font(int designPixels, bool bold) const
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(Px(designPixels));
    font.setBold(bold);
    return font;
}

QColor GalleryContext::Color(const QString& name) const { return QColor(book.Palette().value(name)); }

const Recipe* GalleryContext::RecipeOf(const QString& name) const
{
    Vars vars;
    QString error;
    return book.Find(name, vars, error);
}

int GalleryContext::Margin(const QString& name) const
{
    const Recipe* recipe = RecipeOf(name);
    return recipe ? recipe->margin : 0;
}

} // namespace skin
