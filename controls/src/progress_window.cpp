#include "progress_window.h"

#include "platform/native_qt.h"
#include "skin_style.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

namespace morv::detail {
namespace {

CProgressWindow* g_running = nullptr;

} // namespace

struct CProgressWindow::Widgets {
    std::unique_ptr<QDialog> dialog;
    QLabel* title = nullptr;
    QLabel* text = nullptr;
    QProgressBar* bar = nullptr;
};

CProgressWindow::CProgressWindow(CWnd* owner, const SProgressInfo& info) : m_widgets(std::make_unique<Widgets>())
{
    m_state.bRunning = true;
    m_state.strTitle = info.strTitle;
    m_state.strText = info.strText;
    m_state.nMin = std::min(info.nMin, info.nMax);
    m_state.nMax = std::max(info.nMin, info.nMax);
    m_state.nPos = m_state.nMin;

    QWidget* parent = owner ? plat::NativeWidget(owner) : QApplication::activeWindow();
    auto dialog = std::make_unique<QDialog>(parent ? parent->window() : nullptr,
                                            Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog->setWindowTitle(QString::fromStdString(info.strTitle));
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setStyleSheet(ProgressStyleSheet());
    auto* layout = new QVBoxLayout(dialog.get());
    layout->setContentsMargins(Px(20), Px(16), Px(20), Px(20));
    layout->setSpacing(Px(10));
    m_widgets->title = new QLabel(QString::fromStdString(info.strTitle), dialog.get());
    m_widgets->title->setObjectName(QStringLiteral("title"));
    m_widgets->text = new QLabel(QString::fromStdString(info.strText), dialog.get());
    m_widgets->text->setVisible(!info.strText.empty());
    m_widgets->bar = new QProgressBar(dialog.get());
    m_widgets->bar->setTextVisible(false);
    m_widgets->bar->setRange(m_state.nMin, m_state.nMax);
    m_widgets->bar->setValue(m_state.nPos);
    layout->addWidget(m_widgets->title);
    layout->addWidget(m_widgets->text);
    layout->addWidget(m_widgets->bar);
    dialog->setFixedWidth(Px(360));
    dialog->adjustSize();
    if (parent) {
        const QRect area = parent->window()->geometry();
        dialog->move(area.center() - QPoint(dialog->width() / 2, dialog->height() / 2));
    }
    m_widgets->dialog = std::move(dialog);
    m_widgets->dialog->show();
    g_running = this;
    Pump();
}

CProgressWindow::~CProgressWindow()
{
    if (g_running == this)
        g_running = nullptr;
    if (m_widgets->dialog)
        m_widgets->dialog->hide();
}

CProgressWindow* CProgressWindow::Running() { return g_running; }

QDialog* CProgressWindow::Widget() const { return m_widgets->dialog.get(); }

void CProgressWindow::SetRange(int nMin, int nMax)
{
    m_state.nMin = std::min(nMin, nMax);
    m_state.nMax = std::max(nMin, nMax);
    m_state.nPos = std::clamp(m_state.nPos, m_state.nMin, m_state.nMax);
    m_widgets->bar->setRange(m_state.nMin, m_state.nMax);
    m_widgets->bar->setValue(m_state.nPos);
    Pump();
}

void CProgressWindow::SetPos(int nPos)
{
    m_state.nPos = std::clamp(nPos, m_state.nMin, m_state.nMax);
    m_widgets->bar->setValue(m_state.nPos);
    Pump();
}

void CProgressWindow::SetText(const std::string& text)
{
    m_state.strText = text;
    m_widgets->text->setText(QString::fromStdString(text));
    m_widgets->text->setVisible(!text.empty());
    Pump();
}

void CProgressWindow::Pump()
{
    // User input to the other windows is blocked by the modality; what runs
    // here is painting, timers and posted messages.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace morv::detail
