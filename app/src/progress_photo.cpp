#include "progress_photo.h"

#include <QApplication>
#include <QDialog>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>

namespace app {

namespace {

// A progress bar of a shown top-level dialog that is half-way or further.
QDialog* ProgressHalfWay()
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(top);
        if (!dialog || !dialog->isVisible())
            continue;
        const auto* bar = dialog->findChild<QProgressBar*>();
        if (bar && bar->maximum() > bar->minimum() && bar->value() * 2 >= bar->minimum() + bar->maximum())
            return dialog;
    }
    return nullptr;
}

} // namespace

void DrawWindowOver(QPixmap& picture, const QWidget& base, QWidget& window)
{
    QPainter painter(&picture);
    painter.drawPixmap(window.mapToGlobal(QPoint()) - base.mapToGlobal(QPoint()), window.grab());
}

CProgressPhoto::CProgressPhoto(QWidget& window, SaveFn save) : m_window(window), m_save(std::move(save))
{
    m_timer.setInterval(0);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Look(); });
}

void CProgressPhoto::Arm(const std::string& name)
{
    m_name = name;
    m_error.clear();
    m_timer.start();
}

std::string CProgressPhoto::Disarm()
{
    m_timer.stop();
    std::string name;
    name.swap(m_name);
    return name;
}

void CProgressPhoto::Look()
{
    QDialog* dialog = ProgressHalfWay();
    if (!dialog)
        return;
    QPixmap picture = m_window.grab();
    DrawWindowOver(picture, m_window, *dialog);
    const std::string name = Disarm();
    m_save(picture, name, m_error);
}

} // namespace app
